#pragma once

#include <QString>
#include <QStringView>

namespace tabulo {

// Names typed into the note dialogs. Notes travel between systems, so a name
// keeps only characters every one of them accepts in a file name: "<", ">",
// ":", "\", "/", "|", "*", "?" and the double quote are removed, and so are
// control characters (a NUL would silently cut the name short when the file
// is opened, and the note would land in another file).
QString removeInvalidNameCharacters(QStringView name);

// Every ".txt" removed, exactly as written in lower case: the save dialog's
// name box never shows the extension it adds itself.
QString withoutTxtExtension(QStringView name);

// The file name the save dialog writes a typed name to: invalid characters
// and every ".txt" removed, then ".txt" added, so "nota.txt" stays
// "nota.txt". Empty when nothing but blanks is left: such a name is refused
// rather than saved as ".txt".
QString noteFileNameFor(QStringView typedName);

// The name of a folder the save dialog creates: invalid characters removed.
// Empty when nothing but blanks is left, or when what is left ("." or "..")
// names a folder that is already there.
QString folderNameFor(QStringView typedName);

} // namespace tabulo
