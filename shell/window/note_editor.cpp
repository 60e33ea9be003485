#include "note_editor.h"

#include <QScrollBar>
#include <QTextCursor>

namespace tabulo {

NoteEditor::NoteEditor(QWidget *parent) : QPlainTextEdit(parent)
{
    setUndoRedoEnabled(false);
    QFont editorFont(QStringLiteral("Courier New"), 12);
    editorFont.setStyleHint(QFont::TypeWriter);
    editorFont.setFixedPitch(true);
    setFont(editorFont);
    setWrapping(false);
    setCursorWidth(2);
    setTabChangesFocus(false);
}

bool NoteEditor::setEditorText(const QString &text)
{
    if (toPlainText() == text)
        return false;
    setPlainText(text);
    // setPlainText turns the undo stack back on for a fresh document.
    setUndoRedoEnabled(false);
    return true;
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
