#include "windows/script_editor/script_text_edit.h"

#include "windows/script_editor/vbscript_highlighter.h"

#include <QKeyEvent>
#include <QPainter>
#include <QTextBlock>

namespace tabulo {

// The gutter: a plain widget over the editor's left margin that the editor
// paints, so it scrolls with the text and uses the text's font.
class LineNumberArea : public QWidget
{
public:
    explicit LineNumberArea(ScriptTextEdit *editor)
        : QWidget(editor)
        , m_editor(editor)
    {
        setObjectName(QStringLiteral("LineNumbers"));
    }
    QSize sizeHint() const override { return {m_editor->lineNumberAreaWidth(), 0}; }

protected:
    void paintEvent(QPaintEvent *event) override { m_editor->paintLineNumbers(event); }

private:
    ScriptTextEdit *m_editor;
};

namespace {

constexpr int gutterPadding = 4; // pixels on each side of the numbers

} // namespace

ScriptTextEdit::ScriptTextEdit(QWidget *parent)
    : QPlainTextEdit(parent)
    , m_colours(syntaxColoursFor(Qt::white, Qt::black))
{
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_lineNumbers = new LineNumberArea(this);
    m_highlighter = new VbScriptHighlighter(document());
    connect(this, &QPlainTextEdit::blockCountChanged, this, &ScriptTextEdit::updateMargins);
    connect(this, &QPlainTextEdit::updateRequest, this, &ScriptTextEdit::followScroll);
    // The current line's number stands out.
    connect(this, &QPlainTextEdit::cursorPositionChanged, m_lineNumbers, qOverload<>(&QWidget::update));
    // Only an edit of the text ends the error mark. Colouring a line
    // changes its formats and reports only that the contents changed.
    connect(document(), &QTextDocument::contentsChange, this, [this](int, int removed, int added) {
        if (m_errorBlock >= 0 && (removed > 0 || added > 0))
            markErrorLine(-1);
    });
    updateMargins();
}

void ScriptTextEdit::setScript(const QString &text)
{
    setPlainText(text);
    // The highlighter skips a text replaced before its first, deferred pass.
    m_highlighter->rehighlight();
    document()->setModified(false);
}

void ScriptTextEdit::setColours(const SyntaxColours &colours)
{
    m_colours = colours;
    m_highlighter->setColours(colours);
    showErrorMark();
    m_lineNumbers->update();
}

void ScriptTextEdit::markErrorLine(int block)
{
    m_errorBlock = block;
    showErrorMark();
}

void ScriptTextEdit::showErrorMark()
{
    QList<QTextEdit::ExtraSelection> marks;
    const QTextBlock block = document()->findBlockByNumber(m_errorBlock);
    if (m_errorBlock >= 0 && block.isValid()) {
        QTextEdit::ExtraSelection mark;
        mark.format.setBackground(m_colours.errorLine);
        mark.format.setProperty(QTextFormat::FullWidthSelection, true);
        mark.cursor = QTextCursor(block);
        marks.append(mark);
    }
    setExtraSelections(marks);
}

int ScriptTextEdit::lineNumberAreaWidth() const
{
    int digits = 1;
    for (int lines = std::max(1, blockCount()); lines >= 10; lines /= 10)
        ++digits;
    // Room for three digits at least, so that the text does not shift while
    // a short script grows.
    digits = std::max(digits, 3);
    return 2 * gutterPadding + fontMetrics().horizontalAdvance(QLatin1Char('9')) * digits;
}

void ScriptTextEdit::updateMargins()
{
    setViewportMargins(lineNumberAreaWidth(), 0, 0, 0);
    const QRect inside = contentsRect();
    m_lineNumbers->setGeometry(inside.left(), inside.top(), lineNumberAreaWidth(), inside.height());
    m_lineNumbers->update();
}

void ScriptTextEdit::followScroll(const QRect &rect, int dy)
{
    if (dy != 0)
        m_lineNumbers->scroll(0, dy);
    else
        m_lineNumbers->update(0, rect.y(), m_lineNumbers->width(), rect.height());
}

void ScriptTextEdit::resizeEvent(QResizeEvent *event)
{
    QPlainTextEdit::resizeEvent(event);
    updateMargins();
}

void ScriptTextEdit::changeEvent(QEvent *event)
{
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        setTabStopDistance(fontMetrics().horizontalAdvance(QLatin1Char(' ')) * indentWidth);
        updateMargins();
    }
}

