#pragma once

#include "core/files/text_file.h"
#include "core/theme/theme.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>

namespace tabulo {

// A theme's name as the menu shows it: the file name without every ".ini"
// in the five spellings Windows tools produce (".INI", ".ini", ".Ini",
// ".iNi", ".inI"); any other spelling stays part of the name.
QString themeNameFromFileName(const QString &fileName);

// A name typed for a new theme without the characters no file name may
// hold on Windows (< > : \ / | * ? and the double quote), nor control
// characters, and without blanks at either end.
QString cleanThemeName(const QString &typed);

// The theme files of one Data folder: "Theme/<name>.ini", the chosen
// theme's name in "Theme.ini" and the template "blank.ini" new themes are
// made from.
class ThemeFolder
{
public:
    explicit ThemeFolder(QString dataFolder)
        : m_data(std::move(dataFolder))
    {
    }

    QString themesPath() const { return m_data + QStringLiteral("/Theme"); }
    QString chosenThemeFile() const { return m_data + QStringLiteral("/Theme.ini"); }
    QString templateFile() const { return m_data + QStringLiteral("/blank.ini"); }

    // The names of the theme files, alphabetical; none without the folder.
    QStringList themeNames() const;
    // The file of a theme: "<name>.ini", whatever the case of its ".ini" (a
    // theme listed from "Dark.INI" is named "Dark" and must still be found
    // on a file system that tells cases apart).
    QString themeFilePath(const QString &name) const;

    // The name in "Theme.ini" (its last line that is not a comment); empty
    // when there is none.
    QString chosenThemeName() const;
    FileResult rememberChoice(const QString &name) const;

    // What a theme file sets; nothing when it is missing or unreadable
    // (files far bigger than any theme are not read either).
    std::optional<Theme> readTheme(const QString &name, const QLocale &locale) const;

    enum class Outcome { Created, NameTaken, NoUsableName, FolderMissing, TemplateUnreadable, WriteFailed };
    struct Creation
    {
        Outcome outcome;
        QString path = {}; // the theme file, or the file that failed
        FileResult failure = {}; // why, when a file failed
    };
    // Makes a new theme "<name>.ini" from the template: the template's lines
    // each ended by CR LF, then one more CR LF. A theme file that exists
    // and is not empty is never overwritten; the file is written whole or
    // not at all.
    Creation createTheme(const QString &typedName) const;

private:
    QString m_data;
};

} // namespace tabulo
