#pragma once

#include <QPlainTextEdit>

namespace tabulo {

// One of the two note editors (`Text1`, `Editor2`). The widget keeps lines
// apart with "\n"; callers that need the note as files and scripts see it
// convert with toCrLf/fromCrLf.
//
// Its own undo is off: the note's history is the only undo. Assigning the
// text it already holds raises no change, which the two editors rely on
// when they copy each other's text.
class NoteEditor : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit NoteEditor(QWidget *parent = nullptr);

    // The text exactly as typed or loaded: unlike toPlainText(), which turns
    // non-breaking spaces into spaces and Unicode line separators into line
    // breaks, so a note saved from it would silently differ from its file.
    QString editorText() const;
    // Returns false (and changes nothing) when the text is already there.
    bool setEditorText(const QString &text);

    void moveCaretToEnd();
    // Lines are long and scrolled sideways, or wrapped to the width.
    void setWrapping(bool wrap);

    void setFontPointSize(qreal points);
    qreal fontPointSize() const { return font().pointSizeF(); }

signals:
    // The mouse button went up: a selection made with the mouse is complete.
    void mouseReleased();

protected:
    bool event(QEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};

} // namespace tabulo
