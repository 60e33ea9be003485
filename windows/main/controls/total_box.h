#pragma once

#include <QLineEdit>

namespace tabulo {

// A totals box (`Text2`, `Text3`): one line of text on a dark band. Its
// change signal, `totalChanged`, fires only when the text really changes,
// whether the user or the program changed it.
class TotalBox : public QLineEdit
{
    Q_OBJECT
public:
    explicit TotalBox(QWidget *parent = nullptr);

    void setTotal(const QString &text);
    void setTextColour(const QColor &colour);
    void setBackgroundColour(const QColor &colour);

signals:
    // The text the box now shows.
    void totalChanged(const QString &shown);
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    QString m_lastText;
};

} // namespace tabulo
