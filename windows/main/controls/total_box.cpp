#include "windows/main/controls/total_box.h"

#include <QTimer>

namespace tabulo {

TotalBox::TotalBox(QWidget *parent)
    : QLineEdit(parent)
{
    QFont boxFont(QStringLiteral("Courier New"), 12);
    boxFont.setStyleHint(QFont::TypeWriter);
    setFont(boxFont);
    setFrame(false);
    setText(QStringLiteral("0"));
    m_lastText = text();
    setBackgroundColour(Qt::black);
    setTextColour(Qt::white);
    connect(this, &QLineEdit::textChanged, this, [this](const QString &now) {
        if (now == m_lastText)
            return;
        m_lastText = now;
        emit totalChanged(now);
    });
}

void TotalBox::setTotal(const QString &text)
{
    if (text != this->text())
        setText(text);
}

void TotalBox::setTextColour(const QColor &colour)
{
    QPalette p = palette();
    p.setColor(QPalette::Text, colour);
    setPalette(p);
}

void TotalBox::setBackgroundColour(const QColor &colour)
{
    QPalette p = palette();
    p.setColor(QPalette::Base, colour);
    p.setColor(QPalette::Window, colour);
    setPalette(p);
}

void TotalBox::mousePressEvent(QMouseEvent *event)
{
    QLineEdit::mousePressEvent(event);
    emit clicked();
}

void TotalBox::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    // Getting the focus selects the whole total, ready to copy; deferred so
    // the mouse press that gave the focus does not undo the selection.
    QTimer::singleShot(0, this, [this] { setSelection(0, text().size()); });
}

} // namespace tabulo
