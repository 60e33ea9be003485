#pragma once

#include "core/language/language_texts.h"
#include "core/session/note_session.h"
#include "core/settings/window_placement.h"
#include "windows/calculator/form7.h"
#include "windows/main/form6.h"
#include "windows/main/program_context.h"
#include "windows/note_dialogs/note_dialog_host.h"
#include "windows/script_editor/form8.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <QTimer>

#include <array>
#include <memory>

class QActionGroup;
class QLabel;
class QUrl;
class QMenu;
class QFrame;

namespace tabulo {

class Form3;
class NoteEditor;
class Prompts;
class ThemeApplier;
class ThemeMenu;
struct Theme;
class RunningTotalColumn;
class TotalBox;
class Toolbar;
class StatusBar;
class TrayBehaviour;
class WindowOptions;

// The main window: the note editor between the toolbar, the totals band(s)
// and the status bar. The note itself (text, totals, history, file, flags)
// is the note session's; the window shows it and turns events into its
// calls. Its implementation is split by concern:
//   form1.cpp             building the controls
//   form1_menus.cpp       the menus and their shortcuts
//   form1_layout.cpp      Form_Resize, editor modes, toolbar, text size
//   form1_note.cpp        the editors and the totals boxes bound to the session
//   form1_documents.cpp   New, Load, Reload, Save, Save As, dropped files
//   form1_entry_aids.cpp  Enter modes, signs, splitting, selection feedback
//   form1_startup.cpp     Form_Load, Start_Timer and the settings it restores
//   form1_theme.cpp       the theme: LoadTheme and the "Colori" menu
//   form1_shutdown.cpp    the quit dialog, the quit sequence
//   form1_behaviours.cpp  the tray, the window options, a new instance
//   form1_language.cpp    the interface language and the "Lingua" menu
//   form1_variants.cpp    switching to the other layout variant
//   form1_tools.cpp       edit commands, caret jumps, export, help and info
//   form1_column.cpp      the running totals column beside the note
//   form1_script_run.cpp  running the note's script
//   form1_scripts.cpp     the note's companion script and its editor
class Form1 : public QMainWindow, public NoteDialogHost
{
    Q_OBJECT
public:
    explicit Form1(ProgramContext context, QWidget *parent = nullptr);
    ~Form1() override;

    // ---- the note, the totals and the window state, as other windows and
    // tests reach them
    NoteSession &session() { return m_session; }
    const NoteSession &session() const { return m_session; }
    QString noteText() const { return m_session.text(); } // `Text1`'s text, lines ended by CR LF
    void setNoteText(const QString &text); // assigning `Text1`: runs the evaluation
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
    QAction *action(const QString &name) const { return m_actions.value(name); }
    QMenu *trayBarMenu() const { return m_trayBar; }
    Form6 *quitDialog() const { return m_form6; }
    Form7 *calculator() const { return m_form7; } // nothing while it is closed
    TrayBehaviour *tray() const { return m_tray; }
    WindowOptions *windowOptions() const { return m_windowOptions; }

    bool modi() const { return m_session.modi(); }
    bool isUntitled() const { return !m_session.hasFile(); }
    const UndoHistory &history() const { return m_session.history(); }
    const ProgramContext &context() const override { return m_context; }

    // The applied theme's colours of a total by its sign, kept as text
    // (colour numbers, red in the low byte); until a theme supplies them the
    // design colours stand.
    struct TotalColours
    {
        QString fta_posi = QStringLiteral("65280"), fta_nega = QStringLiteral("255");
        QString ftb_posi = QStringLiteral("65280"), ftb_nega = QStringLiteral("255");
    } themeColours;
    qreal normalTextSize = 12;

    // Saves the note under `path`, makes it the note's file and carries on
    // whatever waited for the save (the quit, a New). False, after telling
    // the user why, when the file could not be written.
    bool saveNoteAs(const QString &path) override;

    // ---- what the note dialogs ask of the window (form1_dialogs.cpp)
    QWidget *hostWindow() override { return this; }
    bool openNote(const QString &path) override { return openNoteFile(path); }
    QString currentNotePath() const override;
    void noteFileDeleted(const QString &path) override;
    void dialogClosed() override;

