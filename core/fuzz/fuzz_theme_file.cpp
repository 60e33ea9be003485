// libFuzzer harness of the theme files: any bytes as a theme file's text,
// read in a point locale and in a comma locale. Whatever the file holds, the
// values it sets are ones the window can apply: colours within white, font
// sizes the toolkit takes, a caret that stays visible; and a theme laid over
// another changes exactly the values it sets.

#include "core/fuzz/fuzz_checks.h"
#include "core/theme/colour_numbers.h"
#include "core/theme/theme.h"

#include <QLocale>

#include <cmath>

using namespace tabulo;
using tabulo::fuzz::require;

namespace {

void checkColour(const std::optional<ColourNumber> &colour)
{
    if (!colour)
        return;
    require(*colour <= largestColourNumber, "a colour lies within white");
    require(ColorToHtml(*colour).size() == 7, "a colour is written as #RRGGBB");
    require(parseColourNumber(colourNumberAsDecimal(*colour)) == colour, "a decimal colour reads back");
    require(parseColourNumber(colourNumberAsHex(*colour)) == colour, "a hexadecimal colour reads back");
}

void checkSize(const std::optional<double> &size)
{
    require(!size || (std::isfinite(*size) && *size > 0 && *size <= largestFontSize), "a font size can be applied");
}

void checkFont(const std::optional<QString> &font)
{
    if (!font)
        return;
    require(!font->isEmpty() && !fuzz::hasLineEnd(*font), "a font name is one non-empty line");
    (void)fontKindOf(*font);
}

void checkTotal(const Theme::Total &total)
{
    checkColour(total.background);
    checkColour(total.text);
    checkFont(total.font);
    checkSize(total.size);
    for (const auto &sign : {total.positive, total.negative}) {
        require(!sign || (!sign->isEmpty() && !fuzz::hasLineEnd(*sign)), "a sign colour is one non-empty line");
        if (sign)
            checkColour(parseColourNumber(*sign));
    }
}

void checkTheme(const Theme &theme)
{
    checkTotal(theme.fta);
    checkTotal(theme.ftb);
    checkColour(theme.edt.background);
    checkColour(theme.edt.text);
    checkFont(theme.edt.font);
    checkSize(theme.edt.size);
    if (theme.cursor_size) {
        const int caret = caretWidthFor(*theme.cursor_size);
        require(caret >= 1 && caret <= largestCaretWidth, "the caret stays visible and narrow");
    }
    // Laid over the full design, the file changes only what it sets.
    const Theme shown = Theme::design().overriddenBy(theme);
    require(shown.overriddenBy(theme) == shown, "laying a theme over twice changes nothing more");
    require(theme.overriddenBy(Theme()) == theme, "an empty theme changes nothing");
    require(shown.fta.font.has_value() && shown.edt.size.has_value() && shown.cursor_size.has_value(),
        "a theme over the design leaves every value set");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = fuzz::fileTextOf(data, size);
    static const QLocale locales[] = {QLocale::c(), QLocale(QLocale::Italian, QLocale::Italy)};
    for (const QLocale &locale : locales)
        checkTheme(Theme::parse(text, locale));
    return 0;
}
