#pragma once

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTimer>
#include <QUrl>

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
    // The same for a note just opened: a big one goes in in slices between
    // which the window answers, the first at once. Until the last is in,
    // the editor holds the beginning of the text and can be edited there;
    // editorText() is the whole text all along.
    void fillEditorText(const QString &text);
    // The characters not yet in the editor, and putting them in now (before
    // a position past the filled part is used).
    qsizetype unfilledLength() const { return m_unfilled.size() - m_unfilledFrom; }
    void completeFill();
    // True while a slice goes in: its change of the document is not an edit.
    bool isFillingIn() const { return m_fillingIn; }

    // Texts at least this long are filled in slices.
    static constexpr qsizetype fillInSlicesFrom = 1 << 20;

    void moveCaretToEnd();
    // Lines are long and scrolled sideways, or wrapped to the width.
    void setWrapping(bool wrap);

    // What a column painted beside the text needs: the first block on
    // screen, where a block stands in viewport coordinates, and room at the
    // viewport's right.
    QTextBlock topVisibleBlock() const { return firstVisibleBlock(); }
    QRectF blockRect(const QTextBlock &block) const { return blockBoundingGeometry(block).translated(contentOffset()); }
    void setRightMargin(int width) { setViewportMargins(0, 0, width, 0); }

    void setFontPointSize(qreal points);
    qreal fontPointSize() const { return font().pointSizeF(); }

signals:
    // A mouse button went down (after the editor has handled it).
    void mousePressed(Qt::MouseButton button, const QPoint &globalPosition);
    // The mouse button went up: a selection made with the mouse is complete.
    void mouseReleased();
    void focusReceived();
    // Files were dropped on the editor; a drop of text is an ordinary edit.
    void filesDropped(const QList<QUrl> &files);
    // A paste or a drop was refused: it held a line longer than a note may.
    void longLineRefused();
    // The last slice of a text filled in slices is in.
    void filled();

protected:
    bool event(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    // The window shows its own menu on a right-button press instead.
    void contextMenuEvent(QContextMenuEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    void cancelFill();
    void fillSome();
    void finishFill();
    void appendSlice(qsizetype end);

    QString m_unfilled; // the text being filled, from m_unfilledFrom on
    qsizetype m_unfilledFrom = 0;
    QTimer m_fillTimer;
    bool m_fillingIn = false;
};

} // namespace tabulo
