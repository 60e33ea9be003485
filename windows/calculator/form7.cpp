#include "windows/calculator/form7.h"
#include "windows/calculator/wide_caret_style.h"

#include "core/language/language_texts.h"
#include "core/settings/twips.h"
#include "core/settings/window_placement.h"
#include "script/calculator/calculator_files.h"
#include "ui/language/language_targets.h"
#include "ui/services/prompts.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStringListModel>
#include <QTimer>

namespace tabulo {

namespace {

// The window's inner height in the layout's terms: the window as designed
// is 6840 twips tall outside and its controls were placed for 6045 inside.
constexpr double frameTwips = 795;

std::shared_ptr<vbs::Object> textBox(std::function<QString()> read, std::function<void(const QString &)> write)
{
    return std::make_shared<ScriptTextBox>(u"TextBox", std::move(read), std::move(write));
}

} // namespace

Form7::Form7(Host host, QWidget *parent)
    : QMainWindow(parent,
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
            | Qt::WindowMinimizeButtonHint | Qt::WindowStaysOnTopHint)
    , m_host(std::move(host))
    , m_evaluator(m_host.locale,
          {std::make_shared<ScriptTextBox>(
               u"Form", [this] { return windowTitle(); }, [this](const QString &text) { setWindowTitle(text); }),
              textBox([this] { return Text1->text(); }, [this](const QString &text) { Text1->setText(text); }),
              // Its own result field, not the note's total: `TotX * 2` is twice
              // the last result.
              textBox([this] { return TotX->text(); }, [this](const QString &text) { TotX->setText(text); })})
{
    setObjectName(QStringLiteral("Form7"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Tabulo"));
    buildControls();
    buildMenu();
    for (QLineEdit *box : {TotX, Text1}) {
        QFont font = box->font();
        font.setFamily(m_host.editorFont.family());
        if (m_host.editorFont.pointSizeF() > 0)
            font.setPointSizeF(m_host.editorFont.pointSizeF());
        box->setFont(font);
    }
    List1->setFont(TotX->font());
    TotX->setText(QStringLiteral("0"));
    applyLanguage();
    m_history->setStringList(CalculatorHistory::load(historyPath()));
    loadPlacement();
    Text1->setFocus();
}

QString Form7::historyPath() const
{
    return m_host.dataFolder + QStringLiteral("/History.ini");
}
QString Form7::placementPath() const
{
    return m_host.dataFolder + QStringLiteral("/Tabuloolator.ini");
}

int Form7::pixels(double value) const
{
    return Twips::forDpi(logicalDpiY()).toPixels(value);
}
double Form7::twips(int value) const
{
    return Twips::forDpi(logicalDpiY()).fromPixels(value);
}

void Form7::buildControls()
{
    auto *panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Picture1"));
    setCentralWidget(panel);

    TotX = new QLineEdit(panel);
    TotX->setObjectName(QStringLiteral("TotX"));
    TotX->setReadOnly(true);
    QPalette yellow = TotX->palette();
    yellow.setColor(QPalette::Base, QColor(255, 255, 192));
    yellow.setColor(QPalette::Text, Qt::black);
    TotX->setPalette(yellow);
    TotX->installEventFilter(this);

    Text1 = new QLineEdit(panel);
    Text1->setObjectName(QStringLiteral("Text1"));
    // The style lives as long as the field (a widget does not own its style).
    auto *wideCaret = new WideCaretStyle;
    wideCaret->setParent(Text1);
    Text1->setStyle(wideCaret);
    connect(Text1, &QLineEdit::textChanged, this, &Form7::Text1_Change);

    Command1 = new QPushButton(QStringLiteral("<< Tabulo Sel. >>"), panel);
    Command1->setObjectName(QStringLiteral("Command1"));
    connect(Command1, &QPushButton::clicked, this, &Form7::Command1_Click);
    Command2 = new QPushButton(QStringLiteral("C"), panel);
    Command2->setObjectName(QStringLiteral("Command2"));
    connect(Command2, &QPushButton::clicked, this, &Form7::Command2_Click);

    m_history = new QStringListModel(this);
    List1 = new QListView(panel);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setModel(m_history);
    // An entry is taken back into the input, never edited in place.
    List1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(List1, &QListView::clicked, this, &Form7::List1_Click);
    connect(List1, &QListView::activated, this, &Form7::List1_Click);

    Command3 = new QPushButton(QStringLiteral("Elimina Cronologia"), panel);
    Command3->setObjectName(QStringLiteral("Command3"));
    connect(Command3, &QPushButton::clicked, this, &Form7::Command3_Click);

    setTabOrder(Text1, TotX);
    setTabOrder(TotX, Command1);
    setTabOrder(Command1, Command2);
    setTabOrder(Command2, List1);
    setTabOrder(List1, Command3);
    // The window sees Enter and Escape before whichever control has the focus.
    for (QWidget *control : panel->findChildren<QWidget *>())
        control->installEventFilter(this);
}

void Form7::buildMenu()
{
    QMenu *menu = menuBar()->addMenu(QStringLiteral("Menu"));
    menu->setObjectName(QStringLiteral("MenuX"));
    auto addItem = [&](const char *name, const char *caption, void (Form7::*slot)()) {
        QAction *item = menu->addAction(QString::fromLatin1(caption));
        item->setObjectName(QString::fromLatin1(name));
        connect(item, &QAction::triggered, this, slot);
        return item;
    };
    addItem("TabuloSelX", "Tabulo Sel.", &Form7::Command1_Click)->setShortcut(Qt::Key_F2);
    addItem("CancelX", "Cancel", &Form7::CancelX_Click);
    addItem("ResetX", "Reset", &Form7::ResetX_Click);
}

void Form7::applyLanguage()
{
    const LanguageTexts texts = LanguageTexts::loadCurrent(m_host.dataFolder);
    applyLanguageTargets(this, LanguageWindow::Form7, texts);
    m_clearHistoryPrompt = texts.text(81);
}

void Form7::loadPlacement()
{
    const CalculatorPlacement placement = CalculatorPlacement::load(placementPath());
    const int width = pixels(CalculatorPlacement::outerWidth - 120);
    const int height = std::max(pixels(placement.height - frameTwips), 60);
    resize(width, height);
    QScreen *screen = QGuiApplication::screenAt(QPoint(pixels(placement.left), pixels(placement.top)));
    if (!screen && parentWidget())
        screen = parentWidget()->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    QRect wanted(pixels(placement.left), pixels(placement.top), width, height);
    if (screen) {
        // The frame is not known before the window is shown: leave room for a usual one.
        const QRect available = screen->availableGeometry().adjusted(0, 0, -8, -40);
        wanted = fitOnScreen(wanted, available, QSize(width, 60));
    }
    move(wanted.topLeft());
    resize(width, wanted.height());
    Form_Resize();
}

void Form7::Form_Resize()
{
    setFixedWidth(pixels(CalculatorPlacement::outerWidth - 120));
    const double inner = twips(centralWidget()->height());
    const double fieldWidth = CalculatorPlacement::outerWidth - 120 - 285;
    TotX->setGeometry(pixels(120), pixels(120), pixels(fieldWidth), pixels(315));
    Text1->setGeometry(pixels(120), pixels(480), pixels(fieldWidth), pixels(315));
    Command1->setGeometry(pixels(120), pixels(960), pixels(fieldWidth - 720), pixels(615));
    Command2->setGeometry(pixels(120 + fieldWidth - 615), pixels(960), pixels(615), pixels(615));
    const double buttonTop = inner - 525;
    List1->setGeometry(pixels(120), pixels(1680), pixels(fieldWidth), std::max(pixels(buttonTop - 1680 - 120), 0));
    Command3->setGeometry(pixels(120), pixels(buttonTop), pixels(fieldWidth), pixels(375));
    const bool roomForHistory = buttonTop >= 1500 + 1680 - 960;
    List1->setVisible(roomForHistory);
    Command3->setVisible(roomForHistory);
}

void Form7::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

void Form7::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && (windowState() & Qt::WindowMaximized))
        QTimer::singleShot(0, this, [this] { setWindowState(windowState() & ~Qt::WindowMaximized); });
}

void Form7::Text1_Change()
{
    const QString typed = Text1->text();
    const QString input = calculatorInput(typed);
    if (input != typed) {
        // The same length, so the caret stays where the user is typing; the
        // nested change evaluates the rewritten text.
        const int caret = Text1->cursorPosition();
        Text1->setText(input);
        Text1->setCursorPosition(caret);
        return;
    }
    if (const std::optional<QString> result = m_evaluator.evaluate(input))
        TotX->setText(*result);
}

bool Form7::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Escape) {
            close();
            return true;
        }
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            appendToHistory(Text1->text());
            TotX->setText(QStringLiteral("0"));
            Text1->clear();
            return true;
        }
    }
    if (watched == TotX && event->type() == QEvent::FocusIn)
        // After the click that gave the focus has placed the caret.
        QTimer::singleShot(0, TotX, [box = TotX] { box->selectAll(); });
    return QMainWindow::eventFilter(watched, event);
}

