#include "core/theme/theme_folder.h"

#include "core/engine/note_lines.h"
#include "core/settings/settings_line_file.h"

#include <QDir>
#include <QFileInfo>

namespace tabulo {

namespace {

// Theme files and the template are a few hundred bytes; a file far bigger
// than that was put there by mistake and is not worth reading.
constexpr qint64 maxThemeFileBytes = 1024 * 1024;

const QString extension = QStringLiteral(".ini");

} // namespace

QString themeNameFromFileName(const QString &fileName)
{
    QString name = fileName;
    for (const char *spelling : {".INI", ".ini", ".Ini", ".iNi", ".inI"})
        name.remove(QLatin1StringView(spelling), Qt::CaseSensitive);
    return name;
}

QString cleanThemeName(const QString &typed)
{
    static const QString forbidden = QStringLiteral("<>:\\/|*?\"");
    QString name;
    name.reserve(typed.size());
    for (const QChar c : typed) {
        if (!forbidden.contains(c) && c.category() != QChar::Other_Control)
            name += c;
    }
    return name.trimmed();
}

QStringList ThemeFolder::themeNames() const
{
    const QStringList files
        = QDir(themesPath()).entryList({QStringLiteral("*.ini")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    QStringList names;
    names.reserve(files.size());
    for (const QString &file : files)
        names << themeNameFromFileName(file);
    return names;
}

QString ThemeFolder::themeFilePath(const QString &name) const
{
    const QString exact = themesPath() + QLatin1Char('/') + name + extension;
    if (QFileInfo::exists(exact) || name.isEmpty())
        return exact;
    // Names may hold characters that are wildcards to a name filter, so the
    // folder is listed whole and compared here.
    const QStringList files = QDir(themesPath()).entryList(QDir::Files);
    for (const QString &file : files) {
        if (file.size() == name.size() + extension.size() && file.startsWith(name)
            && file.endsWith(extension, Qt::CaseInsensitive))
            return themesPath() + QLatin1Char('/') + file;
    }
    return exact;
}

QString ThemeFolder::chosenThemeName() const
{
    return SettingsLineFile::readLastLine(chosenThemeFile()).value_or(QString());
}

FileResult ThemeFolder::rememberChoice(const QString &name) const
{
    return SettingsLineFile::write(chosenThemeFile(), {name});
}

std::optional<Theme> ThemeFolder::readTheme(const QString &name, const QLocale &locale) const
{
    // No name means no theme: not the file called just ".ini".
    if (name.isEmpty())
        return std::nullopt;
    const auto text = readTextFile(themeFilePath(name), nullptr, maxThemeFileBytes);
    if (!text)
        return std::nullopt;
    return Theme::parse(*text, locale);
}

ThemeFolder::Creation ThemeFolder::createTheme(const QString &typedName) const
{
    const QString name = cleanThemeName(typedName);
    if (name.isEmpty())
        return {Outcome::NoUsableName};
    if (!QFileInfo(themesPath()).isDir())
        return {Outcome::FolderMissing, themesPath()};
    const QString path = themeFilePath(name);
    const QFileInfo existing(path);
    if (existing.exists() && (existing.size() > 0 || !existing.isFile()))
        return {Outcome::NameTaken, path};

    FileResult failure;
    const auto blank = readTextFile(templateFile(), &failure, maxThemeFileBytes);
    if (!blank)
        return {Outcome::TemplateUnreadable, templateFile(), failure};
    QString contents;
    forEachLine(*blank, [&](QStringView line) {
        contents += line;
        contents += QStringLiteral("\r\n");
    });
    contents += QStringLiteral("\r\n");
    const FileResult written = writeFileAtomically(path, contents);
    if (!written.ok)
        return {Outcome::WriteFailed, path, written};
    return {Outcome::Created, path};
}

} // namespace tabulo
