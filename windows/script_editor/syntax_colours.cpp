#include "windows/script_editor/syntax_colours.h"

#include <algorithm>
#include <cmath>

namespace tabulo {

namespace {

double channelLuminance(double value)
{
    return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double relativeLuminance(const QColor &colour)
{
    const QColor rgb = colour.toRgb();
    return 0.2126 * channelLuminance(rgb.redF()) + 0.7152 * channelLuminance(rgb.greenF())
        + 0.0722 * channelLuminance(rgb.blueF());
}

QColor mix(const QColor &from, const QColor &to, double share)
{
    const QColor a = from.toRgb();
    const QColor b = to.toRgb();
    auto channel = [share](int x, int y) { return int(std::lround(x + (y - x) * share)); };
    return QColor(channel(a.red(), b.red()), channel(a.green(), b.green()), channel(a.blue(), b.blue()));
}

// Moves `colour` step by step towards white or black, whichever lies
// further from the background, until it stands out enough. The hue is
// kept as long as possible; white or black always reach the goal except
// on a mid-grey background, where the better of the two is taken.
QColor legibleOn(const QColor &background, const QColor &colour, double wanted)
{
    const bool lighten = contrastRatio(background, Qt::white) > contrastRatio(background, Qt::black);
    const QColor goal = lighten ? QColor(Qt::white) : QColor(Qt::black);
    QColor adjusted = colour;
    for (int step = 1; step <= 10 && contrastRatio(background, adjusted) < wanted; ++step)
        adjusted = mix(colour, goal, step / 10.0);
    return adjusted;
}

} // namespace

double contrastRatio(const QColor &a, const QColor &b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

SyntaxColours syntaxColoursFor(const QColor &background, const QColor &text)
{
    const bool dark = contrastRatio(background, Qt::white) > contrastRatio(background, Qt::black);
    SyntaxColours colours;
    if (dark) {
        colours.keyword = QColor(0x56, 0x9C, 0xD6);
        colours.hostObject = QColor(0xC5, 0x86, 0xC0);
        colours.string = QColor(0xCE, 0x91, 0x78);
        colours.comment = QColor(0x6A, 0x99, 0x55);
        colours.number = QColor(0xB5, 0xCE, 0xA8);
        colours.date = QColor(0xD7, 0xBA, 0x7D);
    } else {
        colours.keyword = QColor(0x00, 0x00, 0xC0);
        colours.hostObject = QColor(0x80, 0x00, 0x80);
        colours.string = QColor(0xA3, 0x15, 0x15);
        colours.comment = QColor(0x00, 0x80, 0x00);
        colours.number = QColor(0x09, 0x86, 0x58);
        colours.date = QColor(0x79, 0x5E, 0x26);
    }
    // Themes have backgrounds of every colour (navy, yellow, green): each
    // colour is pushed away from the background until it reads well.
    constexpr double readable = 4.5;
    for (QColor *colour :
        {&colours.keyword, &colours.hostObject, &colours.string, &colours.comment, &colours.number, &colours.date})
        *colour = legibleOn(background, *colour, readable);

    // The gutter is set off from the text by a faint band; its numbers are
    // quieter than the text but still readable.
    colours.gutterBackground = mix(background, text, 0.07);
    colours.gutterText = legibleOn(colours.gutterBackground, mix(background, text, 0.55), 3.0);
    colours.errorLine = mix(background, QColor(0xE0, 0x20, 0x20), dark ? 0.35 : 0.22);
    return colours;
}

QColor SyntaxColours::colourOf(SyntaxKind kind) const
{
    switch (kind) {
    case SyntaxKind::Keyword:
        return keyword;
    case SyntaxKind::HostObject:
        return hostObject;
    case SyntaxKind::String:
        return string;
    case SyntaxKind::Comment:
        return comment;
    case SyntaxKind::Number:
        return number;
    case SyntaxKind::Date:
        return date;
    }
    return keyword;
}

} // namespace tabulo
