#include "windows/main/controls/colour_number.h"

#include "ui/theme/theme_colour.h"

namespace tabulo {

std::optional<QColor> colourFromNumberText(const QString &text)
{
    const auto number = parseColourNumber(text);
    if (!number)
        return std::nullopt;
    return toQColor(*number);
}

} // namespace tabulo
