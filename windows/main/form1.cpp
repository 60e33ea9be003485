#include "windows/main/form1.h"

#include "ui/icons/tabulo_icons.h"
#include "windows/main/form6.h"
#include "windows/main/note_editor.h"
#include "windows/main/status_bar.h"
#include "windows/main/toolbar.h"
#include "windows/main/total_box.h"

#include "ui/services/prompts.h"
#include "ui/theme/theme_applier.h"

#include <QLabel>
#include <QMenuBar>
#include <QScreen>

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
    buildMenus();
    buildWindowBehaviours();
    connectLanguageMenu();
    buildThemes();
    buildRunningTotalColumns();
    buildTimers();
    connectNoteSignals();
    connectDocumentCommands();
    connectEntryAids();
    connectToolCommands();
    connectFindAndReplace();
    connectCalculator();
    connectScriptRun();
    connectScriptCommands();
    m_session.setModifiedWord(languageText(63));

    // The design client area, 9480 x 6405 twips, below the menu bar.
    resize(pixels(9480), pixels(6405) + menuBar()->sizeHint().height());
    Form_Load();
}

Form1::~Form1()
{
    if (m_form6)
        delete m_form6;
    delete m_form8;
}

void Form1::buildControls()
{
    const Twips scale = Twips::forDpi(logicalDpiY());

    m_surface = new QWidget(this);
    m_surface->setObjectName(QStringLiteral("Form1Surface"));
    setCentralWidget(m_surface);

    m_text1 = new NoteEditor(m_surface);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_editor2 = new NoteEditor(m_surface);
    m_editor2->setObjectName(QStringLiteral("Editor2"));
    m_editor2->setWrapping(true);
    m_editor2->hide();

    m_toolbar = new Toolbar(scale, m_surface);
    connect(m_toolbar, &Toolbar::toolClicked, this, &Form1::tool_Click);

    m_picture1 = makeBand(m_surface, QStringLiteral("Picture1"));
    m_text2 = new TotalBox(m_picture1);
    m_text2->setObjectName(QStringLiteral("Text2"));
    m_text2->setToolTip(QStringLiteral("TotX"));
    if (m_context.variant == LayoutVariant::TotalAtTop) {
        m_picture2 = makeBand(m_surface, QStringLiteral("Picture2"));
        m_text3 = new TotalBox(m_picture2);
    } else {
        m_text3 = new TotalBox(m_picture1);
    }
    m_text3->setObjectName(QStringLiteral("Text3"));
    m_text3->setToolTip(QStringLiteral("TotY"));
    m_text2->setGeometry(0, 0, pixels(1245), pixels(390));
    m_text3->setGeometry(
        m_context.variant == LayoutVariant::TotalAtTop ? 0 : pixels(5400), 0, pixels(1245), pixels(390));

    m_status = new StatusBar(scale, m_surface);

    // The bands stay above the editor where the layout lets them touch.
    m_toolbar->raise();
    m_picture1->raise();
    if (m_picture2)
        m_picture2->raise();
    m_status->raise();
}

void Form1::buildTimers()
{
    for (QTimer *oneShot : {&Start, &onQuit, &OnTrayBar, &resetModi}) {
        oneShot->setSingleShot(true);
        oneShot->stop();
    }
    Start.setObjectName(QStringLiteral("Start"));
    Start.setInterval(1);
    onQuit.setObjectName(QStringLiteral("onQuit"));
    onQuit.setInterval(100);
    OnTrayBar.setObjectName(QStringLiteral("OnTrayBar"));
    OnTrayBar.setInterval(100);
    resetModi.setObjectName(QStringLiteral("resetModi"));
    resetModi.setInterval(100);
    Ora.setObjectName(QStringLiteral("Ora"));
    Ora.setInterval(1000);
    connect(&Start, &QTimer::timeout, this, &Form1::Start_Timer);
    connect(&onQuit, &QTimer::timeout, this, &Form1::onQuit_Timer);
    connect(&OnTrayBar, &QTimer::timeout, this, &Form1::OnTrayBar_Timer);
    connect(&resetModi, &QTimer::timeout, this, &Form1::resetModi_Timer);
    connect(&Ora, &QTimer::timeout, this, &Form1::Ora_Timer);
    Ora.start();
}

NoteEditor *Form1::visibleEditor() const
{
    return m_editor2->isVisibleTo(m_surface) ? m_editor2 : m_text1;
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

} // namespace tabulo
