#include "windows/main/form1.h"

#include "core/settings/main_window_settings.h"
#include "ui/icons/tabulo_icons.h"
#include "ui/services/prompts.h"
#include "windows/main/controls/note_editor.h"
#include "windows/main/controls/status_bar.h"
#include "windows/main/controls/toolbar.h"
#include "windows/main/controls/total_box.h"
#include "windows/main/menus/main_menus.h"
#include "windows/main/parts/documents.h"
#include "windows/main/parts/entry_aid_commands.h"
#include "windows/main/parts/main_window_language.h"
#include "windows/main/parts/main_window_theme.h"
#include "windows/main/parts/note_recovery.h"
#include "windows/main/parts/note_view.h"
#include "windows/main/parts/quit_sequence.h"
#include "windows/main/parts/remembered_placement.h"
#include "windows/main/parts/running_total_columns.h"
#include "windows/main/parts/script_commands.h"
#include "windows/main/parts/start_up.h"
#include "windows/main/parts/status_clock.h"
#include "windows/main/parts/tool_commands.h"
#include "windows/main/parts/tool_windows.h"
#include "windows/main/parts/tray_behaviour.h"
#include "windows/main/parts/window_behaviours.h"
#include "windows/main/parts/window_layout.h"

#include <QLabel>
#include <QMenuBar>

