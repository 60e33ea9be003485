#include "windows/main/controls/status_bar.h"

#include "ui/icons/tabulo_icons.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QSizeGrip>

namespace tabulo {

namespace {

// The size-grip picture; dragging it resizes the window like any grip.
class PictureSizeGrip : public QSizeGrip
{
public:
    explicit PictureSizeGrip(QWidget *parent)
        : QSizeGrip(parent)
    {
        setObjectName(QStringLiteral("Image2"));
        setFixedSize(18, 17);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.drawPixmap(0, 0, icons::sizeGripPicture(devicePixelRatioF()));
    }
};

} // namespace

StatusBar::StatusBar(Twips twips, QWidget *parent)
    : QWidget(parent)
    , m_twips(twips)
{
    setObjectName(QStringLiteral("Picture4"));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(0xF0, 0xF0, 0xF0));
    p.setColor(QPalette::WindowText, Qt::black);
    setPalette(p);

    for (int i = 0; i < panelCount; ++i) {
        auto *label = new QLabel(this);
        label->setObjectName(QStringLiteral("sbStatusBar(%1)").arg(i));
        const int right = i + 1 < panelCount ? lineXTwips[size_t(i)] : panelLeftTwips[size_t(i)] + 1440;
        label->setGeometry(m_twips.toPixels(panelLeftTwips[size_t(i)]), m_twips.toPixels(40) - 2,
            m_twips.toPixels(right - panelLeftTwips[size_t(i)]) - 4, m_twips.toPixels(heightTwips - 40) + 2);
        QFont small = label->font();
        small.setPointSizeF(8);
        label->setFont(small);
        m_panels[size_t(i)] = label;
    }
    for (size_t i = 0; i < m_lines.size(); ++i) {
        auto *line = new QFrame(this);
        line->setObjectName(QStringLiteral("Line%1").arg(i + 1));
        line->setFrameShape(QFrame::NoFrame);
        line->setAutoFillBackground(true);
        QPalette lp = line->palette();
        lp.setColor(QPalette::Window, QColor(0x80, 0x80, 0x80));
        line->setPalette(lp);
        line->setGeometry(m_twips.toPixels(lineXTwips[i]), 0, 1, m_twips.toPixels(360));
        m_lines[i] = line;
    }
    m_grip = new PictureSizeGrip(this);
}

void StatusBar::placeSizeGrip()
{
    m_grip->move(width() - m_grip->width() - m_twips.toPixels(10), height() - m_grip->height());
}

void StatusBar::resizeEvent(QResizeEvent *)
{
    placeSizeGrip();
}

} // namespace tabulo
