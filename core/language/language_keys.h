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
// A note's recovery copy, left by a program that ended without quitting.
constexpr int recoverNote = 370; // %1 the note's file, %2 when the copy was written
constexpr int recoverNoteWithoutFile = 371; // %1 when the copy was written
constexpr int recoveryCopyUnreadable = 372; // %1 where the copy is kept
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
