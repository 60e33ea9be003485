#include "windows/script_output/form3.h"

#include "core/files/companion_script.h"
#include "core/files/text_codec.h"
#include "core/files/text_file.h"
#include "core/language/language_keys.h"
#include "script/objects/script_locale.h"
#include "script/run/run_file.h"
#include "ui/export/export_commands.h"
#include "ui/services/prompts.h"
#include "windows/script_output/window_objects.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTextCursor>

namespace tabulo {

namespace {

// Design size of the window's inner area, in twips.
constexpr int designWidth = 9420;
constexpr int designHeight = 6735;
// The strip at the bottom that holds the "&HTML" button, in twips.
constexpr int stripHeight = 500;
// The output box's caret.
constexpr int caretWidth = 5;

} // namespace

Form3::Form3(Host host)
    : QWidget(host.mainWindow, Qt::Window)
    , m_host(std::move(host))
{
    setObjectName(QStringLiteral("Form3"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_caption = QStringLiteral("Tabulo Script - ") + (m_host.mainWindow ? m_host.mainWindow->windowTitle() : QString());
    setWindowTitle(m_caption);
    buildControls();
    placeOverMainWindow();
    // The run and its output are modal in effect: the note must not change
    // under the script except through it.
    if (m_host.mainWindow)
        m_host.mainWindow->setEnabled(false);
    // Disabling the main window disables the windows it owns too; this one
    // must stay usable (Esc, its close box, the export button).
    setEnabled(true);

    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setSingleShot(true);
    Timer1.setInterval(100);
    connect(&Timer1, &QTimer::timeout, this, &Form3::Timer1_Timer);
    CloseVB.setObjectName(QStringLiteral("CloseVB"));
    CloseVB.setSingleShot(true);
    CloseVB.setInterval(1);
    connect(&CloseVB, &QTimer::timeout, this, &Form3::CloseVB_Timer);
    Timer1.start();
}

Form3::~Form3()
{
    // However the window goes, the main window must not stay disabled.
    if (m_host.mainWindow)
        m_host.mainWindow->setEnabled(true);
}

int Form3::pixels(double twips) const
{
    return int(twips * logicalDpiY() / 1440.0 + 0.5);
}

void Form3::buildControls()
{
    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setCursorWidth(caretWidth);
    QFont arial(QStringLiteral("Arial"));
    arial.setStyleHint(QFont::SansSerif);
    Text1->setFont(arial);
    Text1->installEventFilter(this);
    Text1->viewport()->installEventFilter(this);

    Picture2 = new QWidget(this);
    Picture2->setObjectName(QStringLiteral("Picture2"));
    Picture2->setAutoFillBackground(true);
    Picture2->installEventFilter(this);

    Picture1 = new QWidget(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setAutoFillBackground(true);
    Picture1->hide();
    Command2 = new QPushButton(QStringLiteral("&HTML"), Picture1);
    Command2->setObjectName(QStringLiteral("Command2"));
    connect(Command2, &QPushButton::clicked, this, &Form3::Command2_Click);

    resize(pixels(designWidth), pixels(designHeight));
}

void Form3::placeOverMainWindow()
{
    QPoint wanted(pixels(300), pixels(600));
    if (m_host.mainWindow)
        wanted += m_host.mainWindow->frameGeometry().topLeft();
    const QScreen *screen = m_host.mainWindow && m_host.mainWindow->screen() ? m_host.mainWindow->screen()
                                                                             : QGuiApplication::primaryScreen();
    if (screen) {
        // Kept where it can be seen: a main window near the screen's edge
        // would push the output off it.
        const QRect available = screen->availableGeometry();
        QRect frame(wanted, size());
        if (frame.right() > available.right())
            frame.moveRight(available.right());
        if (frame.bottom() > available.bottom())
            frame.moveBottom(available.bottom());
        frame.moveLeft(std::max(frame.left(), available.left()));
        frame.moveTop(std::max(frame.top(), available.top()));
        wanted = frame.topLeft();
    }
    move(wanted);
}

void Form3::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const int strip = pixels(stripHeight);
    Text1->setGeometry(0, 0, width(), std::max(0, height() - strip));
    Picture2->setGeometry(0, height() - strip, width(), strip);
    Picture1->setGeometry(0, height() - strip, width(), strip);
    const int buttonHeight = strip - 6;
    Command2->setGeometry(width() - pixels(1200) - 3, 3, pixels(1200), buttonHeight);
}

void Form3::copyNoteLook()
{
    QPlainTextEdit *editor = m_host.visibleEditor ? m_host.visibleEditor() : nullptr;
    if (editor) {
        // The whole font, so that a face missing here falls back as the
        // note's does (a monospace face keeps columns lined up).
        QFont font = editor->font();
        if (font.pointSizeF() <= 0)
            font.setPointSizeF(12);
        Text1->setFont(font);
        QPalette palette = Text1->palette();
        palette.setColor(QPalette::Base, editor->palette().color(QPalette::Base));
        palette.setColor(QPalette::Text, editor->palette().color(QPalette::Text));
        Text1->setPalette(palette);
    }
    if (m_host.mainWindow) {
        const QColor back = m_host.mainWindow->palette().color(QPalette::Window);
        for (QWidget *w : {static_cast<QWidget *>(this), Picture1, Picture2}) {
            QPalette palette = w->palette();
            palette.setColor(QPalette::Window, back);
            w->setPalette(palette);
        }
    }
}

QString Form3::readRunFile() const
{
    const QString dataFolder = m_host.context ? m_host.context->dataFolder() : QString();
    if (const std::optional<QString> file = readTextFile(runFilePath(dataFolder)))
        return *file;
    return m_host.scriptBuffer;
}

void Form3::setRunningCaption(bool running)
{
    const QString word = running && m_host.languageText ? m_host.languageText(LanguageKeys::scriptRunning) : QString();
    setWindowTitle(word.isEmpty() ? m_caption : m_caption + QStringLiteral(" - ") + word);
}

vbs::UiCallbacks Form3::scriptDialogs()
{
    Prompts *prompts = m_host.context ? m_host.context->prompts : nullptr;
    if (!prompts)
        return {};
    vbs::UiCallbacks dialogs;
    dialogs.messageBox = [this, prompts](const vbs::MessageBoxRequest &request) {
        return prompts->askScriptMessage(
            this, QString::fromStdU16String(request.prompt), QString::fromStdU16String(request.title), request.buttons);
    };
    dialogs.inputBox = [this, prompts](const vbs::InputBoxRequest &request) -> std::optional<std::u16string> {
        const std::optional<QString> typed = prompts->askText(this, QString::fromStdU16String(request.prompt),
            QString::fromStdU16String(request.title), QString::fromStdU16String(request.defaultText));
        if (!typed)
            return std::nullopt;
        return typed->toStdU16String();
    };
    return dialogs;
}

bool Form3::keepPainted()
{
    // The window (and the note, which the script may change) is painted and
    // Esc is heard; the main window is disabled, so nothing else can start.
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return m_stopRequested;
}

void Form3::Timer1_Timer()
{
    Timer1.stop();
    copyNoteLook();
    const QString runFile = readRunFile();
    const QString script = scriptFromRunFile(runFile);

    vbs::Locale locale = scriptLocale(m_host.context ? m_host.context->locale : QLocale::system());
    ScriptRun run(m_host.context ? m_host.context->locale : QLocale::system(),
        bindWindowObjects(*m_host.session, m_host.mainWindow, m_host.visibleEditor, locale), m_host.startFolder,
        scriptDialogs());
    QPointer<Form3> alive(this);
    m_running = true;
    setRunningCaption(true);
    ScriptRun::Outcome outcome = run.run(script, [this] { return keepPainted(); });
    if (!alive)
        return;
    m_running = false;
    setRunningCaption(false);
    m_lastError = outcome.error;
    // The run left out the empty lines; the user counts the file's lines, in
    // the output as in the script editor.
    if (m_lastError && m_lastError->line > 0) {
        if (const int fileLine = scriptFileLine(runFile, m_lastError->line); fileLine > 0)
            m_lastError->line = fileLine;
    }

    const LanguageTextLookup text
        = m_host.languageText ? LanguageTextLookup(m_host.languageText) : LanguageTextLookup(builtInLanguageText);
    outcome.error = m_lastError;
    Text1->setPlainText(fromCrLf(outputWithError(outcome, text)));
    Text1->setFocus();
    CloseVB.start();
}

void Form3::CloseVB_Timer()
{
    CloseVB.stop();
    const std::optional<vbs::ScriptError> error = m_lastError;
    if (m_closeWhenStopped || Text1->toPlainText().trimmed().isEmpty()) {
        emit runFinished(error);
        close();
        return;
    }
    QTextCursor end(Text1->document());
    end.movePosition(QTextCursor::End);
    end.insertText(QStringLiteral("\n"));
    Text1->setTextCursor(end);
    if (m_host.mainWindow)
        m_host.mainWindow->lower();
    raise();
    activateWindow();
    emit runFinished(error);
}

void Form3::Command2_Click()
{
    if (!m_host.context)
        return;
    ExportCommands exports(this, *m_host.context, m_host.languageText);
    exports.exportHtml(toCrLf(Text1->toPlainText()), pageStyleOf(*Text1), PageKind::ScriptOutput);
}

void Form3::escapePressed()
{
    // Esc stops a running script, whose output then ends with the message
    // that says so; once the output is shown, Esc closes the window.
    if (m_running)
        m_stopRequested = true;
    else
        close();
}

void Form3::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        escapePressed();
        return;
    }
    QWidget::keyPressEvent(event);
}

void Form3::closeEvent(QCloseEvent *event)
{
    if (m_running) {
        // The script is stopped first; the window closes once it has.
        m_stopRequested = true;
        m_closeWhenStopped = true;
        event->ignore();
        return;
    }
    if (m_host.mainWindow) {
        m_host.mainWindow->setEnabled(true);
        m_host.mainWindow->activateWindow();
        if (QPlainTextEdit *editor = m_host.visibleEditor ? m_host.visibleEditor() : nullptr)
            editor->setFocus();
    }
    event->accept();
}

bool Form3::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove) {
        if (watched == Picture2) {
            Picture1->show();
            Picture2->hide();
        } else if (watched == Text1 || watched == Text1->viewport()) {
            Picture1->hide();
            Picture2->show();
        }
    }
    if (watched == Text1 && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
        escapePressed();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tabulo
