#pragma once

#include "core/files/text_file.h"

#include <QString>
#include <QStringView>

namespace tabulo {

// The last-folder file ("Dir.ini" in the Data folder) remembers where the
// note dialogs were last used: one line, the folder, ended by CR LF.
namespace LastFolder {

// The folder a file's text names. The text is read as comma-separated
// fields over all its lines (blanks around a field and the double quotes
// around it dropped); the last non-empty field is the folder. Empty when
// there is none.
QString parse(QStringView fileText);

// The line written for a folder. A path with a comma, or with spaces at
// either end, is put in double quotes so that it reads back whole (an
// unquoted one would read back as its part after the last comma).
QString format(const QString &folder);

// The folder the file at `path` names; empty when the file is missing,
// unreadable or names none.
QString read(const QString &path);

// Replaces the file in one step.
FileResult write(const QString &path, const QString &folder);

} // namespace LastFolder

} // namespace tabulo
