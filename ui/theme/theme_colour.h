#pragma once

#include "core/theme/colour_numbers.h"

#include <QColor>

namespace tabulo {

inline QColor toQColor(ColourNumber colour)
{
    return QColor(redOf(colour), greenOf(colour), blueOf(colour));
}

inline ColourNumber toColourNumber(const QColor &colour)
{
    const QColor rgb = colour.toRgb();
    return colourNumber(rgb.red(), rgb.green(), rgb.blue());
}

} // namespace tabulo