namespace tabulo {

namespace {

QWidget *makeBand(QWidget *parent, const QString &name)
{
    auto *band = new QWidget(parent);
    band->setObjectName(name);
    band->setAutoFillBackground(true);
    QPalette p = band->palette();
    p.setColor(QPalette::Window, Qt::black);
    band->setPalette(p);
    return band;
}

} // namespace

Form1::Form1(ProgramContext context, QWidget *parent)
    : QMainWindow(parent)
    , m_context(std::move(context))
    , m_session(m_context.locale, m_context.dataFolder())
{
    setObjectName(QStringLiteral("Form1"));
    if (!m_context.prompts) {
        m_ownPrompts = std::make_unique<DialogPrompts>();
        m_context.prompts = m_ownPrompts.get();
    }
    setWindowIcon(icons::programIcon());
    buildControls();
    buildParts();

    // The design client area, 9480 x 6405 twips, below the menu bar.
    const Twips twips = Twips::forDpi(logicalDpiY());
    resize(twips.toPixels(9480), twips.toPixels(6405) + menuBar()->sizeHint().height());
    m_startUp->Form_Load();
}

Form1::~Form1() = default;

void Form1::buildControls()
{
    const Twips twips = Twips::forDpi(logicalDpiY());

    m_surface = new QWidget(this);
    m_surface->setObjectName(QStringLiteral("Form1Surface"));
    setCentralWidget(m_surface);

    m_text1 = new NoteEditor(m_surface);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_editor2 = new NoteEditor(m_surface);
    m_editor2->setObjectName(QStringLiteral("Editor2"));
    m_editor2->setWrapping(true);
    m_editor2->hide();

    m_toolbar = new Toolbar(twips, m_surface);

    const bool totalAtTop = m_context.variant == LayoutVariant::TotalAtTop;
    m_picture1 = makeBand(m_surface, QStringLiteral("Picture1"));
    m_text2 = new TotalBox(m_picture1);
    m_text2->setObjectName(QStringLiteral("Text2"));
    m_text2->setToolTip(QStringLiteral("TotX"));
    if (totalAtTop) {
        m_picture2 = makeBand(m_surface, QStringLiteral("Picture2"));
        m_text3 = new TotalBox(m_picture2);
    } else {
        m_text3 = new TotalBox(m_picture1);
    }
    m_text3->setObjectName(QStringLiteral("Text3"));
    m_text3->setToolTip(QStringLiteral("TotY"));
    const int boxWidth = twips.toPixels(1245);
    const int boxHeight = twips.toPixels(390);
    m_text2->setGeometry(0, 0, boxWidth, boxHeight);
    m_text3->setGeometry(totalAtTop ? 0 : twips.toPixels(5400), 0, boxWidth, boxHeight);

    m_status = new StatusBar(twips, m_surface);

    // The bands stay above the editor where the layout lets them touch.
    m_toolbar->raise();
    m_picture1->raise();
    if (m_picture2)
        m_picture2->raise();
    m_status->raise();
}

void Form1::buildParts()
{
    const ProgramContext &context = m_context;
    m_menus = std::make_unique<MainMenus>(this, context.variant);
    m_language = std::make_unique<MainWindowLanguage>(this, context, m_session, *m_menus, statusPanel(0));
    m_noteView = std::make_unique<NoteView>(m_session,
        NoteView::Controls {this, m_text1, m_editor2, m_text2, m_text3, statusPanel(0), statusPanel(1)},
        context.prompts, *m_language);
    m_recovery = std::make_unique<NoteRecovery>(this, context, m_session, *m_noteView, *m_language);
    m_behaviours = std::make_unique<WindowBehaviours>(
        this, context, *m_language, *m_menus, [view = m_noteView.get()] { view->focusEditor(); });
    m_theme = std::make_unique<MainWindowTheme>(this, context, *m_language, *m_menus,
        ThemeTargets {m_surface, m_text1, m_editor2, m_text2, m_text3, m_picture1, m_picture2});
    m_runningTotals = std::make_unique<RunningTotalColumns>(m_session, m_text1, m_editor2, *m_menus);
    m_clock = std::make_unique<StatusClock>(statusPanel(4), statusPanel(5), context.locale);
    m_documents = std::make_unique<Documents>(this, context, m_session, *m_noteView, *m_language, *m_menus);
    m_entryAids = std::make_unique<EntryAidCommands>(this, context, m_session, *m_noteView, *m_language, *m_menus,
        statusPanel(2), QList<QWidget *> {m_text1, m_editor2, m_text2, m_text3});
    m_toolCommands = std::make_unique<ToolCommands>(this, context, m_session, *m_noteView, *m_language, *m_menus);
    m_toolWindows = std::make_unique<ToolWindows>(this, context, m_session, *m_noteView, *m_menus);
    m_scripts = std::make_unique<ScriptCommands>(this, context, m_session, *m_noteView, *m_language, *m_menus,
        [this](int index) { return index >= 0 && index < StatusBar::panelCount ? statusPanel(index) : nullptr; });
    m_layout = std::make_unique<WindowLayout>(this, context.variant,
        WindowLayout::Controls {m_surface, m_toolbar, m_status, m_picture1, m_picture2, m_text2, m_text3}, *m_noteView,
        *m_menus, *m_toolWindows);
    m_placement = std::make_unique<RememberedPlacement>(
        this, context, *m_behaviours->tray(), *m_menus, [this] { m_layout->Form_Resize(); });
    m_quit = std::make_unique<QuitSequence>(this, context, m_session,
        QuitSequence::Parts {m_noteView.get(), m_documents.get(), m_scripts.get(), m_toolWindows.get(),
            m_behaviours->tray(), m_language.get(), m_recovery.get()},
        *m_menus, [this] { return settingsNow(); });
    m_startUp = std::make_unique<StartUp>(context, m_session,
        StartUp::Parts {m_noteView.get(), m_documents.get(), m_theme.get(), m_language.get(), m_recovery.get()},
        statusPanel(2), [this](const MainWindowSettings &settings) { applySettings(settings); });

    connect(m_theme.get(), &MainWindowTheme::lookApplied, this, [this](const TotalColours &colours, qreal textSize) {
        m_noteView->setTotalColours(colours);
        m_layout->setNormalTextSize(textSize);
        m_runningTotals->setColours(colours);
    });
}

void Form1::applySettings(const MainWindowSettings &settings)
{
    m_layout->setToolbarShown(settings.toolbarShown);
    m_layout->setScrolling(settings.scrolling);
    m_runningTotals->setShown(settings.runningTotalsShown);
    m_placement->restore(settings.placement);
}

MainWindowSettings Form1::settingsNow() const
{
    MainWindowSettings settings;
    settings.lastFile = m_session.caption();
    settings.toolbarShown = m_layout->toolbarShown();
    settings.scrolling = m_layout->scrolling();
    settings.runningTotalsShown = m_runningTotals->isShown();
    settings.placement = m_placement->atQuit();
    settings.totalAtTop = m_context.variant == LayoutVariant::TotalAtTop;
    return settings;
}

void Form1::closeEvent(QCloseEvent *event)
{
    m_quit->closeEvent(event);
}

// Events may arrive while the window is still being built, before the
// layout is there to follow them.

void Form1::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    if (m_layout)
        m_layout->Form_Resize();
}

void Form1::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && m_layout) {
        m_layout->Form_Resize();
        // A minimised window goes to the tray where there is one.
        if (isMinimized())
            m_behaviours->tray()->windowMinimised();
    }
}

NoteEditor *Form1::visibleEditor() const
{
    return m_noteView->visibleEditor();
}

QLabel *Form1::statusPanel(int index) const
{
    return m_status->panel(index);
}

QWidget *Form1::picture3() const
{
    return m_toolbar;
}

QWidget *Form1::picture4() const
{
    return m_status;
}

QAction *Form1::action(const QString &name) const
{
    return m_menus->action(name);
}

QString Form1::languageText(int key) const
{
    return m_language->text(key);
}

} // namespace tabulo
