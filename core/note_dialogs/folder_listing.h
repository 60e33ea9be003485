#pragma once

#include "core/files/text_file.h"
#include "core/note_dialogs/file_pattern.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace tabulo {

// What the note dialogs read of the file system: QtCore only, so it is
// tested without a display.

// Why a folder cannot be shown (it no longer exists, ...); nothing when it
// can be.
std::optional<FileProblem> folderProblem(const QString &folder);

// Creates a folder, with the folders missing above it when `withParents`;
// why when it cannot be made. A folder that is already there is a
// success.
FileResult makeFolder(const QString &folder, bool withParents);

// The names of the files in a folder that match a pattern, in list order.
// Hidden files (a leading dot) are left out, as the desktop's own file
// manager leaves them out. Empty for a folder that cannot be read.
QStringList listMatchingFiles(const QString &folder, const FilePattern &pattern);

// The names of the folders in a folder, in list order, hidden ones left out.
QStringList listSubfolders(const QString &folder);

// The folder and every folder above it, outermost first:
// "/home/ann" gives "/", "/home", "/home/ann".
QStringList folderChain(const QString &folder);

// List order: ignoring case, then upper case first, so the order never
// depends on the machine's locale.
void sortForList(QStringList &names);

// "folder/name" without a doubled slash at the root.
QString pathInFolder(const QString &folder, const QString &name);

} // namespace tabulo
