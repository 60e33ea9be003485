#pragma once

#include "core/files/text_file.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace tabulo {

// The small settings files of the Data folder ("Bar.ini", "Scroll.ini",
// "Theme.ini", ...): one value per line. Empty lines and lines that begin
// with "'", "#" or "[" are comments; every other line is compared as a whole,
// case-sensitively and untrimmed; when several lines match, the last wins.
namespace SettingsLineFile {

// The last line equal to one of `values`; nothing when the file is missing,
// unreadable or has no such line (the caller's default stands).
std::optional<QString> read(const QString &path, const QStringList &values);
// The same for a file's text.
std::optional<QString> parse(QStringView fileText, const QStringList &values);

// The last line that is not a comment, whatever it holds.
std::optional<QString> readLastLine(const QString &path);

// The same for a file's text.
std::optional<QString> parseLastLine(QStringView fileText);

// Writes each value as one line ended by CR LF, atomically.
FileResult write(const QString &path, const QStringList &lines);

} // namespace SettingsLineFile

} // namespace tabulo
