#pragma once

#include <QString>

#include <array>
#include <span>

namespace tabulo {

// The numbers of our own messages, which have no key in older language
// files; the language file may give them like any other key.
namespace LanguageKeys {
constexpr int cannotOpen = 200; // %1 the file, %2 the reason
constexpr int cannotSave = 201; // %1 the file, %2 the reason
constexpr int noLastFile = 202;
constexpr int onlyFirstDropped = 203; // %1 the file opened
constexpr int languageNotKept = 204; // followed by the file and the reason
constexpr int cannotEditLanguages = 205; // followed by the file (and the reason)
// The buttons of the message and input boxes.
constexpr int yesButton = 206;
constexpr int noButton = 207;
constexpr int cancelButton = 208;
constexpr int okButton = 209;
// The exports and the help page.
constexpr int cannotExport = 230; // %1 the file, %2 the reason
constexpr int cannotShowExport = 231; // %1 the file written
constexpr int noHelpPage = 232; // %1 the help page looked for
constexpr int cannotShowHelp = 233; // %1 the help page
constexpr int pageWritten = 234; // %1 the page's file name, %2 its folder
// Scripts: their errors, stopping them, the script editor and the output's export.
constexpr int scriptError = 270; // %1 number, %2 line, %3 column, %4 description
constexpr int scriptStopped = 271; // the description of a run stopped with Esc
constexpr int scriptRunning = 272; // the output window's caption word while a script runs
constexpr int cannotSaveScript = 273; // %1 the file, %2 the reason
constexpr int cannotEditScript = 274; // %1 the file, %2 the reason
constexpr int cannotExportOutput = 275; // %1 the file, %2 the reason
constexpr int cannotShowOutput = 276; // %1 the file written
// The note: a paste or a drop holding a line longer than the editor can show.
constexpr int longLineNotPasted = 277; // %1 the longest line, in characters
// Scripts that did not end by themselves, told as plain sentences.
constexpr int scriptTimedOut = 278; // %1 the time limit, in seconds
constexpr int scriptOutputLineTooLong = 279; // %1 the longest line the output shows
// Why a file could not be read or written: the words that take the place of
// a message's "%2" (see fileProblemText).
constexpr int fileNotFound = 280;
constexpr int filePermissionDenied = 281;
constexpr int fileIsFolder = 282;
constexpr int fileNotAFolder = 283;
constexpr int fileDiskFull = 284;
constexpr int fileReadOnly = 285;
constexpr int fileBinaryData = 286;
constexpr int fileTooLarge = 287; // %1 the largest size, in MB
constexpr int fileLineTooLong = 288; // %1 the longest line, in characters
constexpr int fileReadFailed = 289;
constexpr int fileWriteFailed = 290;
// The themes: "Crea Tema...", choosing one, "Gestisci Temi..." and the
// colour picker.
constexpr int themeNoUsableName = 300; // %1 the name typed
constexpr int themeFolderMissing = 301; // %1 the folder
constexpr int themeNotCreated = 302;
constexpr int themeTemplateUnreadable = 303; // %1 the template, %2 the reason
constexpr int themeNotWritten = 304; // %1 the theme file, %2 the reason
constexpr int themeChoiceNotRemembered = 305; // %1 Theme.ini, %2 the reason
constexpr int themeFolderNotOpened = 306; // %1 the folder
constexpr int themeEditorNotOpened = 307; // %1 the new theme file
constexpr int noThemes = 308; // the one item of a "Colori" menu without themes
constexpr int colourPickerCaption = 310;
constexpr int colourNumberLabel = 311;
constexpr int colourHexLabel = 312;
constexpr int colourPickerHint = 313;
constexpr int colourPickerClose = 314;
constexpr int colourCopy = 315;
// What a screen reader says for each row's copy button.
constexpr int colourCopyNumberName = 316;
constexpr int colourCopyHexName = 317;
// The note dialogs' refusals and failures.
constexpr int noteNameUnusable = 320; // %1 the name typed
constexpr int folderNameUnusable = 321; // %1 the name typed
constexpr int folderNotMade = 322; // %1 the folder, %2 the reason
constexpr int folderNotOpened = 323; // %1 the folder, %2 the reason
constexpr int projectsFolderNotUsed = 324; // %1 the projects folder, %2 the reason, %3 the folder shown
constexpr int fileManagerNotStarted = 325; // %1 the folder
constexpr int projectsFolderNotMade = 326; // %1 the projects folder, %2 the reason
constexpr int noteNotFound = 327; // %1 the note
constexpr int noteNotDeleted = 328; // %1 the note, %2 the reason
constexpr int noteScriptNotDeleted = 329; // %1 the script, %2 the reason
constexpr int noteDialogCaption = 330;
// The main window's own failures.
constexpr int settingsNotKept = 340; // followed by one line per file: the file and the reason
constexpr int newInstanceNotStarted = 341; // %1 the program, %2 the reason
constexpr int programMissing = 342;
constexpr int programNotRunnable = 343;
constexpr int programRefused = 344;
constexpr int variantNotStarted = 345; // %1 the program's name, %2 its path
// The description of the error that stops a script making the note too
// large or a line of it too long.
constexpr int scriptNoteTooLong = 346;
// What a screen reader says for the controls that show no caption of their
// own: the note, the totals, the lists and fields of the other windows.
constexpr int noteName = 350;
constexpr int totalName = 351;
constexpr int selectionTotalName = 352;
constexpr int lineTotalName = 353; // the running total column, and before the caret line's total
constexpr int folderListName = 354;
constexpr int fileListName = 355;
constexpr int nameFilterName = 356;
constexpr int noteNameFieldName = 357;
constexpr int resultName = 358;
constexpr int expressionName = 359;
constexpr int historyName = 360;
constexpr int scriptOutputName = 361;
constexpr int scriptTextName = 362;
constexpr int clearFilterName = 363; // the open dialog's button that empties the name filter
// A note's recovery copy, left by a program that ended without quitting.
constexpr int recoverNote = 370; // %1 the note's file, %2 when the copy was written
constexpr int recoverNoteWithoutFile = 371; // %1 when the copy was written
constexpr int recoveryCopyUnreadable = 372; // %1 where the copy is kept
// The calculator's one menu.
constexpr int calculatorMenu = 390;
// The interpreter's error descriptions: the text of error number N is key
// scriptErrorBase + N ("English_100013" is error 13, "Type mismatch").
constexpr int scriptErrorBase = 100000;
} // namespace LanguageKeys

// The windows that take texts from the language file. The quit dialog and
// the script windows have no keys of their own: the main window holds their
// texts (keys 64 to 66 and 91 to 93) and hands them over.
enum class LanguageWindow { Form1, Form2, Form4, Form5, Form7 };

// What one text of a key is assigned to.
enum class TextTarget {
    None, // marks the unused places of a key's target list
    Caption, // menu, menu item, button or label caption: "&" marks the access key
    // A toolbar button's tool tip: the text with every "&" removed. Its
    // built-in text is the key's, the caption of the command it runs.
    ToolbarTip,
    ToolTip, // any other tool tip: the text unchanged
    WindowCaption, // "Tabulo - " and the text; the built-in text is the whole caption
    // What a screen reader says for the control (every control of that name):
    // the text without its access key or a closing "..." or ":".
    AccessibleName,
    Text, // a message, prompt, title or status word the window keeps
};

struct LanguageTarget
{
    TextTarget kind = TextTarget::None;
    const char *object = nullptr; // the control's name; nullptr for Text
    const char *builtIn = nullptr; // UTF-8; nullptr where the target shows nothing without a text
};

// One numbered text of a window and every place it goes, in the order the
// window assigns them.
struct LanguageKey
{
    int key = 0;
    std::array<LanguageTarget, 3> targets {};

    // The text the program shows when the language file gives none: the
    // built-in text of the key's first target that has one.
    QString builtInText() const;
};

// The key table of one window, in ascending key order. Form1's table holds
// both variants' keys 84 and 85; the variant without that menu item simply
// finds no control of that name.
std::span<const LanguageKey> languageKeys(LanguageWindow window);

// Every window, for loops that check or load all of them.
inline constexpr std::array<LanguageWindow, 5> allLanguageWindows = {
    LanguageWindow::Form1, LanguageWindow::Form2, LanguageWindow::Form4, LanguageWindow::Form5, LanguageWindow::Form7};

// The key in the window's table, or nullptr.
const LanguageKey *findLanguageKey(LanguageWindow window, int key);
// The key that puts a text of `kind` on the control named `object`, or nullptr.
const LanguageKey *findLanguageKeyOf(LanguageWindow window, TextTarget kind, QLatin1StringView object);

// The built-in text of a key of any window (the first window whose table has
// it), empty for a number no window uses.
QString builtInLanguageText(int key);

QString languageWindowName(LanguageWindow window);

} // namespace tabulo
