#pragma once

#include "script/run/script_run.h"

#include <functional>

class QLabel;
class QPlainTextEdit;
class QWidget;

namespace tabulo {

class NoteSession;

// The main window's objects for a script: "Tabulo" (its caption, placement
// in twips, status panels and state flags), "Text" (the note, through the
// session; the selection is the visible editor's), "TotX" and "TotY" (the
// totals, through the session). `statusPanel` gives the status bar's panel
// by its index.
ScriptRun::WindowObjects bindWindowObjects(NoteSession &session, QWidget *mainWindow,
    std::function<QPlainTextEdit *()> visibleEditor, const vbs::Locale &locale,
    std::function<QLabel *(int)> statusPanel = {});

} // namespace tabulo
