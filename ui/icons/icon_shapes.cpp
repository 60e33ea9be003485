#include "ui/icons/icon_shapes.h"

#include "ui/icons/icon_palette.h"

#include <QPainter>
#include <QPolygonF>

namespace tabulo::icons {

QPen outlinePen(const QColor &colour, qreal width)
{
    QPen pen(colour, width);
    pen.setJoinStyle(Qt::MiterJoin);
    pen.setCapStyle(Qt::SquareCap);
    return pen;
}

QPen strokePen(const QColor &colour, qreal width)
{
    QPen pen(colour, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

QPainterPath roundedBox(const QRectF &rect, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

QPainterPath closedPath(std::initializer_list<QPointF> corners)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(corners)));
    path.closeSubpath();
    return path;
}

void fillAndOutline(QPainter &painter, const QPainterPath &path, const QColor &fill, const QColor &edge, qreal width)
{
    painter.setPen(outlinePen(edge, width));
    painter.setBrush(fill);
    painter.drawPath(path);
}

void fillAndOutline(QPainter &painter, const QRectF &rect, const QColor &fill, const QColor &edge, qreal width)
{
    QPainterPath path;
    path.addRect(rect);
    fillAndOutline(painter, path, fill, edge, width);
}

void drawLines(QPainter &painter, const QColor &colour, qreal width, std::initializer_list<QLineF> lines)
{
    QPen pen(colour, width);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    for (const QLineF &line : lines)
        painter.drawLine(line);
}

void drawFoldedPage(QPainter &painter, const QRectF &rect, qreal fold, const QColor &fill, const QColor &edge)
{
    const qreal foldX = rect.right() - fold;
    const qreal foldY = rect.top() + fold;
    fillAndOutline(painter,
        closedPath({rect.topLeft(), QPointF(foldX, rect.top()), QPointF(rect.right(), foldY), rect.bottomRight(),
            rect.bottomLeft()}),
        fill, edge);
    fillAndOutline(painter,
        closedPath({QPointF(foldX, rect.top()), QPointF(foldX, foldY), QPointF(rect.right(), foldY)}),
        palette::paperFold, edge);
}

void drawBadge(QPainter &painter, QPointF centre, qreal radius, const QColor &fill, const QColor &edge)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette::highlight);
    painter.drawEllipse(centre, radius + 1, radius + 1);
    painter.setPen(QPen(edge, 1.0));
    painter.setBrush(fill);
    painter.drawEllipse(centre, radius - 0.5, radius - 0.5);
}

void drawPlusGlyph(QPainter &painter, QPointF centre, qreal halfLength, qreal width, const QColor &colour)
{
    QPen pen(colour, width);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    painter.drawLine(QPointF(centre.x() - halfLength, centre.y()), QPointF(centre.x() + halfLength, centre.y()));
    painter.drawLine(QPointF(centre.x(), centre.y() - halfLength), QPointF(centre.x(), centre.y() + halfLength));
}

void drawPlayTriangle(QPainter &painter, const QRectF &box, const QColor &fill, const QColor &edge)
{
    const QPolygonF triangle {box.topLeft(), QPointF(box.right(), box.center().y()), box.bottomLeft()};
    QPen halo = strokePen(palette::highlight, 3.0);
    painter.setPen(halo);
    painter.setBrush(palette::highlight);
    painter.drawPolygon(triangle);
    QPen rim = strokePen(edge, 1.0);
    painter.setPen(rim);
    painter.setBrush(fill);
    painter.drawPolygon(triangle);
}

void drawBackArrow(QPainter &painter, const QColor &colour)
{
    // A hook: the shaft leaves the head, turns round a half circle and comes
    // back underneath, the shape people know from every editor's Undo.
    QPainterPath hook;
    hook.moveTo(5.0, 5.0);
    hook.lineTo(9.0, 5.0);
    hook.arcTo(QRectF(5.5, 5.0, 7.0, 7.0), 90, -180);
    hook.lineTo(6.0, 12.0);
    painter.setPen(strokePen(colour, 2.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(hook);

    const QPolygonF head {QPointF(1.0, 5.0), QPointF(6.0, 1.0), QPointF(6.0, 9.0)};
    painter.setPen(strokePen(colour, 1.0));
    painter.setBrush(colour);
    painter.drawPolygon(head);
}

} // namespace tabulo::icons
