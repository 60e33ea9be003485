#include "core/note_dialogs/folder_listing.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <utility>
#include <vector>

namespace tabulo {

namespace {

std::filesystem::path nativePath(const QString &path)
{
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

enum class EntryKind { File, Folder };

bool isAscii(const QByteArray &bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

QStringList listEntries(const QString &folder, EntryKind kind, const FilePattern *pattern)
{
    QStringList names;
    // The file system's own listing, which knows each entry's kind without
    // asking for its details: ten thousand notes list at once.
    std::error_code error;
    std::filesystem::directory_iterator entries(nativePath(folder), error);
    if (error)
        return names;
    for (const std::filesystem::directory_entry &entry : entries) {
        const std::string &raw = entry.path().native();
        const size_t start = raw.find_last_of('/') + 1;
        if (start >= raw.size() || raw[start] == '.')
            continue;
        std::error_code typeError;
        const bool wanted = kind == EntryKind::File ? entry.is_regular_file(typeError) : entry.is_directory(typeError);
        if (!wanted || typeError)
            continue;
        const QByteArray bytes(raw.data() + start, qsizetype(raw.size() - start));
        const QString name = QFile::decodeName(bytes);
        // A name whose bytes are not text cannot be reached through any path
        // the program writes, so it is not offered.
        if (!isAscii(bytes) && QFile::encodeName(name) != bytes)
            continue;
        if (!pattern || pattern->matches(name))
            names.append(name);
    }
    sortForList(names);
    return names;
}

} // namespace

std::optional<FileProblem> folderProblem(const QString &folder)
{
    // A path that is not a full one leads nowhere the user can see.
    if (folder.isEmpty() || !QDir::isAbsolutePath(folder))
        return FileProblem::NotFound;
    const QFileInfo info(folder);
    if (!info.exists())
        return FileProblem::NotFound;
    if (!info.isDir())
        return FileProblem::NotAFolder;
    if (!info.isReadable() || !info.isExecutable())
        return FileProblem::PermissionDenied;
    return std::nullopt;
}

namespace {

FileProblem problemOfError(const std::error_code &error, const QString &folder)
{
    if (error == std::errc::permission_denied || error == std::errc::operation_not_permitted)
        return FileProblem::PermissionDenied;
    if (error == std::errc::no_space_on_device)
        return FileProblem::DiskFull;
    if (error == std::errc::read_only_file_system)
        return FileProblem::ReadOnly;
    if (error == std::errc::not_a_directory)
        return FileProblem::NotAFolder;
    if (error == std::errc::no_such_file_or_directory)
        return FileProblem::NotFound;
    return classifyWriteFailure(QFileDevice::OpenError, inspectPath(folder));
}

} // namespace

FileResult makeFolder(const QString &folder, bool withParents)
{
    const QFileInfo info(folder);
    if (info.isDir())
        return FileResult::success();
    if (info.exists())
        return FileResult::failure(FileProblem::NotAFolder, QStringLiteral("a file of that name is in the way"));
    std::error_code error;
    if (withParents)
        std::filesystem::create_directories(nativePath(folder), error);
    else
        std::filesystem::create_directory(nativePath(folder), error);
    if (error)
        return FileResult::failure(problemOfError(error, folder), QString::fromLocal8Bit(error.message()));
    return FileResult::success();
}

QStringList listMatchingFiles(const QString &folder, const FilePattern &pattern)
{
    return listEntries(folder, EntryKind::File, &pattern);
}

QStringList listSubfolders(const QString &folder)
{
    return listEntries(folder, EntryKind::Folder, nullptr);
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
    // Each name is folded once, not at every comparison.
    std::vector<std::pair<QString, QString>> keyed;
    keyed.reserve(size_t(names.size()));
    for (QString &name : names)
        keyed.emplace_back(name.toCaseFolded(), std::move(name));
    std::sort(keyed.begin(), keyed.end());
    for (qsizetype i = 0; i < names.size(); ++i)
        names[i] = std::move(keyed[size_t(i)].second);
}

QString pathInFolder(const QString &folder, const QString &name)
{
    if (folder.endsWith(u'/'))
        return folder + name;
    return folder + QLatin1Char('/') + name;
}

} // namespace tabulo
