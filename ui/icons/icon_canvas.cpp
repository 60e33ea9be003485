#include "ui/icons/icon_canvas.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace tabulo::icons {

void paintInBox(QPainter &painter, const QRectF &target, QSizeF designBox, const DesignDrawing &draw)
{
    if (designBox.isEmpty() || target.isEmpty())
        return;
    const qreal scale = std::min(target.width() / designBox.width(), target.height() / designBox.height());
    const QSizeF drawn = designBox * scale;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.translate(
        target.x() + (target.width() - drawn.width()) / 2, target.y() + (target.height() - drawn.height()) / 2);
    painter.scale(scale, scale);
    draw(painter);
    painter.restore();
}

QPointF onDevicePixel(const QPainter &painter, QPointF logical)
{
    const QTransform toDevice = painter.deviceTransform();
    bool invertible = false;
    const QTransform fromDevice = toDevice.inverted(&invertible);
    if (!invertible)
        return logical;
    const QPointF device = toDevice.map(logical);
    return fromDevice.map(QPointF(std::round(device.x()), std::round(device.y())));
}

QPixmap renderPicture(QSize logicalSize, qreal dpr, QSizeF designBox, const DesignDrawing &draw)
{
    if (logicalSize.isEmpty() || !(dpr > 0))
        return {};
    QPixmap pixmap(std::lround(logicalSize.width() * dpr), std::lround(logicalSize.height() * dpr));
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    paintInBox(painter, QRectF(QPointF(0, 0), QSizeF(logicalSize)), designBox, draw);
    return pixmap;
}

} // namespace tabulo::icons
