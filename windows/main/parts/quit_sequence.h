#pragma once

#include "core/settings/main_window_settings.h"
#include "ui/services/program_context.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>

class QCloseEvent;
class QMainWindow;

namespace tabulo {

class Documents;
class Form6;
class MainMenus;
class MainWindowLanguage;
class NoteRecovery;
class NoteSession;
class NoteView;
class ScriptCommands;
class ToolWindows;
class TrayBehaviour;

// Leaving the program. Closing the window never ends it directly: the quit
// dialog (`Form6`) offers to quit, to go to the tray or to go back. The quit
// (`onQuit`) waits for a running script, asks about a changed script and
// about unsaved changes, removes the working files and writes the window's
// settings for the next start; a save that fails or is cancelled keeps the
// program running with the text.
class QuitSequence : public QObject
{
    Q_OBJECT
public:
    struct Parts
    {
        NoteView *view = nullptr;
        Documents *documents = nullptr;
        ScriptCommands *scripts = nullptr;
        ToolWindows *toolWindows = nullptr;
        TrayBehaviour *tray = nullptr;
        const MainWindowLanguage *language = nullptr;
        NoteRecovery *recovery = nullptr;
    };
    // `settingsNow` gives the settings as the window shows them at this moment.
    QuitSequence(QMainWindow *window, const ProgramContext &context, NoteSession &session, Parts parts,
        MainMenus &menus, std::function<MainWindowSettings()> settingsNow);
    // The quit dialog is a window of its own: it goes with the main window.
    ~QuitSequence() override;

    // The window's close event: accepted only once the quit has finished.
    void closeEvent(QCloseEvent *event);
    // Opens the quit dialog; the window is disabled while it is open.
    void Form_Unload();
    void onQuit_Timer();
    void OnTrayBar_Timer();
    // Ends the program; the quit has asked and saved all it had to.
    void finishQuit();

    Form6 *quitDialog() const;

private:
    QMainWindow *m_window;
    const ProgramContext &m_context;
    NoteSession &m_session;
    Parts m_parts;
    std::function<MainWindowSettings()> m_settingsNow;
    QPointer<Form6> m_form6;
    QTimer onQuit;
    QTimer OnTrayBar;
    bool m_quitting = false;
};

} // namespace tabulo
