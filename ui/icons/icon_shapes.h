#pragma once

// Drawing pieces that several pictures share, in design units.

#include <QColor>
#include <QLineF>
#include <QPainterPath>
#include <QPen>
#include <QRectF>

#include <initializer_list>

class QPainter;

namespace tabulo::icons {

// Square joins keep the corners of boxes crisp; round caps suit free strokes.
QPen outlinePen(const QColor &colour, qreal width = 1.0);
QPen strokePen(const QColor &colour, qreal width);

QPainterPath roundedBox(const QRectF &rect, qreal radius);
// The polygon through corners, closed back to the first.
QPainterPath closedPath(std::initializer_list<QPointF> corners);

void fillAndOutline(
    QPainter &painter, const QPainterPath &path, const QColor &fill, const QColor &edge, qreal width = 1.0);
void fillAndOutline(QPainter &painter, const QRectF &rect, const QColor &fill, const QColor &edge, qreal width = 1.0);
void drawLines(QPainter &painter, const QColor &colour, qreal width, std::initializer_list<QLineF> lines);

// A sheet whose top-right corner is folded down by `fold` units.
void drawFoldedPage(QPainter &painter, const QRectF &rect, qreal fold, const QColor &fill, const QColor &edge);

// A round marker with a light rim that separates it from what lies beneath.
void drawBadge(QPainter &painter, QPointF centre, qreal radius, const QColor &fill, const QColor &edge);
void drawPlusGlyph(QPainter &painter, QPointF centre, qreal halfLength, qreal width, const QColor &colour);

// A right-pointing triangle filling box, with a light halo so it stands out
// over a page.
void drawPlayTriangle(QPainter &painter, const QRectF &box, const QColor &fill, const QColor &edge);

// The "go back" hook arrow in a 16-unit box, its head on the left; mirror it
// for "go forward".
void drawBackArrow(QPainter &painter, const QColor &colour);

} // namespace tabulo::icons
