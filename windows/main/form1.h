#pragma once

#include "core/session/note_session.h"
#include "ui/services/program_context.h"

#include <QMainWindow>

#include <memory>

class QLabel;

namespace tabulo {

class Documents;
class EntryAidCommands;
class MainMenus;
class MainWindowLanguage;
class MainWindowTheme;
class NoteEditor;
class NoteRecovery;
class NoteView;
class Prompts;
class QuitSequence;
class RememberedPlacement;
class RunningTotalColumns;
class ScriptCommands;
class StartUp;
class StatusBar;
class StatusClock;
class Toolbar;
class ToolCommands;
class ToolWindows;
class TotalBox;
class WindowBehaviours;
class WindowLayout;
struct MainWindowSettings;

// The main window: the note editor between the toolbar, the totals band(s)
// and the status bar. The note itself (text, totals, history, file, flags)
// is the note session's. The window builds its controls and its menus and
// owns the parts that give them their behaviour (windows/main/parts/); each
// part has its own state and reaches only what it is handed here:
//   NoteView              the editors and the totals boxes bound to the session
//   NoteRecovery          the note's recovery copy, and copies left by a crash
//   Documents             New, Load, Reload, Save, Save As, dropped files
//   EntryAidCommands      Enter modes, signs, splitting, selection feedback
//   ToolCommands          Undo and Redo, edit commands, exports, help
//   ToolWindows           find and replace, the calculator
//   ScriptCommands        running and editing the note's script
//   WindowLayout          Form_Resize, editor modes, toolbar, text size
//   RememberedPlacement   the window's placement across runs
//   WindowBehaviours      the tray, the window options, other copies
//   RunningTotalColumns   the running totals beside the note
//   MainWindowLanguage    the interface language and the "Lingua" menu
//   MainWindowTheme       the theme and the "Colori" menu
//   StatusClock           the date and time in the status bar
//   StartUp, QuitSequence the start and the end of a run
class Form1 : public QMainWindow
{
    Q_OBJECT
public:
    explicit Form1(ProgramContext context, QWidget *parent = nullptr);
    ~Form1() override;

    // ---- the note and the controls, as other windows and tests reach them
    NoteSession &session() { return m_session; }
    const NoteSession &session() const { return m_session; }
    QString noteText() const { return m_session.text(); } // `Text1`'s text, lines ended by CR LF
    void setNoteText(const QString &text) { m_session.setText(text); } // assigning `Text1`
    bool modi() const { return m_session.modi(); }
    bool isUntitled() const { return !m_session.hasFile(); }
    const UndoHistory &history() const { return m_session.history(); }
    const ProgramContext &context() const { return m_context; }

    NoteEditor *text1() const { return m_text1; }
    NoteEditor *editor2() const { return m_editor2; }
    NoteEditor *visibleEditor() const;
    TotalBox *text2() const { return m_text2; }
    TotalBox *text3() const { return m_text3; }
    QLabel *statusPanel(int index) const;
    QWidget *picture1() const { return m_picture1; }
    QWidget *picture2() const { return m_picture2; }
    QWidget *picture3() const;
    QWidget *picture4() const;
    QAction *action(const QString &name) const;
    // The text of any key of any window in the current language.
    QString languageText(int key) const;

    // ---- the parts
    MainMenus &menus() const { return *m_menus; }
    NoteView &noteView() const { return *m_noteView; }
    NoteRecovery &recovery() const { return *m_recovery; }
    Documents &documents() const { return *m_documents; }
    EntryAidCommands &entryAids() const { return *m_entryAids; }
    ToolCommands &toolCommands() const { return *m_toolCommands; }
    ToolWindows &toolWindows() const { return *m_toolWindows; }
    ScriptCommands &scripts() const { return *m_scripts; }
    WindowLayout &windowLayout() const { return *m_layout; }
    RememberedPlacement &placement() const { return *m_placement; }
    WindowBehaviours &behaviours() const { return *m_behaviours; }
    RunningTotalColumns &runningTotals() const { return *m_runningTotals; }
    MainWindowLanguage &language() const { return *m_language; }
    MainWindowTheme &theme() const { return *m_theme; }
    StatusClock &clock() const { return *m_clock; }
    StartUp &startUp() const { return *m_startUp; }
    QuitSequence &quitSequence() const { return *m_quit; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void buildControls();
    void buildParts();
    void applySettings(const MainWindowSettings &settings);
    MainWindowSettings settingsNow() const;

    ProgramContext m_context;
    // The real message boxes, for a window built without a Prompts service:
    // a question about unsaved text must never be skipped.
    std::unique_ptr<Prompts> m_ownPrompts;
    NoteSession m_session;

    QWidget *m_surface = nullptr; // the client area
    NoteEditor *m_text1 = nullptr;
    NoteEditor *m_editor2 = nullptr;
    TotalBox *m_text2 = nullptr;
    TotalBox *m_text3 = nullptr;
    QWidget *m_picture1 = nullptr; // totals band
    QWidget *m_picture2 = nullptr; // second totals band (totals at the top only)
    Toolbar *m_toolbar = nullptr; // Picture3
    StatusBar *m_status = nullptr; // Picture4

    // In the order they are built; each may use the ones above it.
    std::unique_ptr<MainMenus> m_menus;
    std::unique_ptr<MainWindowLanguage> m_language;
    std::unique_ptr<NoteView> m_noteView;
    std::unique_ptr<NoteRecovery> m_recovery;
    std::unique_ptr<WindowBehaviours> m_behaviours;
    std::unique_ptr<MainWindowTheme> m_theme;
    std::unique_ptr<RunningTotalColumns> m_runningTotals;
    std::unique_ptr<StatusClock> m_clock;
    std::unique_ptr<Documents> m_documents;
    std::unique_ptr<EntryAidCommands> m_entryAids;
    std::unique_ptr<ToolCommands> m_toolCommands;
    std::unique_ptr<ToolWindows> m_toolWindows;
    std::unique_ptr<ScriptCommands> m_scripts;
    std::unique_ptr<WindowLayout> m_layout;
    std::unique_ptr<RememberedPlacement> m_placement;
    std::unique_ptr<QuitSequence> m_quit;
    std::unique_ptr<StartUp> m_startUp;
};

} // namespace tabulo
