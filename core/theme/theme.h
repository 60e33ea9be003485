#pragma once

#include "core/theme/colour_numbers.h"

#include <QLatin1StringView>
#include <QLocale>
#include <QString>
#include <QStringView>

#include <optional>
#include <span>

namespace tabulo {

// A theme: the colours and fonts of the main window's editor and totals,
// the colours of a positive and of a negative total, and the caret width.
//
// Each value is optional because a theme file need not give them all: what
// a file leaves out keeps whatever the window showed before, so a theme
// can be a single line on top of another one.
struct Theme
{
    // One totals box (`Text2` is "fta", `Text3` "ftb") and its band.
    struct Total
    {
        std::optional<ColourNumber> background; // *_bcol
        std::optional<ColourNumber> text; // *_tcol
        std::optional<QString> font; // *_text
        std::optional<double> size; // *_size, points
        // *_posi, *_nega: kept as written and turned into a colour only when
        // a total is coloured, so a bad value there leaves the total's
        // colour as it is at that moment.
        std::optional<QString> positive;
        std::optional<QString> negative;

        bool operator==(const Total &) const = default;
    };
    // The editor `Text1` (and the window behind it).
    struct Editor
    {
        std::optional<ColourNumber> background; // edt_bcol
        std::optional<ColourNumber> text; // edt_tcol
        std::optional<QString> font; // edt_text
        std::optional<double> size; // edt_size, points

        bool operator==(const Editor &) const = default;
    };

    Total fta;
    Editor edt;
    Total ftb;
    std::optional<int> cursor_size; // caret width in pixels, as written

    // The look the window is built with, every value set.
    static Theme design();

    // Reads a theme file's text. One "key = value" per line, blanks around
    // both ignored, keys in any case; empty lines and lines beginning with
    // "[", "#" or "'" are comments; text after a second "=" is ignored.
    // Lines apply in order, so a key given twice keeps its last usable
    // value; a value that does not convert is skipped. Sizes are read in
    // `locale`, the user's.
    static Theme parse(QStringView fileText, const QLocale &locale);

    // This theme with every value that `later` sets replaced by it.
    Theme overriddenBy(const Theme &later) const;

    bool operator==(const Theme &) const = default;
};

// The seventeen keys of a theme file, in the order a template lists them.
std::span<const QLatin1StringView> themeKeys();

// What a font name is most likely to be, so that a font missing on this
// machine is replaced by one of the same kind.
enum class FontKind { Monospace, SansSerif, Serif, Unknown };
FontKind fontKindOf(QStringView fontName);

// Font sizes above this are typing slips, not sizes anyone reads: such a
// value is not applied.
constexpr double largestFontSize = 500;

// The caret the window actually draws for a `cursor_size`: at least one
// pixel, so it never disappears, and never so wide that it hides the text.
constexpr int largestCaretWidth = 16;
int caretWidthFor(int cursorSize);

} // namespace tabulo
