#pragma once

#include "core/language/language_keys.h"
#include "core/language/language_texts.h"

class QWidget;

namespace tabulo {

// Puts a window's language texts on its controls, found by name among the
// window's children (menus, menu items, buttons, labels, the toolbar's
// click areas): captions, tool tips and the window caption. Keys whose text
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

} // namespace tabulo
