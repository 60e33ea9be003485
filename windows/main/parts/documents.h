#pragma once

#include "windows/note_dialogs/note_dialog_host.h"

#include <QList>
#include <QObject>

class QUrl;

namespace tabulo {

class MainMenus;
class MainWindowLanguage;
class NoteSession;
class NoteView;

// The note as a document: New, Load, Reload last file, Save, Save As and
// files dropped on the editors, with the note dialogs they open. Nothing
// that would discard unsaved text happens without the unsaved-changes
// question, and a file that cannot be read or written never costs the user
// the text on screen: they are told which file and why.
class Documents : public QObject, public NoteDialogHost
{
    Q_OBJECT
public:
    Documents(QWidget *window, const ProgramContext &context, NoteSession &session, NoteView &view,
        const MainWindowLanguage &language, MainMenus &menus);

    void New_Calc_Click();
    void NuovaNota();
    void PulisciNota();
    void Load_Calc_Click();
    void RicaricaUltimoFileX_Click();
    void SaveX_Click();
    void Save_Calc_Click();
    // Opens a note file (a drop, the command line, the open dialog); a file
    // that cannot be read leaves the note as it was and says why.
    bool openNoteFile(const QString &path);
    // Saves to the note's own file; false (the user told why) when it failed.
    bool saveToCurrentFile();
    // Asks about unsaved changes, saving them if the user wants: true when
    // the command that asked may go on.
    bool askToKeepChanges();
    void dropFiles(const QList<QUrl> &urls);

    // ---- what the note dialogs ask of the window
    QWidget *hostWindow() override { return m_window; }
    const ProgramContext &context() const override { return m_context; }
    QString languageText(int key) const override;
    bool openNote(const QString &path) override { return openNoteFile(path); }
    // Saves the note under `path`, makes it the note's file and carries on
    // whatever waited for the save (the quit, a New). False, after telling
    // the user why, when the file could not be written.
    bool saveNoteAs(const QString &path) override;
    QString currentNotePath() const override;
    void noteFileDeleted(const QString &path) override;
    void dialogClosed() override;

signals:
    // The save the quit waited for has been written: the program may end.
    void savedForQuit();

private:
    QWidget *m_window;
    const ProgramContext &m_context;
    NoteSession &m_session;
    NoteView &m_view;
    const MainWindowLanguage &m_language;
};

} // namespace tabulo
