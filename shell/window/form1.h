#pragma once

#include "engine/line_engine.h"
#include "form6.h"
#include "engine/working_files.h"
#include "history/undo_history.h"
#include "numbers/number_format.h"
#include "program_context.h"
#include "window_placement.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <QTimer>

#include <array>
#include <memory>

class QLabel;
class QMenu;
class QFrame;

namespace tabulo {

class NoteEditor;
class Prompts;
class TotalBox;
class Toolbar;
class StatusBar;
class TrayBehaviour;
class WindowOptions;


// The main window: the note editor between the toolbar, the totals band(s)
// and the status bar. Its implementation is split by concern:
//   form1.cpp           building the controls
//   form1_menus.cpp     the menus and their shortcuts
//   form1_layout.cpp    Form_Resize, editor modes, toolbar, text size
//   form1_note.cpp      change handling, evaluation, totals, history
//   form1_startup.cpp   Form_Load, Start_Timer and the settings it restores
//   form1_shutdown.cpp  the quit dialog, the quit sequence, saving
//   form1_behaviours.cpp  the tray, the window options, a new instance
class Form1 : public QMainWindow
{
    Q_OBJECT
public:
    explicit Form1(ProgramContext context, QWidget *parent = nullptr);
    ~Form1() override;

    // ---- the note, the totals and the window state, as other windows and
    // tests reach them
    QString noteText() const;              // `Text1`'s text, lines ended by CR LF
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
    TrayBehaviour *tray() const { return m_tray; }
    WindowOptions *windowOptions() const { return m_windowOptions; }

    int modi() const { return m_modi; }
    bool isUntitled() const;
    const UndoHistory &history() const { return m_history; }
    const ProgramContext &context() const { return m_context; }

    // The flags the note dialogs and the quit sequence leave for each other.
    QString NuovoFile;
    QString NuovoFileInUscita;

    // Theme values kept as text; until a theme supplies them the design
    // colours stand (colour numbers, red in the low byte).
    struct TotalColours
    {
        QString fta_posi = QStringLiteral("65280"), fta_nega = QStringLiteral("255");
        QString ftb_posi = QStringLiteral("65280"), ftb_nega = QStringLiteral("255");
    } themeColours;
    qreal normalTextSize = 12;

    // ---- handlers
    void Form_Load();
    void Start_Timer();
    void LoadBarSetting();
    void LoadScrollSetting();
    void LoadWindowPlacement();
    void Form_Resize();
    void Text1_Change();
    void Text2_Change();
    void Text3_Change();
    void TotaleSelezione();
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
    void RipetiX_Click();
    void SaveX_Click();
    void Save_Calc_Click();

    // The one-shot timers and the clock.
    QTimer Start, onQuit, OnTrayBar, resetModi, Ora;

    // The caption of a note without a file: the product name, an author line
    // and the current year.
    static QString untitledCaption();
    // The two comment lines written into a fresh note at start-up.
    static QString startHeader();

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // form1.cpp
    void buildControls();
    void buildTimers();
    // form1_menus.cpp
    void buildMenus();
    QAction *addItem(QMenu *menu, const QString &name, const QString &caption,
                     const QKeySequence &shortcut = {});
    // form1_layout.cpp
    int pixels(double twips) const;
    double toTwips(int pixels) const;
    void showEditor(NoteEditor *shown, NoteEditor *hidden);
    void showToolbarAsChecked();
    // form1_note.cpp
    void connectNoteSignals();
    void onEditorChanged(NoteEditor *editor);
    void showTotalIn(TotalBox *box, double total);
    void colourTotal(TotalBox *box, const QString &positive, const QString &negative);
    void syncHiddenEditor();
    void showSelectionLength();
    void showRecordedState(const std::optional<QString> &restored);
    // form1_startup.cpp
    void loadCommandLineNote();
    void applyWindowPlacement(const struct WindowPlacement &placement);
    // form1_shutdown.cpp
    void Form_Unload();
    bool saveNoteTo(const QString &path);
    void finishQuit();
    QString savedStateErrors();
    // form1_behaviours.cpp
    void buildWindowBehaviours();

    ProgramContext m_context;
    NumberFormat m_numberFormat;
    LineEngine m_engine;
    WorkingFiles m_workingFiles;
    UndoHistory m_history;

    NoteEditor *m_text1 = nullptr;
    NoteEditor *m_editor2 = nullptr;
    TotalBox *m_text2 = nullptr;
    TotalBox *m_text3 = nullptr;
    QWidget *m_surface = nullptr;  // the client area
    QWidget *m_picture1 = nullptr; // totals band
    QWidget *m_picture2 = nullptr; // second totals band (totals at the top only)
    Toolbar *m_toolbar = nullptr;  // Picture3
    StatusBar *m_status = nullptr; // Picture4
    QMenu *m_trayBar = nullptr;
    TrayBehaviour *m_tray = nullptr;
    WindowOptions *m_windowOptions = nullptr;
    QPointer<Form6> m_form6;
    QHash<QString, QAction *> m_actions;
    // The real message boxes, for a window built without a Prompts service:
    // a question about unsaved text must never be skipped.
    std::unique_ptr<Prompts> m_ownPrompts;

    int m_modi = 0;
    int m_caricamento = 0;
    int m_saltaCronologia = 0;
    bool m_hiddenEditorStale = false;
    bool m_quitting = false;
    std::optional<RestoredPlacement> m_restoredPlacement;
    QString m_testoModificato;
};

} // namespace tabulo
