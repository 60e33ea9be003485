#include "windows/main/controls/note_editor.h"

#include "core/files/text_file.h"

#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextCursor>

#include <algorithm>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace tabulo {

NoteEditor::NoteEditor(QWidget *parent)
    : QPlainTextEdit(parent)
{
    setUndoRedoEnabled(false);
    QFont editorFont(QStringLiteral("Courier New"), 12);
    editorFont.setStyleHint(QFont::TypeWriter);
    editorFont.setFixedPitch(true);
    setFont(editorFont);
    setWrapping(false);
    setCursorWidth(2);
    setTabChangesFocus(false);
    m_fillTimer.setSingleShot(true);
    // A millisecond between turns of filling lets everything else the window
    // has to do (keys, paints, its other timers) in between.
    m_fillTimer.setInterval(1);
    connect(&m_fillTimer, &QTimer::timeout, this, &NoteEditor::fillSome);
}

QString NoteEditor::editorText() const
{
    // The raw text keeps every character; only the paragraph separators
    // between the blocks become the "\n" the rest of the program expects.
    QString text = document()->toRawText();
    text.replace(QChar::ParagraphSeparator, u'\n');
    if (unfilledLength() > 0)
        text += QStringView(m_unfilled).sliced(m_unfilledFrom);
    return text;
}

bool NoteEditor::setEditorText(const QString &text)
{
    // Lengths that differ settle it without copying the whole document out.
    const qsizetype length = document()->characterCount() - 1 + unfilledLength();
    if (length == text.size() && editorText() == text)
        return false;
    cancelFill();
    setPlainText(text);
    // setPlainText turns the undo stack back on for a fresh document.
    setUndoRedoEnabled(false);
    return true;
}

namespace {

// About one turn of filling on an ordinary machine (the text document takes
// some 8,000 characters a millisecond), cut after a line end so that no line
// is laid out twice. Each slice costs the editor a round of notifications
// of its own, so fewer and longer slices fill the note sooner.
constexpr qsizetype sliceLength = 160 * 1024;
// How long one turn of filling may keep the window from answering.
constexpr int fillTurnMs = 20;

qsizetype sliceEnd(const QString &text, qsizetype from)
{
    if (text.size() - from <= sliceLength)
        return text.size();
    const qsizetype lineEnd = text.lastIndexOf(u'\n', from + sliceLength);
    if (lineEnd >= from)
        return lineEnd + 1;
    const qsizetype nextLineEnd = text.indexOf(u'\n', from + sliceLength);
    return nextLineEnd < 0 ? text.size() : nextLineEnd + 1;
}

} // namespace

void NoteEditor::fillEditorText(const QString &text)
{
    if (text.size() < fillInSlicesFrom) {
        setEditorText(text);
        return;
    }
    cancelFill();
    const qsizetype firstEnd = sliceEnd(text, 0);
    m_fillingIn = true;
    setPlainText(text.first(firstEnd));
    setUndoRedoEnabled(false);
    m_fillingIn = false;
    m_unfilled = text;
    m_unfilledFrom = firstEnd;
    m_fillTimer.start();
}

void NoteEditor::cancelFill()
{
    m_fillTimer.stop();
    m_unfilled.clear();
    m_unfilledFrom = 0;
}

void NoteEditor::appendSlice(qsizetype end)
{
    // A caret put at the end of the note (as an opened note shows it) stays
    // at its end as the rest comes in.
    const bool caretAtEnd = textCursor().atEnd() && !textCursor().hasSelection();
    QTextCursor atEnd(document());
    atEnd.movePosition(QTextCursor::End);
    m_fillingIn = true;
    atEnd.insertText(QStringView(m_unfilled).sliced(m_unfilledFrom, end - m_unfilledFrom).toString());
    m_fillingIn = false;
    m_unfilledFrom = end;
    if (caretAtEnd)
        moveCaretToEnd();
}

void NoteEditor::fillSome()
{
    QElapsedTimer turn;
    turn.start();
    while (unfilledLength() > 0 && turn.elapsed() < fillTurnMs)
        appendSlice(sliceEnd(m_unfilled, m_unfilledFrom));
    if (unfilledLength() > 0) {
        m_fillTimer.start();
        return;
    }
    finishFill();
}

