#include "core/language/language_keys.h"

#include "core/language/script_error_texts.h"

#include <algorithm>

namespace tabulo {

namespace {

constexpr LanguageTarget caption(const char *object, const char *builtIn)
{
    return {TextTarget::Caption, object, builtIn};
}
constexpr LanguageTarget toolbarTip(const char *tool)
{
    return {TextTarget::ToolbarTip, tool, nullptr};
}
constexpr LanguageTarget toolTip(const char *object, const char *builtIn = nullptr)
{
    return {TextTarget::ToolTip, object, builtIn};
}
constexpr LanguageTarget accessibleName(const char *object, const char *builtIn)
{
    return {TextTarget::AccessibleName, object, builtIn};
}
constexpr LanguageTarget windowCaption(const char *builtIn)
{
    return {TextTarget::WindowCaption, nullptr, builtIn};
}
// A message, prompt or title. The language file is meant to give these, but
// a missing or partial file must never leave a question without its words
// (or the quit dialog with blank buttons), so each has an Italian wording.
constexpr LanguageTarget text(const char *builtIn)
{
    return {TextTarget::Text, nullptr, builtIn};
}

// The main window. A toolbar button runs the command whose key gives it its
// tool tip: the command's caption without its access key. The menus take
// their built-in captions from here (windows/main/menus/menu_table.cpp).
constexpr LanguageKey form1Keys[] = {
    {0, {caption("FileX", "File")}},
    {1, {caption("New_Calc", "Nuovo File"), toolbarTip("tool(0)")}},
    {2, {caption("Load_Calc", "Carica File..."), toolbarTip("tool(1)")}},
    {3, {caption("SaveX", "Salva"), toolbarTip("tool(2)")}},
    {4, {caption("Save_Calc", "Salva con Nome...")}},
    {5, {caption("QuitX", "Esci")}},
    {6, {caption("Edit_X", "Menu")}},
    {7, {caption("addX", "Tasto Invio")}},
    {8, {caption("O5", "Niente")}},
    {9, {caption("O1", "Aggiungi (+)")}},
    {10, {caption("O2", "Aggiungi (-)")}},
    {11, {caption("O3", "Aggiungi (*)")}},
    {12, {caption("O4", "Aggiungi (/)")}},
    {13, {caption("Split_String", "Separa Stringa")}},
    {14, {text("Seleziona prima l'espressione da separare in righe.")}},
    {15, {text("La nota contiene modifiche non salvate. Vuoi salvarle?")}},
    {19, {caption("TagliaX", "Taglia (CTRL+X)"), toolbarTip("tool(7)")}},
    {20, {caption("CopiaX", "Copia (CTRL+C)"), toolbarTip("tool(8)")}},
    {21, {caption("IncollaX", "Incolla (CTRL+V)"), toolbarTip("tool(9)")}},
    {22, {caption("EliminaX", "Elimina (CANC)")}},
    {23, {caption("SelezionaTuttoX", "Seleziona Tutto  (CTRL+A)")}},
    {24, {caption("AiutoX", "Help"), toolbarTip("tool(12)")}},
    {25, {caption("InfoX", "Info")}},
    {26, {caption("Mostra", "Mostra Tabulo...")}},
    {27, {caption("ChiudiMenu", "Chiudi questo menù")}},
    {28, {caption("Fine", "Esci da Tabulo")}},
    {29, {caption("CalcolatriceX", "Calcolatrice"), toolbarTip("tool(11)")}},
    {30, {caption("EsportaX", "Esporta")}},
    {31, {caption("ImpostazioniX", "Impostazioni")}},
    {32, {caption("ColoriX", "Colori")}},
    {33, {caption("LinguaX", "Lingua")}},
    {35, {caption("VaiSuX", "Vai Su")}},
    {36, {caption("VaiGiuX", "Vai Giù")}},
    {37, {caption("SempreInPrimoPianoX", "Sempre in Primo Piano")}},
    {38, {caption("TrasparenteX", "Trasparente")}},
    {39, {caption("AggiungiSegnoInizialeX", "Aggiungi Segno Iniziale")}},
    {40, {text("Segno da mettere davanti a ogni riga selezionata:")}},
    {41, {text("Aggiungi Segno Iniziale")}},
    {42, {caption("RimuoviSegnoInizialeX", "Rimuovi Segno Iniziale")}},
    {43, {caption("EseguiScriptX", "Esegui Tabulo Script..."), toolbarTip("tool(4)")}},
    {49, {caption("EsportaHtmlX", "Esporta in HTML...")}},
    {50, {caption("RicaricaUltimoFileX", "Ricarica ultimo file")}},
    {51, {caption("TrovaSostituisciX", "Trova e Sostituisci..."), toolbarTip("tool(10)")}},
    {60, {caption("AnnullaX", "Annulla"), toolbarTip("tool(5)")}},
    {61, {caption("RipetiX", "Ripeti"), toolbarTip("tool(6)")}},
    {62, {caption("MostraStrumentiX", "Mostra Strumenti")}},
    // The status word: shown at once and after every recorded change.
    {63, {text("Modificato")}},
    // The quit dialog's buttons, which the main window labels whenever it
    // opens the dialog.
    {64, {text("Esci dal Programma")}},
    {65, {text("Porta sulla TrayBar")}},
    {66, {text("Annulla")}},
    {67, {caption("EditorX", "Editor")}},
    {68, {caption("VerticaleOrizzonateX", "Scrolling Verticale e Orizzonate")}},
    {69, {caption("SoloVerticaleX", "Scrolling Solo Verticale")}},
    {70, {text("Seleziona prima il testo da eliminare.")}},
    {71, {caption("ResettaInterfacciaX", "Resetta Interfaccia")}},
    {84, {caption("TotaleInAltoX", "Totale In Alto")}},
    {85, {caption("TotaleInBassoX", "Totale In Basso")}},
    {90, {caption("InserisciScriptX", "Inserisci Script..."), toolbarTip("tool(3)")}},
    {91, {text("Salva prima la nota in un file: il suo script si trova accanto al file della nota.")}},
    {92, {text("Lo script di questa nota non esiste, è vuoto o è troppo lungo (al massimo 32767 byte).")}},
    {93, {text("Lo script è stato modificato. Vuoi salvarlo?")}},
    {95, {caption("CreaTemaX", "Crea Tema...")}},
    {96, {text("Nome del nuovo tema:")}},
    {97, {text("Crea Tema")}},
    {98, {text("Esiste già un tema con questo nome. Scegline un altro.")}},
    {99, {caption("GestisciTemiX", "Gestisci Temi...")}},
    {100, {caption("GestisciLinguaX", "Gestisci Lingua...")}},
    {101, {caption("NuovaIstanzaX", "Nuova Istanza...")}},
    // Our own messages, for failures the user must hear about.
    {LanguageKeys::cannotOpen,
        {text("Impossibile aprire la nota \"%1\":\n%2\n\nIl testo sullo schermo non è cambiato.")}},
    {LanguageKeys::cannotSave,
        {text("Impossibile salvare la nota in \"%1\":\n%2\n\nIl testo è ancora qui, invariato.")}},
    {LanguageKeys::noLastFile, {text("All'ultima uscita non era aperto nessun file da ricaricare.")}},
    {LanguageKeys::onlyFirstDropped, {text("Si apre una nota alla volta: è stata aperta \"%1\".")}},
    {LanguageKeys::languageNotKept,
        {text("La lingua scelta vale fino alla chiusura di Tabulo, ma non è stato possibile ricordarla:")}},
    {LanguageKeys::cannotEditLanguages,
        {text("Non è stato possibile aprire il file delle lingue nell'editor di testo:")}},
    {LanguageKeys::yesButton, {text("&Sì")}},
    {LanguageKeys::noButton, {text("&No")}},
    {LanguageKeys::cancelButton, {text("Annulla")}},
    {LanguageKeys::okButton, {text("OK")}},
    {LanguageKeys::cannotExport,
        {text("Impossibile esportare la nota in \"%1\":\n%2\n\nIl file non è stato scritto.")}},
    {LanguageKeys::cannotShowExport,
        {text("La nota è stata esportata in \"%1\", ma non c'è un programma che possa aprire il file.")}},
    {LanguageKeys::noHelpPage, {text("La guida \"%1\" non c'è: reinstalla Tabulo per riaverla.")}},
    {LanguageKeys::cannotShowHelp, {text("Non c'è un programma che possa aprire la guida \"%1\".")}},
    // The words the program has always shown after an HTML export.
    {LanguageKeys::pageWritten, {text("Name '%1' in %2")}},
    {260, {caption("ColonnaTotaliX", "Mostra Totali di Riga")}},
    {LanguageKeys::scriptError, {text("Errore %1 alla riga %2, colonna %3: %4")}},
    {LanguageKeys::scriptStopped, {text("Script interrotto con Esc.")}},
    {LanguageKeys::scriptRunning, {text("in esecuzione... (Esc interrompe)")}},
    {LanguageKeys::cannotSaveScript,
        {text("Impossibile salvare lo script in \"%1\":\n%2\n\nIl testo è ancora nell'editor.")}},
    {LanguageKeys::cannotEditScript, {text("Impossibile aprire lo script \"%1\" nell'editor:\n%2")}},
    {LanguageKeys::cannotExportOutput,
        {text("Impossibile esportare l'output in \"%1\":\n%2\n\nIl file non è stato scritto.")}},
    {LanguageKeys::cannotShowOutput,
        {text("L'output è stato esportato in \"%1\", ma non c'è un programma che possa aprire il file.")}},
    {LanguageKeys::longLineNotPasted,
        {text("Il testo da incollare ha una riga più lunga di %1 caratteri, più di quanto l'editor possa mostrare: "
              "non è stato incollato.")}},
    {LanguageKeys::scriptTimedOut, {text("Lo script è stato interrotto: è durato più di %1 secondi.")}},
    {LanguageKeys::scriptOutputLineTooLong,
        {text("Memoria esaurita: una riga dell'output è più lunga di %1 caratteri, più di quanto Tabulo possa "
              "mostrare")}},
    {LanguageKeys::fileNotFound, {text("il file, o una cartella del suo percorso, non esiste")}},
    {LanguageKeys::filePermissionDenied, {text("non hai il permesso di accedervi")}},
    {LanguageKeys::fileIsFolder, {text("al suo posto c'è una cartella")}},
    {LanguageKeys::fileNotAFolder, {text("una parte del percorso è un file, non una cartella")}},
    {LanguageKeys::fileDiskFull, {text("il disco è pieno")}},
    {LanguageKeys::fileReadOnly, {text("il file, o il disco su cui si trova, è di sola lettura")}},
    {LanguageKeys::fileBinaryData, {text("non è un file di testo: contiene dati binari")}},
    {LanguageKeys::fileTooLarge, {text("è più grande di %1 MB, il massimo che Tabulo legge")}},
    {LanguageKeys::fileLineTooLong,
        {text("ha una riga più lunga di %1 caratteri, più di quanto l'editor possa mostrare")}},
    {LanguageKeys::fileReadFailed, {text("il sistema non è riuscito a leggerlo")}},
    {LanguageKeys::fileWriteFailed, {text("il sistema non è riuscito a scriverlo")}},
    {LanguageKeys::themeNoUsableName,
        {text("Il nome \"%1\" non contiene caratteri validi per un nome di file. Scrivi un nome senza < > : \\ / | * ? "
              "\".")}},
    {LanguageKeys::themeFolderMissing, {text("La cartella dei temi \"%1\" non esiste.")}},
    {LanguageKeys::themeNotCreated, {text("Il tema non è stato creato.")}},
    {LanguageKeys::themeTemplateUnreadable,
        {text("Il modello dei temi \"%1\" non si può leggere: %2. Il tema non è stato creato.")}},
    {LanguageKeys::themeNotWritten, {text("Il tema \"%1\" non si può scrivere: %2. Il tema non è stato creato.")}},
    {LanguageKeys::themeChoiceNotRemembered,
        {text("Il tema scelto è applicato, ma \"%1\" non si può scrivere: %2. Al prossimo avvio tornerà il tema "
              "precedente.")}},
    {LanguageKeys::themeFolderNotOpened, {text("La cartella dei temi \"%1\" non si può aprire.")}},
    {LanguageKeys::themeEditorNotOpened,
        {text("Il nuovo tema è in \"%1\": aprilo con un editor di testo per cambiarne i colori.")}},
    {LanguageKeys::noThemes, {text("Temi")}},
    {LanguageKeys::colourPickerCaption, {text("Colori per i temi")}},
    {LanguageKeys::colourNumberLabel, {text("Numero colore:")}},
    {LanguageKeys::colourHexLabel, {text("In esadecimale:")}},
    {LanguageKeys::colourPickerHint,
        {text("Incolla il numero dopo il segno di uguale di una riga del tema, per esempio:")}},
    {LanguageKeys::colourPickerClose, {text("Chiudi")}},
    {LanguageKeys::colourCopy, {text("Copia")}},
    {LanguageKeys::colourCopyNumberName, {text("Copia il numero colore")}},
    {LanguageKeys::colourCopyHexName, {text("Copia il numero esadecimale")}},
    {LanguageKeys::noteNameUnusable,
        {text("\"%1\" non può essere il nome di una nota: non ne resta nulla togliendo i caratteri < > : \\ / | * ? "
              "\".")}},
    {LanguageKeys::folderNameUnusable,
        {text("\"%1\" non può essere il nome di una cartella: non ne resta nulla di utile togliendo i caratteri < > : "
              "\\ / | * ? \".")}},
    {LanguageKeys::folderNotMade, {text("Impossibile creare la cartella %1: %2.")}},
    {LanguageKeys::folderNotOpened, {text("La cartella %1 non si può aprire: %2.")}},
    {LanguageKeys::projectsFolderNotUsed,
        {text("La cartella dei progetti %1 non si può usare (%2): qui è mostrata %3.")}},
    {LanguageKeys::fileManagerNotStarted,
        {text("Non è stato possibile avviare il gestore dei file per la cartella %1.")}},
    {LanguageKeys::projectsFolderNotMade, {text("Impossibile creare la cartella dei progetti %1: %2.")}},
    {LanguageKeys::noteNotFound,
        {text("La nota %1 non si trova: forse è stata spostata o rinominata, oppure il suo nome non è testo "
              "leggibile.")}},
    {LanguageKeys::noteNotDeleted, {text("Impossibile cancellare la nota %1: %2.")}},
    {LanguageKeys::noteScriptNotDeleted, {text("Impossibile cancellare lo script della nota, %1: %2.")}},
    // The dialogs' design caption.
    {LanguageKeys::noteDialogCaption, {text("Tabulo Files")}},
    {LanguageKeys::settingsNotKept, {text("Tabulo non ha potuto conservare le impostazioni per il prossimo avvio:")}},
    {LanguageKeys::newInstanceNotStarted,
        {text("Non è stato possibile aprire una nuova finestra di Tabulo da \"%1\": %2")}},
    {LanguageKeys::programMissing, {text("il programma non c'è.")}},
    {LanguageKeys::programNotRunnable, {text("il file non è un programma che si possa avviare.")}},
    {LanguageKeys::programRefused, {text("il sistema si è rifiutato di avviarlo.")}},
    {LanguageKeys::variantNotStarted,
        {text("Non è stato possibile avviare %1 (%2). Questa finestra resta aperta così com'è.")}},
    {LanguageKeys::scriptNoteTooLong,
        {text(
            "Memoria esaurita: la nota conterrebbe più testo, o una riga più lunga, di quanto Tabulo possa mostrare")}},
    // The controls whose picture or contents say nothing a screen reader can
    // speak. The column's name also introduces the caret line's total.
    {LanguageKeys::noteName, {accessibleName("Text1", "Nota"), accessibleName("Editor2", "Nota")}},
    {LanguageKeys::totalName, {accessibleName("Text2", "Totale")}},
    {LanguageKeys::selectionTotalName, {accessibleName("Text3", "Totale della selezione")}},
    {LanguageKeys::lineTotalName, {accessibleName("RunningTotalColumn", "Totale di riga")}},
    // The script windows' controls, which those windows name themselves.
    {LanguageKeys::scriptOutputName, {text("Output dello script")}},
    {LanguageKeys::scriptTextName, {text("Script della nota")}},
    {LanguageKeys::recoverNote,
        {text("Tabulo si è chiuso senza salvare le modifiche della nota \"%1\". Ne è rimasta una copia "
              "(%2).\n\nVuoi riaverle?\n\nSì: il testo torna nella nota, con le modifiche da salvare.\n"
              "No: la copia viene eliminata.\nAnnulla: la domanda torna al prossimo avvio.")}},
    {LanguageKeys::recoverNoteWithoutFile,
        {text("Tabulo si è chiuso senza salvare una nota senza nome. Ne è rimasta una copia (%1).\n\n"
              "Vuoi riaverla?\n\nSì: il testo torna nella nota, da salvare.\n"
              "No: la copia viene eliminata.\nAnnulla: la domanda torna al prossimo avvio.")}},
    {LanguageKeys::recoveryCopyUnreadable,
        {text("Una copia di recupero lasciata da Tabulo non si può leggere. Non è stata eliminata: "
              "è in \"%1\".")}},
};

// The note open dialog.
constexpr LanguageKey form2Keys[] = {
    {48, {text("Vuoi cancellare il file")}},
    {72, {caption("Command2", "&Files")}},
    {73, {caption("Command3", "Progetti")}},
    {74, {caption("Command4", "Cancella File")}},
    {76, {text("File:")}},
    {LanguageKeys::folderListName, {accessibleName("Dir1", "Cartelle")}},
    {LanguageKeys::fileListName, {accessibleName("File1", "Note")}},
    {LanguageKeys::nameFilterName, {accessibleName("Text1", "Filtra per nome")}},
    {LanguageKeys::clearFilterName, {text("Svuota il filtro")}},
};

// The note save dialog.
constexpr LanguageKey form4Keys[] = {
    {18, {text("Esiste già un file con questo nome. Scegli un altro nome.")}},
    {44, {text("Nome della nuova cartella in")}},
    {45, {text("Esiste già una cartella con questo nome.")}},
    {46, {caption("Command1", "Save")}},
    {48, {text("Vuoi cancellare il file")}},
    {72, {caption("Command2", "&Files")}},
    {73, {caption("Command3", "Progetti")}},
    {74, {caption("Command4", "Cancella File")}},
    {75, {caption("Command5", "Crea Cartella")}},
    {LanguageKeys::folderListName, {accessibleName("Dir1", "Cartelle")}},
    {LanguageKeys::fileListName, {accessibleName("File1", "Note")}},
    {LanguageKeys::noteNameFieldName, {accessibleName("Text1", "Nome della nota")}},
};

// Find and replace.
constexpr LanguageKey form5Keys[] = {
    {52, {windowCaption("Find & Replace")}},
    {53, {caption("Label1", "Trova:")}},
    {54, {caption("Label2", "Sostituisci con:")}},
    {55, {caption("Check1", "Ca&se Sensitive")}},
    {56, {caption("cmdfind", "&Find Next")}},
    {57, {caption("ReplaceButton", "&Replace")}},
    {58, {caption("Command2", "&Replace all")}},
    {59, {text("Testo non trovato")}},
};

// The calculator.
constexpr LanguageKey form7Keys[] = {
    {77, {caption("TabuloSelX", "Tabulo Sel."), caption("Command1", "<< Tabulo Sel. >>"), toolTip("Command1")}},
    // "C" says little to a screen reader: the button's name is its tip.
    {78, {caption("CancelX", "Cancel"), toolTip("Command2"), accessibleName("Command2", "Cancella")}},
    {79, {toolTip("List1")}},
    {80, {caption("Command3", "Elimina Cronologia"), toolTip("Command3")}},
    {81, {text("Vuoi cancellare tutta la cronologia dei calcoli?")}},
    {82, {caption("ResetX", "Reset")}},
    {LanguageKeys::resultName, {accessibleName("TotX", "Risultato")}},
    {LanguageKeys::expressionName, {accessibleName("Text1", "Espressione")}},
    {LanguageKeys::historyName, {accessibleName("List1", "Cronologia")}},
    {LanguageKeys::calculatorMenu, {caption("MenuX", "Menu")}},
};

} // namespace

QString LanguageKey::builtInText() const
{
    for (const LanguageTarget &target : targets) {
        if (target.builtIn)
            return QString::fromUtf8(target.builtIn);
    }
    return {};
}

std::span<const LanguageKey> languageKeys(LanguageWindow window)
{
    switch (window) {
    case LanguageWindow::Form1:
        return form1Keys;
    case LanguageWindow::Form2:
        return form2Keys;
    case LanguageWindow::Form4:
        return form4Keys;
    case LanguageWindow::Form5:
        return form5Keys;
    case LanguageWindow::Form7:
        return form7Keys;
    }
    return {};
}

const LanguageKey *findLanguageKey(LanguageWindow window, int key)
{
    const auto keys = languageKeys(window);
    const auto found = std::lower_bound(
        keys.begin(), keys.end(), key, [](const LanguageKey &entry, int wanted) { return entry.key < wanted; });
    return found != keys.end() && found->key == key ? &*found : nullptr;
}

const LanguageKey *findLanguageKeyOf(LanguageWindow window, TextTarget kind, QLatin1StringView object)
{
    for (const LanguageKey &entry : languageKeys(window)) {
        for (const LanguageTarget &target : entry.targets) {
            if (target.kind == kind && target.object && object == QLatin1StringView(target.object))
                return &entry;
        }
    }
    return nullptr;
}

QString builtInLanguageText(int key)
{
    if (key > LanguageKeys::scriptErrorBase)
        return builtInScriptErrorText(key - LanguageKeys::scriptErrorBase);
    for (const LanguageWindow window : allLanguageWindows) {
        if (const LanguageKey *entry = findLanguageKey(window, key))
            return entry->builtInText();
    }
    return {};
}

QString languageWindowName(LanguageWindow window)
{
    switch (window) {
    case LanguageWindow::Form1:
        return QStringLiteral("Form1");
    case LanguageWindow::Form2:
        return QStringLiteral("Form2");
    case LanguageWindow::Form4:
        return QStringLiteral("Form4");
    case LanguageWindow::Form5:
        return QStringLiteral("Form5");
    case LanguageWindow::Form7:
        return QStringLiteral("Form7");
    }
    return {};
}

} // namespace tabulo
