#pragma once

#include "ui/services/program_context.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <optional>

class QLabel;
class QWidget;

namespace tabulo {

class Form3;
class Form8;
class MainMenus;
class MainWindowLanguage;
class NoteSession;
class NoteView;

// The note's companion script, which lies beside the note's file: running
// it in the output window ("Esegui Tabulo Script...") and editing it in the
// script editor ("Inserisci Script...").
class ScriptCommands : public QObject
{
    Q_OBJECT
public:
    // `statusPanel` gives the status bar's panels (0 to 5), which scripts
    // read and write.
    ScriptCommands(QWidget *window, const ProgramContext &context, NoteSession &session, NoteView &view,
        const MainWindowLanguage &language, MainMenus &menus, std::function<QLabel *(int)> statusPanel);
    // The script editor is a window of its own: it goes with the main window.
    ~ScriptCommands() override;

    // Runs the note's script, as saved on disk, in the output window.
    void EseguiScriptX_Click();
    // Opens the script editor on the note's script, or brings it forward.
    void InserisciScriptX_Click();

    Form3 *scriptOutput() const; // nothing unless a run's output window is open
    Form8 *scriptEditor() const; // nothing while it is closed

    // True, the output brought forward, while a run's output window is open:
    // the script may be changing the note, and its window must close first.
    bool waitsForScriptOutput();
    // Closes the script editor, asking about a changed script first; false
    // when the user keeps it open.
    bool closeScriptEditor();

private:
    // The note's companion script, once the note has a file whose name has
    // a script beside it; nothing, the user told why, otherwise.
    std::optional<QString> scriptPathForCommand();

    QWidget *m_window;
    const ProgramContext &m_context;
    NoteSession &m_session;
    NoteView &m_view;
    const MainWindowLanguage &m_language;
    std::function<QLabel *(int)> m_statusPanel;
    QPointer<Form8> m_form8;
};

} // namespace tabulo
