#pragma once

#include <QString>

namespace tabulo {

// Texts the main window shows before a language file supplies them, keyed
// like the language files.
inline QString defaultLanguageText(int key)
{
    switch (key) {
    case 15: return QStringLiteral("The note has changes that are not saved.\nSave them now?");
    case 63: return QStringLiteral("Modified");
    case 64: return QStringLiteral("Quit Tabulo");
    case 65: return QStringLiteral("Send to the tray");
    case 66: return QStringLiteral("Cancel");
    case 96: return QStringLiteral("Scrivi il nome del nuovo tema:");
    case 97: return QStringLiteral("Crea Tema");
    case 98: return QStringLiteral("Esiste già un tema con questo nome: scegline un altro.");
    default: return {};
    }
}

} // namespace tabulo
