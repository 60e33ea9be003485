#include "windows/find/form5.h"

#include "core/find/text_search.h"
#include "core/session/note_session.h"
#include "core/settings/twips.h"
#include "ui/language/language_targets.h"
#include "ui/services/prompts.h"

#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextCursor>

namespace tabulo {

namespace {

// The note's message "not found", shown with the search text.
constexpr int notFoundKey = 59;

QFont arial(qreal points)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    return font;
}

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    widget->setPalette(palette);
}

} // namespace

Form5::Form5(Host host, QWidget *parent)
    : QDialog(parent)
    , m_host(std::move(host))
{
    setObjectName(QStringLiteral("Form5"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    // A small tool that stays over the note while the user works in it.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
        | Qt::WindowStaysOnTopHint);
    setWindowTitle(QStringLiteral("Find & Replace"));
    buildControls();
    const LanguageTexts texts = LanguageTexts::loadCurrent(m_host.dataFolder);
    applyLanguageTargets(this, LanguageWindow::Form5, texts);
    m_notFoundText = texts.text(notFoundKey);
}

int Form5::pixels(int twips) const
{
    return Twips::forDpi(logicalDpiY()).toPixels(twips);
}

void Form5::buildControls()
{
    setFixedSize(pixels(4695), pixels(1935));
    auto place = [this](QWidget *control, const char *name, int left, int top, int width, int height) {
        control->setObjectName(QString::fromLatin1(name));
        control->setGeometry(pixels(left), pixels(top), pixels(width), pixels(height));
    };
    const QColor green(0, 128, 0);
    const QColor purple(128, 0, 128);

    Label1 = new QLabel(QStringLiteral("Trova:"), this);
    place(Label1, "Label1", 120, 120, 2655, 225); // room for a longer caption in another language
    Label1->setFont(arial(9));
    setTextColour(Label1, green);

    txtfind = new QLineEdit(this);
    place(txtfind, "txtfind", 120, 360, 2655, 345);
    txtfind->setFont(arial(9.75));
    setTextColour(txtfind, green);

    Label2 = new QLabel(QStringLiteral("Sostituisci con:"), this);
    place(Label2, "Label2", 120, 720, 2655, 225);
    Label2->setFont(arial(9));
    setTextColour(Label2, purple);

    txtreplace = new QLineEdit(this);
    place(txtreplace, "txtreplace", 120, 960, 2655, 360);
    txtreplace->setFont(arial(9.75));
    setTextColour(txtreplace, purple);

    Check1 = new QCheckBox(QStringLiteral("Ca&se Sensitive"), this);
    place(Check1, "Check1", 120, 1440, 2655, 255);
    Check1->setFont(arial(9));

    cmdfind = new QPushButton(QStringLiteral("&Find Next"), this);
    place(cmdfind, "cmdfind", 2880, 360, 1575, 360);
    ReplaceButton = new QPushButton(QStringLiteral("&Replace"), this);
    place(ReplaceButton, "ReplaceButton", 2880, 960, 1575, 360);
    Command2 = new QPushButton(QStringLiteral("&Replace all"), this);
    place(Command2, "Command2", 2880, 1320, 1575, 360);
    for (QPushButton *button : {cmdfind, ReplaceButton, Command2}) {
        button->setAutoDefault(false);
        button->setCursor(Qt::PointingHandCursor);
    }
    // Enter anywhere in the window finds the next match.
    cmdfind->setDefault(true);

    // A screen reader names each field by the caption above it.
    Label1->setBuddy(txtfind);
    Label2->setBuddy(txtreplace);

    setTabOrder(txtfind, txtreplace);
    setTabOrder(txtreplace, Check1);
    setTabOrder(Check1, cmdfind);
    setTabOrder(cmdfind, ReplaceButton);
    setTabOrder(ReplaceButton, Command2);

    connect(cmdfind, &QPushButton::clicked, this, &Form5::cmdfind_Click);
    connect(ReplaceButton, &QPushButton::clicked, this, &Form5::ReplaceButton_Click);
    connect(Command2, &QPushButton::clicked, this, &Form5::Command2_Click);
}

void Form5::showOver(QWidget *over)
{
    txtfind->clear();
    if (QPlainTextEdit *editor = m_host.visibleEditor()) {
        const QTextCursor cursor = editor->textCursor();
        const NoteSession &session = *m_host.session;
        const qsizetype start = session.notePosition(cursor.selectionStart());
        const qsizetype end = session.notePosition(cursor.selectionEnd());
        txtfind->setText(session.text().sliced(start, end - start));
    }
    const QScreen *screen = over && over->screen() ? over->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        QRect frame(QPoint(), size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    show();
    raise();
    activateWindow();
    txtfind->setFocus();
    txtfind->selectAll();
}

void Form5::Find()
{
    QPlainTextEdit *editor = m_host.visibleEditor();
    if (!editor)
        return;
    // One character after the start of the selection: the match selected
    // now is passed over.
    findFrom(m_host.session->notePosition(editor->textCursor().selectionStart()) + 1);
}

void Form5::findFrom(qsizetype from)
{
    const QString searched = searchTextForNote(txtfind->text());
    if (searched.isEmpty()) {
        txtfind->setFocus(); // nothing to look for: the user types it first
        return;
    }
    const Qt::CaseSensitivity sensitivity = Check1->isChecked() ? Qt::CaseSensitive : Qt::CaseInsensitive;
    const qsizetype found = findWithWrap(m_host.session->text(), searched, from, sensitivity);
    if (found < 0)
        showNotFound();
    else
        selectInEditor(found, searched.size());
}

void Form5::selectInEditor(qsizetype notePosition, qsizetype length)
{
    QPlainTextEdit *editor = m_host.visibleEditor();
    if (!editor)
        return;
    const NoteSession &session = *m_host.session;
    QTextCursor cursor = editor->textCursor();
    cursor.setPosition(int(session.editorPosition(notePosition)));
    cursor.setPosition(int(session.editorPosition(notePosition + length)), QTextCursor::KeepAnchor);
    // The focus stays here, so that Enter finds the next match instead of
    // typing a line break over the selected one.
    editor->setTextCursor(cursor);
}

void Form5::showNotFound()
{
    m_host.prompts->showInformation(this, m_notFoundText + QStringLiteral(": ") + txtfind->text());
}

void Form5::copyNoteToClipboard()
{
    if (QClipboard *clipboard = QGuiApplication::clipboard())
        clipboard->setText(fromCrLf(m_host.session->text()));
}

void Form5::ReplaceButton_Click()
{
    QPlainTextEdit *editor = m_host.visibleEditor();
    if (!editor)
        return;
    NoteSession &session = *m_host.session;
    const QString searched = searchTextForNote(txtfind->text());
    const QTextCursor cursor = editor->textCursor();
    const qsizetype start = session.notePosition(cursor.selectionStart());
    const qsizetype end = session.notePosition(cursor.selectionEnd());
    // The selection is replaced only when it is the searched text, in any
    // case; otherwise the first press selects the next match.
    if (searched.isEmpty() || end - start != searched.size()
        || QStringView(session.text()).sliced(start, end - start).compare(searched, Qt::CaseInsensitive) != 0) {
        Find();
        return;
    }
    copyNoteToClipboard();
    const TextSplice applied = session.replace(start, end - start, txtreplace->text());
    const qsizetype after = applied.position + applied.inserted.size();
    QTextCursor caret = editor->textCursor();
    caret.setPosition(int(session.editorPosition(after)));
    editor->setTextCursor(caret);
    // The search goes on right after the replacement, so a match that
    // follows it at once is not skipped.
    findFrom(after);
}

void Form5::Command2_Click()
{
    QPlainTextEdit *editor = m_host.visibleEditor();
    if (!editor)
        return;
    NoteSession &session = *m_host.session;
    const QString searched = searchTextForNote(txtfind->text());
    if (searched.isEmpty()) {
        txtfind->setFocus();
        return;
    }
    const ReplaceAllResult result
        = replaceAllOccurrences(session.text(), searched, searchTextForNote(txtreplace->text()));
    if (result.count == 0) {
        // Nothing changes: say so rather than close as if it had worked.
        showNotFound();
        return;
    }
    copyNoteToClipboard();
    const TextSplice &splice = result.splice;
    session.replace(splice.position, splice.removedLength, splice.inserted);
    close();
}

void Form5::giveFocusBack()
{
    if (QPlainTextEdit *editor = m_host.visibleEditor()) {
        editor->window()->activateWindow();
        editor->setFocus();
    }
}

void Form5::closeEvent(QCloseEvent *event)
{
    giveFocusBack();
    QDialog::closeEvent(event);
}

// Escape ends the window here rather than through a close event.
void Form5::done(int result)
{
    giveFocusBack();
    QDialog::done(result);
}

} // namespace tabulo
