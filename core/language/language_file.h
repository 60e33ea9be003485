#pragma once

#include <QHash>
#include <QString>
#include <QStringView>

namespace tabulo {

// The rules of the hand-edited language files, as pure functions over their
// text, so every rule is tested without files or windows.
//
// "Lang.ini" and the files of the "Lang" folder name a language on their
// last non-empty line, taken exactly as written (blanks included).
//
// "Language.ini" holds one text per line, "Name_Number=Text":
//   - lines are trimmed; an empty line or one starting with "[", "#" or "'"
//     is skipped;
//   - the line is split at every "=": the first field (trimmed) is the key,
//     the second (trimmed) the text, further fields are dropped, so a text
//     never contains "="; a line without "=" is skipped;
//   - a key belongs to the language when it is, ignoring case, the language
//     name, "_" and the key number in decimal without leading zeros;
//   - the file is read from top to bottom, so a later line wins;
//   - an empty text counts as no text: the built-in one stays.

// The last non-empty line of a text; lines end at CR LF, CR or LF.
QString lastNonEmptyLine(QStringView text);

// The key number that `key` gives the language `languageName`, or -1.
int languageKeyNumber(QStringView key, QStringView languageName);

// Texts longer than this are cut, with "…" at the end: the file is meant for
// captions and short messages, and a runaway line must not make a menu or a
// message box unusable.
inline constexpr qsizetype maxLanguageTextLength = 1000;

// Every text the file gives the language, by key number.
QHash<int, QString> parseLanguageTexts(QStringView fileText, QStringView languageName);

} // namespace tabulo
