#pragma once

#include <QString>

namespace tabulo {

// Messages of the program that have no key of their own in older language
// files; the language files may give them like any other key.
namespace LanguageKeys {
constexpr int cannotOpen = 200;       // %1 the file, %2 the reason
constexpr int cannotSave = 201;       // %1 the file, %2 the reason
constexpr int noLastFile = 202;
constexpr int onlyFirstDropped = 203; // %1 the file opened
} // namespace LanguageKeys

// Texts the main window shows before a language file supplies them, keyed
// like the language files.
inline QString defaultLanguageText(int key)
{
    switch (key) {
    case 14: return QStringLiteral("Seleziona prima l'espressione da separare.");
    case 15: return QStringLiteral("La nota ha modifiche non salvate.\nSalvarle adesso?");
    case 40: return QStringLiteral("Segno da aggiungere all'inizio di ogni riga selezionata:");
    case 41: return QStringLiteral("Aggiungi Segno Iniziale");
    case 63: return QStringLiteral("Modificato");
    case 64: return QStringLiteral("Esci dal Programma");
    case 65: return QStringLiteral("Porta sulla TrayBar");
    case 66: return QStringLiteral("Annulla");
    case LanguageKeys::cannotOpen:
        return QStringLiteral("Impossibile aprire la nota \"%1\":\n%2\n\nIl testo sullo schermo non è cambiato.");
    case LanguageKeys::cannotSave:
        return QStringLiteral("Impossibile salvare la nota in \"%1\":\n%2\n\nIl testo è ancora qui, invariato.");
    case LanguageKeys::noLastFile:
        return QStringLiteral("All'ultima uscita non era aperto nessun file da ricaricare.");
    case LanguageKeys::onlyFirstDropped:
        return QStringLiteral("Si apre una nota alla volta: è stata aperta \"%1\".");
    default: return {};
    }
}

} // namespace tabulo
