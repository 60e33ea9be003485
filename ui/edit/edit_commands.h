#pragma once

#include <QString>

class QWidget;

namespace tabulo {

// The clipboard and selection commands of the "Menu" act on whichever text
// box has the focus, through that box's own cut, copy, paste and select
// all: the note editors report those edits exactly as they report typing,
// so the note session records them like any keystroke.
enum class ClipboardCommand { Cut, Copy, Paste, SelectAll };

// The text box among `window`'s children that has the focus, or nothing
// when the focus is elsewhere (a toolbar button, another window).
QWidget *focusedTextBox(const QWidget *window);

// False when `box` is no text box.
bool runClipboardCommand(QWidget *box, ClipboardCommand command);

// The two lines of the "Info" message; the copyright ends with `year`.
QString infoMessage(int year);

// "Help_" + the language's name + ".htm", as the Data folder holds them.
QString helpPageName(const QString &languageName);

} // namespace tabulo
