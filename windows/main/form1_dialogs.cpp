#include "windows/main/form1.h"

#include "windows/main/note_editor.h"
#include "windows/note_dialogs/form2.h"
#include "windows/note_dialogs/form4.h"

namespace tabulo {

// The note dialogs open on the window and reach it only through the
// NoteDialogHost calls below; the window is disabled while one is open.

void Form1::openNoteDialog()
{
    Form2::open(*this);
}

void Form1::openSaveDialog()
{
    Form4::open(*this);
}

QString Form1::currentNotePath() const
{
    return m_session.hasFile() ? m_session.caption() : QString();
}

void Form1::noteFileDeleted(const QString &)
{
    // The text on screen is now the only copy: the quit asks to save it.
    m_session.markModified();
}

void Form1::dialogClosed()
{
    // A New or a quit that waited for a Save As the user gave up on does
    // not go on later with another save.
    m_session.NuovoFile = false;
    m_session.NuovoFileInUscita = false;
    setEnabled(true);
    activateWindow();
    visibleEditor()->setFocus();
}

} // namespace tabulo
