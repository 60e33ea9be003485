#pragma once

#include "script/run/script_run.h"

#include <functional>

class QPlainTextEdit;
class QWidget;

namespace tabulo {

class NoteSession;

// The main window's objects for a script: "Tabulo" (its caption and
// placement, in twips), "Text" (the note, through the session; the selection
// is the visible editor's), "TotX" and "TotY" (the totals, through the
// session).
ScriptRun::WindowObjects bindWindowObjects(NoteSession &session, QWidget *mainWindow,
    std::function<QPlainTextEdit *()> visibleEditor, const vbs::Locale &locale);

} // namespace tabulo
