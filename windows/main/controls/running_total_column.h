#pragma once

#include <QColor>
#include <QWidget>

namespace tabulo {

class NoteEditor;
class NoteSession;

// A column at the right of a note editor that shows, beside each line that
// changed the total, the running total after that line. It only reads the
// session's per-line results, already kept up to date edit by edit, and
// paints the lines on screen: a keystroke costs what painting one screenful
// of numbers costs, whatever the note's size. It never touches the editor's
// document, so the text, its selection and its history are left alone.
//
// Each editor gets its own column; only the one of the visible editor is
// seen. While off, the column is hidden, gives its margin back to the text
// and listens to nothing.
//
// A screen reader cannot read a painted column, so while on, the editor's
// accessible description is the caret line's value after the column's
// accessible name ("Totale di riga: 12,5"; nothing on a line that does not
// count). Screen readers speak a change of the focused control's
// description, so moving to another line says its running total.
class RunningTotalColumn : public QWidget
{
    Q_OBJECT
public:
    RunningTotalColumn(NoteEditor *editor, const NoteSession &session);

    void setOn(bool on);
    bool isOn() const { return m_on; }
    // The colours of a positive and of a negative total; an invalid colour
    // keeps the editor's text colour.
    void setColours(const QColor &positive, const QColor &negative);

    // What the column shows on the editor's line `block`: empty for a line
    // that does not count (or that the note does not hold).
    QString valueText(int block) const;
    // What the editor's accessible description says now.
    QString caretLineDescription() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void placeBesideViewport();
    // Widens the column when a value on screen would not fit; it never
    // narrows while on, so the text beside it does not jump back and forth.
    void fitVisibleValues();
    int widthFor(const QString &value) const;
    void describeCaretLine();

    NoteEditor *m_editor;
    const NoteSession &m_session;
    QColor m_positive;
    QColor m_negative;
    bool m_on = false;
    int m_width = 0;
    QList<QMetaObject::Connection> m_connections;
};

} // namespace tabulo