    // ---- handlers
    void Form_Load();
    void Start_Timer();
    void LoadTheme();
    ThemeMenu *themes() const { return m_themes; }
    void LoadBarSetting();
    void LoadScrollSetting();
    void LoadWindowPlacement();
    void Form_Resize();
    void Text2_Change();
    void Text3_Change();
    void TotaleSelezione();
    // Enables `resetModi` on behalf of the note as it is now: keys typed
    // before it fires are changes it leaves unsaved.
    void startResetModi();
    void resetModi_Timer();
    void onQuit_Timer();
    void OnTrayBar_Timer();
    void Ora_Timer();
    void VerticaleOrizzonateX_Click();
    void SoloVerticaleX_Click();
    void MostraStrumentiX_Click();
    void tool_Click(int index);
    void AumentaTestoX_Click();
    void DiminuisciTestoX_Click();
    void NormalizzaTestoX_Click();
    void ResettaInterfacciaX_Click();
    void AnnullaX_Click();
    // The calculator beside the note: opened (or brought forward) and closed.
    void CalcolatriceX_Click();
    void closeCalculator();
    void RipetiX_Click();
    // form1_documents.cpp
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
    // form1_entry_aids.cpp
    void O_Click(char16_t mode); // the operator, or 0 for none
    void AggiornaMenuInvio();
    void AggiungiSegnoInizialeX_Click();
    void RimuoviSegnoInizialeX_Click();
    void Split_String_Click();
    // The Enter mode: "+", "-", "*", "/", or nothing (`Option5`).
    QChar enterMode() const { return m_enterMode; }
    // form1_variants.cpp: switching to the other layout variant
    void TotaleInAltoX_Click();
    void TotaleInBassoX_Click();
    // form1_tools.cpp: edit commands, export, help
    void EliminaX_Click();
    void EsportaX_Click();
    void EsportaHtmlX_Click();
    void AiutoX_Click();
    // form1_find.cpp: opens the find and replace window, or brings it forward
    void TrovaSostituisciX_Click();
    // form1_script_run.cpp: runs the note's script in the output window
    void EseguiScriptX_Click();
    Form3 *scriptOutput() const; // nothing unless a run's output window is open
    // form1_scripts.cpp: opens the script editor on the note's companion
    // script, or brings it forward
    void InserisciScriptX_Click();
    Form8 *scriptEditor() const { return m_form8; } // nothing while it is closed

    // ---- the running totals column (form1_column.cpp)
    // The column beside `editor` (each editor has its own).
    RunningTotalColumn *runningTotalColumn(const NoteEditor *editor) const;
    void LoadColumnSetting();
    // The menu item has already inverted its check mark; the columns follow.
    void ColonnaTotaliX_Click();

    // ---- the interface language (form1_language.cpp)
    // The text of any key of any window, messages included, in the current
    // language: the language file's text, else the built-in one.
    QString languageText(int key) const override;
    // The current language's name as Lang.ini gave it; the help page and the
    // windows that open later use it.
    QString languageName() const { return m_languageTexts.languageName(); }
    // The main window's language loader: reads the current language,
    // rebuilds the "Lingua" menu and puts every text of this window in place.
    void applyLanguage();
    void LanguageChoiseX_Click(int index);
    void GestisciLinguaX_Click();

    // The one-shot timers and the clock.
    QTimer Start, onQuit, OnTrayBar, resetModi, Ora;

