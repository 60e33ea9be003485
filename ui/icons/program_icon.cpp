#include "ui/icons/tabulo_icons.h"

#include "ui/icons/icon_canvas.h"
#include "ui/icons/icon_palette.h"
#include "ui/icons/icon_shapes.h"

#include <QPainter>

// The program's own picture: a notepad whose lines are added up, a plus and a
// minus above a rule and a green total below it. Scaled down, the detailed
// drawing turns to mush, so 16 and 24 pixels get a simpler one on a 16-unit
// grid with whole-pixel parts.

namespace tabulo::icons {
namespace {

constexpr int smallestDetailedSize = 32;

void drawProgramIconSmall(QPainter &p)
{
    fillAndOutline(p, QRectF(1.5, 0.5, 13, 15), palette::paper, palette::ink);
    p.fillRect(QRectF(2, 1, 12, 3), palette::blue);

    drawPlusGlyph(p, QPointF(4.5, 6.5), 1.5, 1.0, palette::blue);
    drawLines(p, palette::textLine, 1.0, {QLineF(7, 6.5, 12, 6.5), QLineF(8, 9.5, 12, 9.5)});
    drawLines(p, palette::red, 1.0, {QLineF(3, 9.5, 6, 9.5)});
    drawLines(p, palette::ink, 1.0, {QLineF(3, 11.5, 13, 11.5)});
    p.fillRect(QRectF(7, 13, 6, 2), palette::green);
}

void drawProgramIconDetailed(QPainter &p)
{
    fillAndOutline(p, roundedBox(QRectF(4.5, 3.5, 23, 26), 1.5), palette::paper, palette::ink);
    fillAndOutline(p, roundedBox(QRectF(4.5, 3.5, 23, 6), 1.5), palette::blue, palette::blueDark);
    // Binding rings over the top edge.
    for (qreal x : {9.0, 14.0, 19.0, 24.0})
        fillAndOutline(p, roundedBox(QRectF(x - 1, 1, 2, 5), 1), palette::metal, palette::ink, 0.75);

    drawPlusGlyph(p, QPointF(9.5, 13.5), 2.5, 2.0, palette::blue);
    drawLines(p, palette::red, 2.0, {QLineF(7, 18.5, 12, 18.5)});
    drawLines(p, palette::textLine, 2.0, {QLineF(15, 13.5, 25, 13.5), QLineF(17, 18.5, 25, 18.5)});
    drawLines(p, palette::ink, 1.0, {QLineF(7, 21.5, 25, 21.5)});
    drawLines(p, palette::ink, 1.0, {QLineF(7, 24.5, 11, 24.5), QLineF(7, 26.5, 11, 26.5)});
    p.fillRect(QRectF(14, 24, 11, 3), palette::green);
}

} // namespace

QList<int> programIconSizes()
{
    return {16, 24, 32, 48, 256};
}

QPixmap programIconPixmap(int sizePx, qreal dpr)
{
    const QSize size(sizePx, sizePx);
    if (sizePx * dpr < smallestDetailedSize)
        return renderPicture(size, dpr, QSizeF(16, 16), drawProgramIconSmall);
    return renderPicture(size, dpr, QSizeF(32, 32), drawProgramIconDetailed);
}

void paintProgramIcon(QPainter &painter, const QRectF &target)
{
    paintInBox(painter, target, QSizeF(32, 32), drawProgramIconDetailed);
}

QIcon programIcon()
{
    QIcon icon;
    for (int size : programIconSizes())
        icon.addPixmap(programIconPixmap(size));
    return icon;
}

} // namespace tabulo::icons
