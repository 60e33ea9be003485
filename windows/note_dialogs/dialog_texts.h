#pragma once

#include "core/language/language_keys.h"

#include <QString>

namespace tabulo {

// The note dialogs' texts by language key, shown while the language in use
// has none of its own: these wordings, else the language tables' own.
inline QString noteDialogBuiltInText(int key)
{
    switch (key) {
    case 18:
        return QStringLiteral("A note of that name is already in this folder.\nPlease choose another name.");
    case 44:
        return QStringLiteral("Name of the new folder in");
    case 45:
        return QStringLiteral("A folder of that name is already here.");
    case 46:
        return QStringLiteral("Save");
    case 48:
        return QStringLiteral("Delete the note");
    case 72:
        return QStringLiteral("&Files");
    case 73:
        return QStringLiteral("Progetti");
    case 74:
        return QStringLiteral("Cancella File");
    case 75:
        return QStringLiteral("Crea Cartella");
    default:
        return builtInLanguageText(key);
    }
}

} // namespace tabulo
