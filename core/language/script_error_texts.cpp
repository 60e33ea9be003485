#include "core/language/script_error_texts.h"

#include <algorithm>
#include <iterator>

namespace tabulo {

namespace {

struct ScriptErrorText
{
    int number;
    const char *italian; // UTF-8
};

// Every error number the interpreter can report, sorted by number, with
// its Italian description: the text shown when the language file gives
// none for that number.
constexpr ScriptErrorText scriptErrorTexts[] = {
    {5, "Chiamata di routine o argomento non validi"},
    {6, "Overflow"},
    {7, "Memoria esaurita"},
    {9, "Indice non incluso nell'intervallo"},
    {10, "La matrice è fissa o temporaneamente bloccata"},
    {11, "Divisione per zero"},
    {13, "Tipo non corrispondente"},
    {14, "Spazio per le stringhe esaurito"},
    {17, "Impossibile eseguire l'operazione richiesta"},
    {28, "Spazio dello stack esaurito"},
    {35, "Sub o Function non definita"},
    {48, "Errore durante il caricamento della DLL"},
    {51, "Errore interno"},
    {91, "Variabile oggetto non impostata"},
    {92, "Ciclo For non inizializzato"},
    {94, "Uso non valido di Null"},
    {424, "Necessario oggetto"},
    {429, "Il componente ActiveX non può creare l'oggetto"},
    {430, "La classe non supporta l'automazione"},
    {432, "Nome di file o di classe non trovato durante l'operazione di automazione"},
    {438, "L'oggetto non supporta questa proprietà o questo metodo"},
    {445, "L'oggetto non supporta questa azione"},
    {447, "L'oggetto non supporta le impostazioni internazionali correnti"},
    {448, "Argomento denominato non trovato"},
    {449, "Argomento non facoltativo"},
    {450, "Numero di argomenti errato o assegnazione di proprietà non valida"},
    {451, "L'oggetto non è un insieme"},
    {457, "Questa chiave è già associata a un elemento dell'insieme"},
    {458, "La variabile usa un tipo di automazione non supportato in VBScript"},
    {462, "Il server remoto non esiste o non è disponibile"},
    {481, "Immagine non valida"},
    {500, "Variabile non definita"},
    {501, "Assegnazione non valida"},
    {502, "Oggetto non sicuro per lo scripting"},
    {503, "Oggetto non sicuro per l'inizializzazione"},
    {504, "Oggetto non sicuro per la creazione"},
    {505, "Riferimento non valido o non qualificato"},
    {506, "Classe non definita"},
    {507, "Si è verificata un'eccezione"},
    {1001, "Memoria esaurita"},
    {1002, "Errore di sintassi"},
    {1003, "Previsto ':'"},
    {1005, "Previsto '('"},
    {1006, "Previsto ')'"},
    {1007, "Previsto ']'"},
    {1010, "Previsto identificatore"},
    {1011, "Previsto il segno di uguale"},
    {1012, "Previsto 'If'"},
    {1013, "Previsto 'To'"},
    {1014, "Previsto 'End'"},
    {1015, "Previsto 'Function'"},
    {1016, "Previsto 'Sub'"},
    {1017, "Previsto 'Then'"},
    {1018, "Previsto 'Wend'"},
    {1019, "Previsto 'Loop'"},
    {1020, "Previsto 'Next'"},
    {1021, "Previsto 'Case'"},
    {1022, "Previsto 'Select'"},
    {1023, "Prevista espressione"},
    {1024, "Prevista istruzione"},
    {1025, "Prevista fine dell'istruzione"},
    {1026, "Prevista costante intera"},
    {1027, "Previsto 'While' o 'Until'"},
    {1028, "Previsto 'While', 'Until' o fine dell'istruzione"},
    {1029, "Previsto 'With'"},
    {1030, "Identificatore troppo lungo"},
    {1031, "Numero non valido"},
    {1032, "Carattere non valido"},
    {1033, "Costante stringa non terminata"},
    {1034, "Commento non terminato"},
    {1037, "Uso non valido della parola chiave 'Me'"},
    {1038, "'loop' senza 'do'"},
    {1039, "Istruzione 'exit' non valida"},
    {1040, "Variabile di controllo del ciclo 'for' non valida"},
    {1041, "Nome ridefinito"},
    {1042, "Deve essere la prima istruzione della riga"},
    {1043, "Impossibile assegnare a un argomento non ByVal"},
    {1044, "Impossibile usare le parentesi quando si chiama una Sub"},
    {1045, "Prevista costante letterale"},
    {1046, "Previsto 'In'"},
    {1047, "Previsto 'Class'"},
    {1048, "Deve essere definito all'interno di una Class"},
    {1049, "Previsto Let, Set o Get nella dichiarazione della proprietà"},
    {1050, "Previsto 'Property'"},
    {1051, "Il numero di argomenti deve essere lo stesso in tutte le routine di una proprietà"},
    {1052, "Una Class non può avere più proprietà o metodi predefiniti"},
    {1053, "Initialize e Terminate di una classe non hanno argomenti"},
    {1054, "Property Set o Let deve avere almeno un argomento"},
    {1055, "'Next' inatteso"},
    {1056, "'Default' si può indicare solo su 'Property', 'Function' o 'Sub'"},
    {1057, "'Default' deve essere accompagnato da 'Public'"},
    {1058, "'Default' è ammesso solo su Property Get"},
    {5008, "Assegnazione non valida"},
    {5016, "Previsto un oggetto Regular Expression"},
    {5017, "Errore di sintassi nell'espressione regolare"},
    {5018, "Quantificatore inatteso"},
    {5019, "Previsto ']' nell'espressione regolare"},
    {5020, "Previsto ')' nell'espressione regolare"},
    {5021, "Intervallo non valido nel set di caratteri"},
    {7000, "Lo script è durato più del tempo concesso ed è stato interrotto"},
    {7001, "Lo script è stato terminato dal programma che lo esegue"},
    {7002, "Lo script è stato interrotto"},
    {32811, "Elemento non trovato"},
};

} // namespace

QString builtInScriptErrorText(int number)
{
    const auto found = std::lower_bound(std::begin(scriptErrorTexts), std::end(scriptErrorTexts), number,
        [](const ScriptErrorText &entry, int wanted) { return entry.number < wanted; });
    if (found == std::end(scriptErrorTexts) || found->number != number)
        return {};
    return QString::fromUtf8(found->italian);
}

QList<int> scriptErrorNumbers()
{
    QList<int> numbers;
    for (const ScriptErrorText &entry : scriptErrorTexts)
        numbers << entry.number;
    return numbers;
}

} // namespace tabulo