void ScriptTextEdit::paintLineNumbers(QPaintEvent *event)
{
    QPainter painter(m_lineNumbers);
    painter.fillRect(event->rect(), m_colours.gutterBackground);
    painter.setFont(font());
    const int current = textCursor().blockNumber();
    const QColor currentColour = palette().color(QPalette::Text);
    const int textWidth = m_lineNumbers->width() - gutterPadding;
    const int lineHeight = fontMetrics().height();

    QTextBlock block = firstVisibleBlock();
    qreal top = blockBoundingGeometry(block).translated(contentOffset()).top();
    while (block.isValid() && top <= event->rect().bottom()) {
        const qreal bottom = top + blockBoundingRect(block).height();
        if (block.isVisible() && bottom >= event->rect().top()) {
            painter.setPen(block.blockNumber() == current ? currentColour : m_colours.gutterText);
            painter.drawText(0, qRound(top), textWidth, lineHeight, Qt::AlignRight | Qt::AlignVCenter,
                QString::number(block.blockNumber() + 1));
        }
        block = block.next();
        top = bottom;
    }
}

void ScriptTextEdit::keyPressEvent(QKeyEvent *event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (event->key() == Qt::Key_Tab && modifiers == Qt::NoModifier) {
        const QTextCursor cursor = textCursor();
        if (document()->findBlock(cursor.selectionStart()) != document()->findBlock(cursor.selectionEnd()))
            indentLines(false);
        else
            insertIndent();
        return;
    }
    if (event->key() == Qt::Key_Backtab) {
        indentLines(true);
        return;
    }
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && modifiers == Qt::NoModifier) {
        newLineKeepingIndent();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void ScriptTextEdit::insertIndent()
{
    QTextCursor cursor = textCursor();
    const QTextBlock block = document()->findBlock(cursor.selectionStart());
    const QString before = block.text().left(cursor.selectionStart() - block.position());
    // The column as the user sees it: a tab already in the line reaches the
    // next tab stop.
    int column = 0;
    for (const QChar c : before)
        column = c == u'\t' ? (column / indentWidth + 1) * indentWidth : column + 1;
    cursor.insertText(QString(indentWidth - column % indentWidth, QLatin1Char(' ')));
    setTextCursor(cursor);
}

void ScriptTextEdit::indentLines(bool outdent)
{
    QTextCursor cursor = textCursor();
    const QTextBlock first = document()->findBlock(cursor.selectionStart());
    QTextBlock last = document()->findBlock(cursor.selectionEnd());
    // A selection that ends at the very start of a line does not take it in.
    if (last != first && cursor.selectionEnd() == last.position())
        last = last.previous();

    QTextCursor edit(document());
    edit.beginEditBlock();
    for (QTextBlock block = first; block.isValid(); block = block.next()) {
        const QString text = block.text();
        edit.setPosition(block.position());
        if (outdent) {
            int remove = 0;
            if (text.startsWith(QLatin1Char('\t')))
                remove = 1;
            else
                while (remove < indentWidth && remove < text.size() && text[remove] == u' ')
                    ++remove;
            edit.setPosition(block.position() + remove, QTextCursor::KeepAnchor);
            edit.removeSelectedText();
        } else if (!text.isEmpty()) {
            edit.insertText(QString(indentWidth, QLatin1Char(' ')));
        }
        if (block == last)
            break;
    }
    edit.endEditBlock();

    // Whole lines stay selected, so that Tab can be pressed again.
    if (first != last) {
        cursor.setPosition(first.position());
        cursor.setPosition(last.position() + last.length() - 1, QTextCursor::KeepAnchor);
        setTextCursor(cursor);
    }
}

void ScriptTextEdit::newLineKeepingIndent()
{
    QTextCursor cursor = textCursor();
    const QTextBlock block = document()->findBlock(cursor.selectionStart());
    const QString before = block.text().left(cursor.selectionStart() - block.position());
    qsizetype indent = 0;
    while (indent < before.size() && (before[indent] == u' ' || before[indent] == u'\t'))
        ++indent;
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    cursor.insertBlock();
    cursor.insertText(before.left(indent));
    cursor.endEditBlock();
    setTextCursor(cursor);
    ensureCursorVisible();
}

} // namespace tabulo
