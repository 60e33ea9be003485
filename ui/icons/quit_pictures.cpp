#include "ui/icons/tabulo_icons.h"

#include "ui/icons/icon_canvas.h"
#include "ui/icons/icon_palette.h"
#include "ui/icons/icon_shapes.h"

#include <QPainter>
#include <QPolygonF>

#include <array>

// The three choices of the quit dialog, on a 48-unit grid. Each sits on a disc
// or bar of its own colour so the buttons tell apart at a glance: red to stop
// the program, blue to keep it in the tray, grey to go back to the note.

namespace tabulo::icons {
namespace {

constexpr QSizeF designGrid {48, 48};
constexpr QPointF discCentre {24, 24};
constexpr qreal discRadius = 21;

void drawDisc(QPainter &p, const QColor &fill, const QColor &edge)
{
    p.setPen(QPen(edge, 1.5));
    p.setBrush(fill);
    p.drawEllipse(discCentre, discRadius, discRadius);
}

void drawExitProgram(QPainter &p)
{
    drawDisc(p, palette::red, palette::redDark);
    // The power sign: a ring open at the top with a bar through the gap.
    QPainterPath ring;
    const QRectF ringBox(14, 14, 20, 20);
    ring.arcMoveTo(ringBox, 125);
    ring.arcTo(ringBox, 125, 290);
    p.setPen(strokePen(palette::highlight, 4));
    p.setBrush(Qt::NoBrush);
    p.drawPath(ring);
    p.drawLine(QPointF(24, 10.5), QPointF(24, 23));
}

void drawSendToTray(QPainter &p)
{
    // The tray: a task bar with the program's slot lit where the window lands.
    fillAndOutline(p, roundedBox(QRectF(2.5, 37.5, 43, 8), 2), palette::slate, palette::ink);
    p.fillRect(QRectF(19, 39, 10, 5), palette::blueLight);
    p.fillRect(QRectF(34, 40, 3, 3), palette::metal);
    p.fillRect(QRectF(39, 40, 3, 3), palette::metal);

    const QRectF window(8.5, 2.5, 31, 20);
    fillAndOutline(p, window, palette::paper, palette::blueDark);
    p.fillRect(QRectF(9, 3, 30, 5), palette::blue);
    drawLines(p, palette::textLine, 1.0,
        {QLineF(12, 12.5, 32, 12.5), QLineF(12, 15.5, 28, 15.5), QLineF(12, 18.5, 30, 18.5)});

    // An arrow from the window down to its slot.
    p.setPen(strokePen(palette::highlight, 1.5));
    p.setBrush(palette::green);
    const QPolygonF arrow {QPointF(21, 19), QPointF(27, 19), QPointF(27, 27), QPointF(32, 27), QPointF(24, 36),
        QPointF(16, 27), QPointF(21, 27)};
    p.drawPolygon(arrow);
    p.setPen(strokePen(palette::greenDark, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(arrow);
}

void drawCancelQuit(QPainter &p)
{
    drawDisc(p, palette::paperFold, palette::metalDark);
    // The toolbar's back arrow at twice its size; its strokes span (0.5, 0.5)
    // to (13.5, 13) of its grid, so this puts their middle on the disc's.
    p.translate(10, 10.5);
    p.scale(2, 2);
    drawBackArrow(p, palette::blueDark);
}

constexpr std::array<void (*)(QPainter &), quitPictureCount> drawings {
    drawExitProgram,
    drawSendToTray,
    drawCancelQuit,
};

} // namespace

QPixmap quitDialogPicture(int index, qreal dpr)
{
    if (index < 0 || index >= quitPictureCount)
        return {};
    return renderPicture(quitPictureSize, dpr, designGrid, drawings[index]);
}

} // namespace tabulo::icons