void Form7::appendToHistory(const QString &entry)
{
    const int row = m_history->rowCount();
    m_history->insertRows(row, 1);
    m_history->setData(m_history->index(row), entry);
}

QStringList Form7::history() const
{
    return m_history->stringList();
}

void Form7::Command1_Click()
{
    if (TotX->text() != QLatin1String("0") && m_host.insertIntoNote)
        m_host.insertIntoNote(TotX->text());
    appendToHistory(Text1->text());
    Text1->setFocus();
}

void Form7::Command2_Click()
{
    TotX->setText(QStringLiteral("0"));
    Text1->clear();
    Text1->setFocus();
}

void Form7::CancelX_Click()
{
    appendToHistory(Text1->text());
    Text1->setFocus();
}

void Form7::ResetX_Click()
{
    resize(width(), pixels(CalculatorPlacement::designHeight - frameTwips));
    Form_Resize();
}

void Form7::List1_Click()
{
    const QModelIndex entry = List1->currentIndex();
    if (!entry.isValid())
        return;
    Text1->setText(entry.data().toString());
    Text1->setFocus();
    Text1->end(false);
}

void Form7::Command3_Click()
{
    if (!m_host.prompts)
        return;
    QString question = m_clearHistoryPrompt;
    if (question.isEmpty())
        question = QStringLiteral("Vuoi cancellare tutta la cronologia dei calcoli?");
    // The box is the calculator's child, so it stands above the topmost window.
    if (m_host.prompts->askYesNo(this, question) != Prompts::Answer::Yes)
        return;
    m_history->setStringList({});
    TotX->setText(QStringLiteral("0"));
    Text1->clear();
    Text1->setFocus();
}

Form7::~Form7()
{
    saveFiles();
}

void Form7::closeEvent(QCloseEvent *event)
{
    saveFiles();
    QMainWindow::closeEvent(event);
}

void Form7::saveFiles()
{
    if (!m_closed) {
        m_closed = true;
        if (!Text1->text().isEmpty())
            appendToHistory(Text1->text());
        CalculatorHistory::save(historyPath(), history());
        const QRect frame = frameGeometry();
        CalculatorPlacement placement;
        placement.top = twips(frame.top());
        placement.left = twips(frame.left());
        placement.height = twips(height()) + frameTwips;
        writeFileAtomically(placementPath(), placement.format());
    }
}

} // namespace tabulo
