#include "windows/script_editor/form8.h"

#include "core/files/companion_script.h"
#include "core/files/text_codec.h"
#include "core/language/language_keys.h"
#include "core/language/problem_texts.h"
#include "core/settings/twips.h"
#include "core/settings/window_placement.h"
#include "ui/services/prompts.h"
#include "windows/script_editor/script_text_edit.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QShortcut>
#include <QTextBlock>
#include <QVBoxLayout>

namespace tabulo {

namespace {

constexpr int offsetTwips = 300;

// The design caption; the file follows it, since the window keeps editing
// its script while the main window moves on to other notes.
QString captionFor(const QString &scriptPath)
{
    return QStringLiteral("Tabulo Script & VbScript - %1[*]").arg(scriptPath);
}

} // namespace

Form8 *Form8::open(Host host, const QString &scriptPath, QWidget *messageParent)
{
    const ScriptFileText script = readScriptForEditor(scriptPath);
    if (!script.ok()) {
        if (host.prompts) {
            const LanguageTextLookup text
                = host.languageText ? LanguageTextLookup(host.languageText) : LanguageTextLookup(builtInLanguageText);
            host.prompts->showError(messageParent,
                text(LanguageKeys::cannotEditScript).arg(scriptPath, fileProblemText(script.file, text)));
        }
        return nullptr;
    }
    return new Form8(std::move(host), scriptPath, script.text);
}

Form8::Form8(Host host, QString scriptPath, const QString &scriptText)
    : QWidget(nullptr, Qt::Window)
    , m_host(std::move(host))
    , m_scriptPath(std::move(scriptPath))
{
    setObjectName(QStringLiteral("Form8"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(captionFor(m_scriptPath));

    Text1 = new ScriptTextEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Text1);

    MSG1 = new QLineEdit(this);
    MSG1->setObjectName(QStringLiteral("MSG1"));
    MSG1->hide();

    // Loading is not a change; every later edit is, until the next save. An
    // edit undone back to the saved text counts as no change.
    Text1->setScript(fromCrLf(scriptText));
    connect(Text1->document(), &QTextDocument::modificationChanged, this, &QWidget::setWindowModified);

    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    auto *saveKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_S), this);
    connect(saveKey, &QShortcut::activated, this, &Form8::save);

    Text1->setFocus();
}

QString Form8::languageText(int key) const
{
    return m_host.languageText ? m_host.languageText(key) : QString();
}

void Form8::refreshTexts()
{
    MSG1->setText(languageText(93));
}

bool Form8::isModified() const
{
    return Text1->document()->isModified();
}

QString Form8::scriptText() const
{
    // The raw text keeps non-breaking spaces, which the plain text would
    // turn into spaces; only the editor's line separators are replaced.
    QString text = Text1->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return toCrLf(text);
}

void Form8::placeOver(const QWidget *mainWindow)
{
    if (!mainWindow)
        return;
    const Twips scale = Twips::forDpi(mainWindow->logicalDpiY());
    const QRect mainOuter = mainWindow->frameGeometry();
    const QSize frame = mainOuter.size() - mainWindow->geometry().size();
    QRect wanted(
        mainOuter.topLeft() + QPoint(scale.toPixels(offsetTwips), scale.toPixels(offsetTwips)), mainOuter.size());
    const QScreen *screen = mainWindow->screen() ? mainWindow->screen() : QGuiApplication::primaryScreen();
    if (screen)
        wanted = fitOnScreen(wanted, screen->availableGeometry());
    move(wanted.topLeft());
    resize(wanted.size() - frame);
}

void Form8::copyLookFrom(const QPlainTextEdit *noteBox)
{
    if (!noteBox)
        return;
    QFont font = Text1->font();
    font.setFamily(noteBox->font().family());
    if (noteBox->font().pointSizeF() > 0)
        font.setPointSizeF(noteBox->font().pointSizeF());
    Text1->setFont(font);
    const QPalette note = noteBox->palette();
    QPalette palette = Text1->palette();
    for (const QPalette::ColorRole role : {QPalette::Base, QPalette::Text}) {
        for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
            palette.setColor(group, role, note.color(group, role));
    }
    Text1->setPalette(palette);
    Text1->setColours(syntaxColoursFor(note.color(QPalette::Base), note.color(QPalette::Text)));
}

void Form8::showErrorAt(int line, int column)
{
    QTextDocument *document = Text1->document();
    const QTextBlock block = document->findBlockByNumber(std::clamp(line - 1, 0, document->blockCount() - 1));
    QTextCursor cursor(block);
    cursor.setPosition(block.position() + std::clamp(column - 1, 0, block.length() - 1));
    Text1->setTextCursor(cursor);
    Text1->markErrorLine(block.blockNumber());
    Text1->centerCursor();
    if (isMinimized())
        showNormal();
    else
        show();
    raise();
    activateWindow();
    Text1->setFocus();
}

bool Form8::save()
{
    const FileResult result = saveScriptFromEditor(m_scriptPath, scriptText());
    if (!result.ok) {
        if (m_host.prompts)
            m_host.prompts->showError(this,
                languageText(LanguageKeys::cannotSaveScript).arg(m_scriptPath, fileProblemText(result, [this](int key) {
                    return languageText(key);
                })));
        return false;
    }
    Text1->document()->setModified(false);
    return true;
}

void Form8::closeEvent(QCloseEvent *event)
{
    if (isModified()) {
        // Without a way to ask, nothing is thrown away.
        const Prompts::Answer answer
            = m_host.prompts ? m_host.prompts->askYesNoCancel(this, MSG1->text()) : Prompts::Answer::Cancel;
        if (answer == Prompts::Answer::Cancel || (answer == Prompts::Answer::Yes && !save())) {
            event->ignore();
            return;
        }
    }
    event->accept();
    emit closed();
}

} // namespace tabulo
