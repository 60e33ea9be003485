#include "ui/icons/tabulo_icons.h"

#include "ui/icons/icon_canvas.h"
#include "ui/icons/icon_palette.h"
#include "ui/icons/icon_shapes.h"

#include <QPainter>
#include <QPolygonF>

#include <array>

// Each icon is drawn on a 16-unit grid with one-unit outlines on half units,
// so at 16 and 32 device pixels every straight edge lands on whole pixels.
// Nothing, halos included, may reach past the grid: the toolbar strip draws
// the icons unclipped, side by side.

namespace tabulo::icons {
namespace {

constexpr QSizeF designGrid {16, 16};

void drawNewNote(QPainter &p)
{
    drawFoldedPage(p, QRectF(3.5, 1.5, 10, 13), 4, palette::paper, palette::ink);
}

void drawOpenNote(QPainter &p)
{
    const QPainterPath back = closedPath({{1.5, 2.5}, {5.5, 2.5}, {7.0, 4.5}, {12.5, 4.5}, {12.5, 13.5}, {1.5, 13.5}});
    fillAndOutline(p, back, palette::folder, palette::folderInk);

    fillAndOutline(p, QRectF(3.5, 5.5, 7, 5), palette::paper, palette::textLine);

    const QPainterPath front = closedPath({{4.0, 7.5}, {14.5, 7.5}, {12.5, 13.5}, {1.5, 13.5}});
    fillAndOutline(p, front, palette::folderLight, palette::folderInk);
}

void drawSaveNote(QPainter &p)
{
    // The cut corner is how a floppy shows which way round it goes in.
    const QPainterPath body = closedPath({{1.5, 1.5}, {12.5, 1.5}, {14.5, 3.5}, {14.5, 14.5}, {1.5, 14.5}});
    fillAndOutline(p, body, palette::blue, palette::blueDark);

    fillAndOutline(p, QRectF(4.5, 1.5, 7, 4), palette::metal, palette::blueDark);
    p.fillRect(QRectF(9, 2, 1.5, 3), palette::slate);
    fillAndOutline(p, QRectF(3.5, 8.5, 9, 6), palette::paper, palette::blueDark);
    drawLines(p, palette::textLine, 1.0, {QLineF(5, 11.5, 11, 11.5)});
}

// A rolled sheet: the script as the program files it, marked by a badge.
void drawScroll(QPainter &p)
{
    fillAndOutline(p, QRectF(2.5, 3.5, 9, 9), palette::parchment, palette::parchmentInk);
    drawLines(
        p, palette::parchmentInk, 1.0, {QLineF(4, 6.5, 10, 6.5), QLineF(4, 8.5, 8, 8.5), QLineF(4, 10.5, 9, 10.5)});
    QPainterPath rolls;
    rolls.addRoundedRect(QRectF(1.5, 1.5, 11, 3), 1.5, 1.5);
    rolls.addRoundedRect(QRectF(1.5, 11.5, 11, 3), 1.5, 1.5);
    fillAndOutline(p, rolls, palette::parchmentRoll, palette::parchmentInk);
}

void drawInsertScript(QPainter &p)
{
    drawScroll(p);
    const QPointF centre(11.5, 11.5);
    drawBadge(p, centre, 3.5, palette::blue, palette::blueDark);
    drawPlusGlyph(p, centre, 2, 1.5, palette::highlight);
}

void drawRunScript(QPainter &p)
{
    drawScroll(p);
    drawPlayTriangle(p, QRectF(8.5, 7.5, 6, 7), palette::green, palette::greenDark);
}

void drawUndo(QPainter &p)
{
    drawBackArrow(p, palette::blue);
}

void drawRedo(QPainter &p)
{
    p.translate(designGrid.width(), 0);
    p.scale(-1, 1);
    drawBackArrow(p, palette::blue);
}

void drawCut(QPainter &p)
{
    p.setPen(strokePen(palette::metalDark, 1.6));
    p.drawLine(QPointF(5.8, 9.8), QPointF(11.0, 1.5));
    p.drawLine(QPointF(10.2, 9.8), QPointF(5.0, 1.5));
    p.setPen(Qt::NoPen);
    p.setBrush(palette::ink);
    p.drawEllipse(QPointF(8, 6.5), 0.9, 0.9);

    p.setPen(strokePen(palette::red, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(4.5, 12), 2.3, 2.3);
    p.drawEllipse(QPointF(11.5, 12), 2.3, 2.3);
}

void drawLinedSheet(QPainter &p, const QRectF &sheet, const QColor &lines)
{
    fillAndOutline(p, sheet, palette::paper, palette::ink);
    const qreal left = sheet.left() + 2;
    const qreal right = sheet.right() - 2;
    for (qreal y = sheet.top() + 3; y < sheet.bottom() - 1; y += 2)
        drawLines(p, lines, 1.0, {QLineF(left, y, right, y)});
}

void drawCopy(QPainter &p)
{
    drawLinedSheet(p, QRectF(1.5, 1.5, 8, 10), palette::textLine);
    drawLinedSheet(p, QRectF(6.5, 4.5, 8, 10), palette::blue);
}

void drawPaste(QPainter &p)
{
    fillAndOutline(p, roundedBox(QRectF(2.5, 2.5, 11, 12), 1.5), palette::wood, palette::woodDark);
    drawLinedSheet(p, QRectF(4.5, 5.5, 7, 8), palette::blue);
    fillAndOutline(p, roundedBox(QRectF(5.5, 1.5, 5, 3), 1), palette::metal, palette::ink);
}

void drawFindReplace(QPainter &p)
{
    p.setPen(strokePen(palette::ink, 3.0));
    p.drawLine(QPointF(10.5, 10.5), QPointF(14, 14));
    p.setPen(QPen(palette::ink, 1.5));
    p.setBrush(palette::blueLight);
    p.drawEllipse(QPointF(6.5, 6.5), 4.5, 4.5);
    p.setPen(strokePen(palette::highlight, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(4, 4, 5, 5), 100 * 16, 70 * 16);
}

void drawCalculator(QPainter &p)
{
    fillAndOutline(p, roundedBox(QRectF(2.5, 0.5, 11, 15), 1.5), palette::slate, palette::ink);
    p.fillRect(QRectF(4, 2, 8, 3), palette::display);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            const bool equalsKey = row == 2 && column == 2;
            p.fillRect(QRectF(4 + 3 * column, 6 + 3 * row, 2, 2), equalsKey ? palette::orange : palette::paper);
        }
    }
}

void drawHelp(QPainter &p)
{
    p.setPen(QPen(palette::blueDark, 1.0));
    p.setBrush(palette::blue);
    p.drawEllipse(QPointF(8, 8), 7, 7);

    QPainterPath hook;
    hook.moveTo(5.5, 6.0);
    hook.cubicTo(5.5, 2.8, 10.5, 2.8, 10.5, 6.0);
    hook.cubicTo(10.5, 8.0, 8.0, 7.8, 8.0, 9.8);
    p.setPen(strokePen(palette::highlight, 2.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(hook);
    p.setPen(Qt::NoPen);
    p.setBrush(palette::highlight);
    p.drawEllipse(QPointF(8, 12.4), 1.2, 1.2);
}

// In toolbar order; the ToolbarIcon enumerators index this table.
constexpr std::array<void (*)(QPainter &), toolbarIconCount> drawings {
    drawNewNote,
    drawOpenNote,
    drawSaveNote,
    drawInsertScript,
    drawRunScript,
    drawUndo,
    drawRedo,
    drawCut,
    drawCopy,
    drawPaste,
    drawFindReplace,
    drawCalculator,
    drawHelp,
};

bool isToolbarIndex(int index)
{
    return index >= 0 && index < toolbarIconCount;
}

} // namespace

void paintToolbarIcon(QPainter &painter, int index, const QRectF &target)
{
    if (isToolbarIndex(index))
        paintInBox(painter, target, designGrid, drawings[index]);
}

QPixmap toolbarIconPixmap(int index, QSize logicalSize, qreal dpr)
{
    if (!isToolbarIndex(index))
        return {};
    return renderPicture(logicalSize, dpr, designGrid, drawings[index]);
}

QIcon toolbarIcon(int index)
{
    QIcon icon;
    if (!isToolbarIndex(index))
        return icon;
    for (int side : {16, 24, 32, 48})
        icon.addPixmap(toolbarIconPixmap(index, QSize(side, side), 1.0));
    return icon;
}

void paintToolbarStrip(QPainter &painter, const QList<int> &xPositionsPx, int cellWidthPx, int heightPx, int iconSidePx)
{
    const int left = (cellWidthPx - iconSidePx) / 2;
    const int top = (heightPx - iconSidePx) / 2;
    const int count = std::min<int>(xPositionsPx.size(), toolbarIconCount);
    for (int index = 0; index < count; ++index) {
        const QPointF corner = onDevicePixel(painter, QPointF(xPositionsPx[index] + left, top));
        paintToolbarIcon(painter, index, QRectF(corner, QSizeF(iconSidePx, iconSidePx)));
    }
}

} // namespace tabulo::icons
