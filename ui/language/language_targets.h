#pragma once

#include "core/language/language_keys.h"
#include "core/language/language_texts.h"

class QWidget;

namespace tabulo {

// Puts a window's language texts on its controls, found by name among the
// window's children (menus, menu items, buttons, labels, the toolbar's
// click areas): captions, tool tips, the names screen readers say and the
// window caption. A toolbar button shows only its picture, so its tip is
// also its name. Keys whose text
// is a message are left to the window, which asks `texts.text(key)` when it
// shows the message. A key the language file lacks gets its built-in text
// back, so switching languages never leaves an earlier language's caption
// behind; a control the window does not have is skipped.
//
// A window that opens on its own does, in its opening handler:
//   applyLanguageTargets(this, LanguageWindow::Form5, LanguageTexts::loadCurrent(dataFolder));
void applyLanguageTargets(QWidget *window, LanguageWindow which, const LanguageTexts &texts);

// A caption as a tool tip: the text with every "&" removed.
QString withoutAccessKeys(QString caption);

// A language text as a screen reader should say it for a control: the access
// key's "&" gone ("&&" stays one "&"), and no closing "...", "…" or ":",
// which only tell a sighted user that a dialog follows or a field is beside.
QString spokenName(const QString &text);

// Gives a control the name a screen reader says for it, from its language
// text. For the controls a window names itself (the quit dialog's buttons,
// the script windows' boxes); the language tables name the rest.
void nameForScreenReaders(QWidget *control, const QString &languageText);

} // namespace tabulo
