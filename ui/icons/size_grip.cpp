#include "ui/icons/tabulo_icons.h"

#include "ui/icons/icon_canvas.h"
#include "ui/icons/icon_palette.h"

#include <QPainter>

// The status bar's resize corner: a triangle of raised dots, each a grey
// square with a white one below and to its right, packed into the bottom-right
// corner so the picture lines up with the window's edge.

namespace tabulo::icons {
namespace {

constexpr int dotPitch = 4;
constexpr int dotRows = 3;

void drawGripDots(QPainter &p)
{
    const int right = sizeGripSize.width() - 1;
    const int bottom = sizeGripSize.height() - 1;
    for (int row = 0; row < dotRows; ++row) {
        for (int column = 0; column + row < dotRows; ++column) {
            const int x = right - 3 - column * dotPitch;
            const int y = bottom - 3 - row * dotPitch;
            p.fillRect(QRect(x + 1, y + 1, 2, 2), palette::highlight);
            p.fillRect(QRect(x, y, 2, 2), palette::gripDot);
        }
    }
}

} // namespace

QPixmap sizeGripPicture(qreal dpr)
{
    return renderPicture(sizeGripSize, dpr, QSizeF(sizeGripSize), drawGripDots);
}

} // namespace tabulo::icons
