#include "windows/main/controls/toolbar.h"

#include "ui/icons/tabulo_icons.h"

#include <QMouseEvent>
#include <QPainter>

namespace tabulo {

Toolbar::Toolbar(Twips twips, QWidget *parent)
    : QWidget(parent)
    , m_twips(twips)
{
    setObjectName(QStringLiteral("Picture3"));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(0xF0, 0xF0, 0xF0));
    setPalette(p);
    for (int i = 0; i < toolCount; ++i) {
        auto *area = new QLabel(this);
        area->setObjectName(QStringLiteral("tool(%1)").arg(i));
        area->setAttribute(Qt::WA_TranslucentBackground);
        area->setCursor(Qt::PointingHandCursor);
        area->setGeometry(m_twips.toPixels(toolLeftTwips[size_t(i)]), 0, m_twips.toPixels(toolWidthTwips),
            m_twips.toPixels(heightTwips));
        area->installEventFilter(this);
        m_tools[size_t(i)] = area;
    }
}

void Toolbar::paintEvent(QPaintEvent *)
{
    // `Image1`: the icons drawn under the click areas.
    QPainter painter(this);
    QList<int> lefts;
    for (int left : toolLeftTwips)
        lefts << m_twips.toPixels(left);
    icons::paintToolbarStrip(
        painter, lefts, m_twips.toPixels(toolWidthTwips), height(), m_twips.toPixels(iconSideTwips));
}

bool Toolbar::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        auto *area = qobject_cast<QLabel *>(watched);
        if (mouse->button() == Qt::LeftButton && area && area->rect().contains(mouse->position().toPoint())) {
            const auto found = std::find(m_tools.begin(), m_tools.end(), area);
            if (found != m_tools.end())
                emit toolClicked(int(found - m_tools.begin()));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tabulo
