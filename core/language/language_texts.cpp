#include "core/language/language_texts.h"

#include "core/language/language_file.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace tabulo {

namespace {

// The name files hold one line; a bigger one is not a language name file.
constexpr qint64 maxNameFileBytes = 64 * 1024;
// Far beyond any real translation file (100,000 lines are a few megabytes).
constexpr qint64 maxTextsFileBytes = 64 * 1024 * 1024;

QString readName(const QString &path)
{
    return lastNonEmptyLine(readTextFile(path, nullptr, maxNameFileBytes).value_or(QString()));
}

} // namespace

namespace languageFiles {

QString currentNamePath(const QString &dataFolder)
{
    return dataFolder + QStringLiteral("/Lang.ini");
}

QString textsPath(const QString &dataFolder)
{
    return dataFolder + QStringLiteral("/Language.ini");
}

QString folderPath(const QString &dataFolder)
{
    return dataFolder + QStringLiteral("/Lang");
}

QString readCurrentName(const QString &dataFolder)
{
    return readName(currentNamePath(dataFolder));
}

QString readNameInFolder(const QString &dataFolder, const QString &fileName)
{
    // A menu caption names a file inside the folder, never a path elsewhere.
    if (fileName.isEmpty() || fileName.contains(QLatin1Char('/')) || fileName == QLatin1String(".."))
        return {};
    return readName(folderPath(dataFolder) + QLatin1Char('/') + fileName);
}

QStringList folderNames(const QString &dataFolder)
{
    QStringList names;
    const QDir folder(folderPath(dataFolder));
    for (const QString &name : folder.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::NoSort)) {
        // A name with a dot has an extension ("notes.txt", ".hidden").
        if (!name.contains(QLatin1Char('.')))
            names << name;
    }
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        const int folded = a.compare(b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;
    });
    return names;
}

FileResult writeCurrentName(const QString &dataFolder, const QString &languageName)
{
    QDir().mkpath(dataFolder);
    return writeFileAtomically(currentNamePath(dataFolder), languageName + QStringLiteral("\r\n"));
}

} // namespace languageFiles

LanguageTexts LanguageTexts::load(const QString &dataFolder, const QString &languageName)
{
    const QString path = languageFiles::textsPath(dataFolder);
    // The stamp is taken before reading, so an edit made while reading makes
    // the texts outdated rather than lost.
    const FileStamp stamp = stampOf(path);
    LanguageTexts texts = fromText(readTextFile(path, nullptr, maxTextsFileBytes).value_or(QString()), languageName);
    texts.m_path = path;
    texts.m_stamp = stamp;
    return texts;
}

LanguageTexts LanguageTexts::loadCurrent(const QString &dataFolder)
{
    return load(dataFolder, languageFiles::readCurrentName(dataFolder));
}

LanguageTexts LanguageTexts::fromText(QStringView fileText, const QString &languageName)
{
    LanguageTexts texts;
    texts.m_languageName = languageName;
    texts.m_fileTexts = parseLanguageTexts(fileText, languageName);
    return texts;
}

QString LanguageTexts::text(int key) const
{
    const auto found = m_fileTexts.constFind(key);
    return found != m_fileTexts.cend() ? *found : builtInLanguageText(key);
}

std::optional<QString> LanguageTexts::fileText(int key) const
{
    const auto found = m_fileTexts.constFind(key);
    if (found == m_fileTexts.cend())
        return std::nullopt;
    return *found;
}

bool LanguageTexts::isOutdated() const
{
    return m_path.isEmpty() || stampOf(m_path) != m_stamp;
}

LanguageTexts::FileStamp LanguageTexts::stampOf(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    return {true, info.size(), info.lastModified()};
}

} // namespace tabulo
