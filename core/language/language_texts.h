#pragma once

#include "core/files/text_file.h"
#include "core/language/language_keys.h"

#include <QDateTime>
#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

namespace tabulo {

// The language files of a Data folder:
//   Lang.ini       the current language's name (its last non-empty line)
//   Language.ini   every text of every language
//   Lang/          one file per language, named as the "Lingua" menu shows
//                  it; its last non-empty line is the language's name
// Nothing is cached between loads: a window that opens reads the files as
// they are now, so the user's edits show the next time it opens.
namespace languageFiles {

QString currentNamePath(const QString &dataFolder); // Lang.ini
QString textsPath(const QString &dataFolder); // Language.ini
QString folderPath(const QString &dataFolder); // Lang/

// The current language's name; empty when Lang.ini is missing or empty.
QString readCurrentName(const QString &dataFolder);

// The language a "Lang" folder file names; empty when it is missing or empty.
QString readNameInFolder(const QString &dataFolder, const QString &fileName);

// The file names of the "Lang" folder that have no extension, sorted as the
// user reads them (ignoring case). Other files, folders and a missing folder
// give nothing.
QStringList folderNames(const QString &dataFolder);

// Makes `languageName` the current language by rewriting Lang.ini in one
// step. A failure comes back with its reason: the choice is then not kept
// for the next start, and the user must be told.
FileResult writeCurrentName(const QString &dataFolder, const QString &languageName);

} // namespace languageFiles

// The texts of one language as the windows show them: the language file's
// text where it gives one, the built-in Italian text everywhere else.
class LanguageTexts
{
public:
    LanguageTexts() = default;

    // Reads Language.ini for `languageName`. A missing, unreadable or huge
    // file leaves every built-in text.
    static LanguageTexts load(const QString &dataFolder, const QString &languageName);
    // For a window that opens on its own: the current language from Lang.ini.
    static LanguageTexts loadCurrent(const QString &dataFolder);
    // From a file's text, for tests and benchmarks.
    static LanguageTexts fromText(QStringView fileText, const QString &languageName);

    const QString &languageName() const { return m_languageName; }
    // What the window shows for `key`.
    QString text(int key) const;
    // The file's own text for `key`, if it gives one.
    std::optional<QString> fileText(int key) const;
    qsizetype fileTextCount() const { return m_fileTexts.size(); }

    // True when these texts do not show Language.ini as it is now: they were
    // never read from it, or it was edited, replaced, created or removed since.
    bool isOutdated() const;

private:
    struct FileStamp
    {
        bool exists = false;
        qint64 size = 0;
        QDateTime modified;
        bool operator==(const FileStamp &) const = default;
    };
    static FileStamp stampOf(const QString &path);

    QString m_languageName;
    QHash<int, QString> m_fileTexts;
    QString m_path; // Language.ini, empty for texts not read from a file
    FileStamp m_stamp;
};

} // namespace tabulo