void NoteEditor::finishFill()
{
    cancelFill();
#ifdef __GLIBC__
    // The copies a big note passed through on its way in are free now; the
    // allocator keeps such memory for the process unless asked to give it
    // back, and a note of ten megabytes would hold a hundred more.
    malloc_trim(0);
#endif
    emit filled();
}

void NoteEditor::completeFill()
{
    if (unfilledLength() == 0)
        return;
    appendSlice(m_unfilled.size());
    finishFill();
}

bool NoteEditor::event(QEvent *event)
{
    // The text widget claims the Undo and Redo keys for itself even with its
    // own undo off; leave them to the window, whose menu undoes through the
    // note's history.
    if (event->type() == QEvent::ShortcutOverride) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo)) {
            event->ignore();
            return true;
        }
    }
    return QPlainTextEdit::event(event);
}

void NoteEditor::mousePressEvent(QMouseEvent *event)
{
    QPlainTextEdit::mousePressEvent(event);
    emit mousePressed(event->button(), event->globalPosition().toPoint());
}

void NoteEditor::mouseReleaseEvent(QMouseEvent *event)
{
    QPlainTextEdit::mouseReleaseEvent(event);
    if (event->button() != Qt::RightButton)
        emit mouseReleased();
}

void NoteEditor::focusInEvent(QFocusEvent *event)
{
    QPlainTextEdit::focusInEvent(event);
    emit focusReceived();
}

void NoteEditor::contextMenuEvent(QContextMenuEvent *event)
{
    event->accept();
}

namespace {

bool carriesFiles(const QMimeData *data)
{
    if (!data || !data->hasUrls())
        return false;
    const QList<QUrl> urls = data->urls();
    return std::any_of(urls.begin(), urls.end(), [](const QUrl &url) { return url.isLocalFile(); });
}

// A file dropped on the note is read, never taken: a source that honours
// the Move it proposed would delete the file once the drop is accepted.
void acceptAsCopy(QDropEvent *event)
{
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

} // namespace

// Files dropped from outside open a note; text dragged within the editor
// moves as in any editor; anything else dropped from outside is refused, so
// a stray drop never changes the note.
void NoteEditor::dragEnterEvent(QDragEnterEvent *event)
{
    if (carriesFiles(event->mimeData()))
        acceptAsCopy(event);
    else if (event->source() == this)
        QPlainTextEdit::dragEnterEvent(event);
    else
        event->ignore();
}

void NoteEditor::dragMoveEvent(QDragMoveEvent *event)
{
    if (carriesFiles(event->mimeData()))
        acceptAsCopy(event);
    else if (event->source() == this)
        QPlainTextEdit::dragMoveEvent(event);
    else
        event->ignore();
}

void NoteEditor::dropEvent(QDropEvent *event)
{
    if (!carriesFiles(event->mimeData())) {
        if (event->source() == this)
            QPlainTextEdit::dropEvent(event);
        else
            event->ignore();
        return;
    }
    acceptAsCopy(event);
    emit filesDropped(event->mimeData()->urls());
}

void NoteEditor::insertFromMimeData(const QMimeData *source)
{
    // Such a line is laid out so slowly that the window would freeze for
    // minutes; nothing is inserted and the window says why.
    if (source && source->hasText() && longestLineLength(source->text()) > maxNoteLineLength) {
        emit longLineRefused();
        return;
    }
    QPlainTextEdit::insertFromMimeData(source);
}

void NoteEditor::moveCaretToEnd()
{
    QTextCursor cursor = textCursor();
    cursor.movePosition(QTextCursor::End);
    setTextCursor(cursor);
}

void NoteEditor::setWrapping(bool wrap)
{
    setLineWrapMode(wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(wrap ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void NoteEditor::setFontPointSize(qreal points)
{
    // The toolkit refuses sizes of zero and below; so does the editor.
    if (points <= 0)
        return;
    QFont f = font();
    f.setPointSizeF(points);
    setFont(f);
}

} // namespace tabulo
