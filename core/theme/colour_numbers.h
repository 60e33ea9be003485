#pragma once

#include <QString>
#include <QStringView>
#include <QtGlobal>

#include <optional>

namespace tabulo {

// A colour as theme files write it: red in the low byte, then green, then
// blue (0x00BBGGRR), so 255 is pure red and 16711680 pure blue.
using ColourNumber = quint32;

constexpr ColourNumber largestColourNumber = 0xFFFFFF;

// Reads a colour number written in decimal or as "&H" and hexadecimal
// digits ("&H00FF00&" with its closing "&" included), blanks around it
// ignored. Nothing when the text is not a number or is no colour: negative,
// or above white (the high byte set, as system colour codes have it).
std::optional<ColourNumber> parseColourNumber(QStringView text);

// The red, green and blue parts, 0 to 255 each.
constexpr int redOf(ColourNumber c)
{
    return int(c & 0xFF);
}
constexpr int greenOf(ColourNumber c)
{
    return int((c >> 8) & 0xFF);
}
constexpr int blueOf(ColourNumber c)
{
    return int((c >> 16) & 0xFF);
}
constexpr ColourNumber colourNumber(int red, int green, int blue)
{
    return ColourNumber(red & 0xFF) | ColourNumber(green & 0xFF) << 8 | ColourNumber(blue & 0xFF) << 16;
}

// `ColorToHtml`: "#" and the red, green and blue parts as two upper-case
// hexadecimal digits each, as web pages write colours (255 gives "#FF0000").
QString ColorToHtml(ColourNumber colour);

// The two ways a theme file may hold a colour, ready to paste:
// "16711680" and "&H00FF0000".
QString colourNumberAsDecimal(ColourNumber colour);
QString colourNumberAsHex(ColourNumber colour);

} // namespace tabulo
