#include "folder_listing.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace tabulo {

namespace {

std::filesystem::path nativePath(const QString &path)
{
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

QStringList listEntries(const QString &folder, QDir::Filters kind, const FilePattern *pattern)
{
    QStringList names;
    // Unsorted and unfiltered by Qt: the pattern and the order are ours, and
    // a folder of ten thousand notes must still list at once.
    QDirIterator entries(folder, kind | QDir::NoDotAndDotDot);
    while (entries.hasNext()) {
        entries.next();
        const QString name = entries.fileName();
        if (!pattern || pattern->matches(name))
            names.append(name);
    }
    sortForList(names);
    return names;
}

} // namespace

std::optional<QString> folderProblem(const QString &folder)
{
    if (folder.isEmpty() || !QDir::isAbsolutePath(folder))
        return QStringLiteral("it is not a full folder path");
    const QFileInfo info(folder);
    if (!info.exists())
        return QStringLiteral("it does not exist (any more)");
    if (!info.isDir())
        return QStringLiteral("it is a file, not a folder");
    if (!info.isReadable() || !info.isExecutable())
        return QStringLiteral("you have no permission to open it");
    return std::nullopt;
}

FileResult makeFolder(const QString &folder, bool withParents)
{
    const QFileInfo info(folder);
    if (info.isDir())
        return FileResult::success();
    if (info.exists())
        return FileResult::failure(QStringLiteral("a file of that name is in the way"));
    std::error_code error;
    if (withParents)
        std::filesystem::create_directories(nativePath(folder), error);
    else
        std::filesystem::create_directory(nativePath(folder), error);
    if (error)
        return FileResult::failure(QString::fromLocal8Bit(error.message()));
    return FileResult::success();
}

QStringList listMatchingFiles(const QString &folder, const FilePattern &pattern)
{
    return listEntries(folder, QDir::Files, &pattern);
}

QStringList listSubfolders(const QString &folder)
{
    return listEntries(folder, QDir::Dirs, nullptr);
}

QStringList folderChain(const QString &folder)
{
    QStringList chain;
    QString path = QDir::cleanPath(folder);
    while (true) {
        chain.prepend(path);
        const QString parent = QFileInfo(path).path();
        if (parent == path || parent.isEmpty() || parent == u".")
            break;
        path = parent;
    }
    return chain;
}

void sortForList(QStringList &names)
{
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        const int folded = a.compare(b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;
    });
}

QString pathInFolder(const QString &folder, const QString &name)
{
    if (folder.endsWith(u'/'))
        return folder + name;
    return folder + QLatin1Char('/') + name;
}

} // namespace tabulo
