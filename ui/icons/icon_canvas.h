#pragma once

// Every picture is drawn once, in its own design grid (16 units for toolbar
// icons, 48 for the quit pictures, ...), and mapped onto whatever box and
// device pixel ratio the caller asks for. Outlines of one unit sit on half
// units, so at whole-number scales they fall exactly on device pixels.

#include <QPixmap>
#include <QRectF>
#include <QSize>
#include <QSizeF>

#include <functional>

class QPainter;

namespace tabulo::icons {

using DesignDrawing = std::function<void(QPainter &)>;

// Maps designBox (at the origin) into target, keeping its proportions and
// centring it, with antialiasing on; the painter's state is restored after.
void paintInBox(QPainter &painter, const QRectF &target, QSizeF designBox, const DesignDrawing &draw);

// The point nearest to `logical` that lies on a whole device pixel of the
// painter's device, the widget's own offset and the device pixel ratio
// included. A picture drawn from there has its outlines on the same pixel
// boundaries as in its own pixmap: at a ratio of 1.5, an odd logical
// position would otherwise put every edge across two pixels.
QPointF onDevicePixel(const QPainter &painter, QPointF logical);

// A transparent pixmap of logicalSize * dpr device pixels carrying dpr, with
// the drawing mapped onto its whole logical area. Null for an empty size or a
// ratio that is not positive.
QPixmap renderPicture(QSize logicalSize, qreal dpr, QSizeF designBox, const DesignDrawing &draw);

} // namespace tabulo::icons
