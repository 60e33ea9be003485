#pragma once

#include <QColor>
#include <QString>

#include <optional>

namespace tabulo {

// A colour number as theme files write it: decimal, or "&H" and hexadecimal
// digits, with red in the low byte (0x00BBGGRR). Nothing when the text is
// not a number or no colour (see parseColourNumber).
std::optional<QColor> colourFromNumberText(const QString &text);

} // namespace tabulo