    // The two comment lines written into a fresh note at start-up.
    static QString startHeader();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // form1.cpp
    void buildControls();
    void buildTimers();
    // form1_menus.cpp
    void buildMenus();
    QAction *addItem(QMenu *menu, const QString &name, const QString &caption, const QKeySequence &shortcut = {});
    // form1_layout.cpp
    int pixels(double twips) const;
    double toTwips(int pixels) const;
    void showEditor(NoteEditor *shown, NoteEditor *hidden);
    void showToolbarAsChecked();
    // form1_note.cpp
    void connectNoteSignals();
    void onEditorContentsChange(NoteEditor *editor, int position, int removed, int added);
    void applySessionSplice(const TextSplice &splice, qsizetype editorStart, qsizetype editorEnd);
    void showSession();
    void colourTotal(TotalBox *box, const QString &positive, const QString &negative);
    void syncHiddenEditor();
    void showSelectionLength();
    // Replaces the visible editor's selection through the session (one
    // recorded change); the caret goes to the end of what was inserted.
    void replaceSelection(const QString &noteText);
    void showChangeAt(int editorPosition);
    QString selectedNoteText() const;
    // form1_documents.cpp
    void connectDocumentCommands();
    bool askToKeepChanges();
    void openNoteDialog();
    void openSaveDialog();
    void dropFiles(const QList<QUrl> &urls);
    // form1_entry_aids.cpp
    void connectEntryAids();
    void connectFindAndReplace(); // form1_find.cpp
    void connectCalculator();
    void connectScriptRun(); // form1_script_run.cpp
    bool waitsForScriptOutput(); // form1_shutdown.cpp: true, the output brought forward, while it is open
    // form1_scripts.cpp
    void connectScriptCommands();
    // The note's companion script, once the note has a file whose name has
    // a script beside it; nothing, the user told why, otherwise.
    std::optional<QString> scriptPathForCommand();
    bool handleEnterKey();
    void editorMousePressed(NoteEditor *editor, Qt::MouseButton button, const QPoint &globalPosition);
    // form1_theme.cpp
    void buildThemes();
    void showAppliedTheme(const Theme &current);
    // form1_startup.cpp
    void loadCommandLineNote();
    void applyWindowPlacement(const struct WindowPlacement &placement);
    // form1_language.cpp
    void connectLanguageMenu();
    void applyLanguageNamed(const QString &name);
    void rebuildLanguageMenu();
    // form1_tools.cpp
    void connectToolCommands();
    void moveCaretTo(int position); // a QTextCursor::MoveOperation
    // form1_column.cpp
    void buildRunningTotalColumns();
    void colourRunningTotalColumns();
    // form1_variants.cpp
    void switchToVariant(const QString &programName);
    // form1_shutdown.cpp
    void Form_Unload();
    void finishQuit();
    QString savedStateErrors();
    // form1_behaviours.cpp
    void buildWindowBehaviours();

    ProgramContext m_context;
    NoteSession m_session;
    // The note's text version that the pending `resetModi` stands for.
    quint64 m_resetModiVersion = 0;

    NoteEditor *m_text1 = nullptr;
    NoteEditor *m_editor2 = nullptr;
    TotalBox *m_text2 = nullptr;
    TotalBox *m_text3 = nullptr;
    QWidget *m_surface = nullptr; // the client area
    QWidget *m_picture1 = nullptr; // totals band
    QWidget *m_picture2 = nullptr; // second totals band (totals at the top only)
    Toolbar *m_toolbar = nullptr; // Picture3
    StatusBar *m_status = nullptr; // Picture4
    QMenu *m_trayBar = nullptr;
    TrayBehaviour *m_tray = nullptr;
    WindowOptions *m_windowOptions = nullptr;
    QPointer<Form6> m_form6;
    QPointer<Form7> m_form7;
    QPointer<Form8> m_form8; // a window of its own, deleted with this one
    QHash<QString, QAction *> m_actions;
    std::unique_ptr<ThemeApplier> m_themeApplier;
    ThemeMenu *m_themes = nullptr; // owned by its menu
    // The real message boxes, for a window built without a Prompts service:
    // a question about unsaved text must never be skipped.
    std::unique_ptr<Prompts> m_ownPrompts;

    bool m_hiddenEditorStale = false;
    // The editor is making a change the session asked for: not a new edit.
    bool m_applyingSessionChange = false;
    bool m_quitting = false;
    std::optional<RestoredPlacement> m_restoredPlacement;
    int m_lastSpliceCaret = 0; // where the session's last change began, in the editor
    QString m_shownStatusWord;
    QMenu *m_editMenu = nullptr; // `Edit_X`, also the editors' pop-up menu
    QChar m_enterMode; // null: `Option5`, no operator
    LanguageTexts m_languageTexts;
    // The texts of the windows that open later, read again whenever the
    // language file changes.
    mutable LanguageTexts m_otherWindowsTexts;
    QActionGroup *m_languageChoices = nullptr;
    std::array<RunningTotalColumn *, 2> m_columns {}; // beside Text1, Editor2
};

} // namespace tabulo
