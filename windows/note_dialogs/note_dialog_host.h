#pragma once

#include "ui/services/program_context.h"

#include <QString>

class QWidget;

namespace tabulo {

// What the note dialogs need of the main window, and nothing more.
class NoteDialogHost
{
public:
    virtual ~NoteDialogHost() = default;

    // Where the dialog opens (its frame geometry, maximised or not) and the
    // parent of the dialog and its messages. Opening a dialog disables this
    // window; dialogClosed() is where it enables itself again.
    virtual QWidget *hostWindow() = 0;
    // The program folder, the message boxes and the desktop.
    virtual const ProgramContext &context() const = 0;
    // The current language's text of a key; empty when the language has
    // none, and the dialog then shows its own built-in text.
    virtual QString languageText(int key) const = 0;

    // Reads the note at `path` and shows it in the main window (caption,
    // caret at the end, history reset). A file that cannot be read leaves
    // the note as it was and tells the user; returns false then.
    virtual bool openNote(const QString &path) = 0;
    // Writes the note to `path`, makes it the note's file and carries on
    // whatever waited for the Save As (the quit, a New). Returns false,
    // after telling the user, when the file could not be written.
    virtual bool saveNoteAs(const QString &path) = 0;
    // The note file the main window has open; empty for a note without one.
    virtual QString currentNotePath() const = 0;
    // The file of the open note was deleted from a dialog: the host keeps
    // the text and marks it unsaved.
    virtual void noteFileDeleted(const QString &path) = 0;
    // The dialog has closed, however it closed (once per dialog; not called
    // when the host itself destroys an open dialog): the host enables itself
    // and focuses its visible editor.
    virtual void dialogClosed() = 0;
};

} // namespace tabulo
