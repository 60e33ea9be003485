#include "core/theme/theme.h"

#include "core/engine/note_lines.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace tabulo {

namespace {

// ---- value conversions: nothing when the value does not convert

std::optional<QString> fontNameValue(QStringView value)
{
    if (value.isEmpty())
        return std::nullopt;
    return value.toString();
}

// A total's colour is kept as written and converted when a total is
// coloured; an empty one is taken as not given, so a template's blank line
// never leaves a negative total in the positive colour.
std::optional<QString> colourText(QStringView value)
{
    if (value.isEmpty())
        return std::nullopt;
    return value.toString();
}

std::optional<double> fontSizeValue(QStringView value, const QLocale &locale)
{
    bool ok = false;
    const double size = locale.toDouble(value, &ok);
    // The toolkit refuses sizes of zero and below.
    if (!ok || !(size > 0) || size > largestFontSize)
        return std::nullopt;
    return size;
}

std::optional<int> caretValue(QStringView value, const QLocale &locale)
{
    // A 16-bit integer, rounded like the conversion always did; beyond that
    // range the value does not convert.
    bool ok = false;
    const double number = locale.toDouble(value, &ok);
    if (!ok || !std::isfinite(number))
        return std::nullopt;
    const double rounded = std::nearbyint(number);
    if (rounded < std::numeric_limits<qint16>::min() || rounded > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return int(rounded);
}

template<typename T> void assignIfSet(std::optional<T> &target, std::optional<T> value)
{
    if (value)
        target = std::move(value);
}

// ---- the key table: every key a theme file may give and what it sets

using Setter = void (*)(Theme &, QStringView value, const QLocale &);

struct ThemeKey
{
    QLatin1StringView name;
    Setter set;
};

const std::array<ThemeKey, 17> keyTable = {{
    {QLatin1StringView("fta_bcol"),
        [](Theme &t, QStringView v, const QLocale &) { assignIfSet(t.fta.background, parseColourNumber(v)); }},
    {QLatin1StringView("fta_tcol"),
        [](Theme &t, QStringView v, const QLocale &) { assignIfSet(t.fta.text, parseColourNumber(v)); }},
    {QLatin1StringView("fta_text"),
        [](Theme &t, QStringView v, const QLocale &) { assignIfSet(t.fta.font, fontNameValue(v)); }},
    {QLatin1StringView("fta_size"),
        [](Theme &t, QStringView v, const QLocale &l) { assignIfSet(t.fta.size, fontSizeValue(v, l)); }},
    {QLatin1StringView("fta_posi"),
        [](Theme &t, QStringView v, const QLocale &) { assignIfSet(t.fta.positive, colourText(v)); }},
    {QLatin1StringView("fta_nega"),
        [](Theme &t, QStringView v, const QLocale &) { assignIfSet(t.fta.negative, colourText(v)); }},
    {QLatin1StringView("edt_bcol"),
        [](Theme &t, QStringView v, const QLocale &) { assignIfSet(t.edt.background, parseColourNumber(v)); }},
    {QLatin1StringView("edt_tcol"),
        [](Theme &t, QStringView v, const QLocale &) { assignIfSet(t.edt.text, parseColourNumber(v)); }},
    {QLatin1StringView("edt_text"),
        [](Theme &t, QStringView v, const QLocale &) { assignIfSet(t.edt.font, fontNameValue(v)); }},
    {QLatin1StringView("edt_size"),
        [](Theme &t, QStringView v, const QLocale &l) { assignIfSet(t.edt.size, fontSizeValue(v, l)); }},
    {QLatin1StringView("ftb_bcol"),
        [](Theme &t, QStringView v, const QLocale &) { assignIfSet(t.ftb.background, parseColourNumber(v)); }},
    {QLatin1StringView("ftb_tcol"),
        [](Theme &t, QStringView v, const QLocale &) { assignIfSet(t.ftb.text, parseColourNumber(v)); }},
    {QLatin1StringView("ftb_text"),
        [](Theme &t, QStringView v, const QLocale &) { assignIfSet(t.ftb.font, fontNameValue(v)); }},
    {QLatin1StringView("ftb_size"),
        [](Theme &t, QStringView v, const QLocale &l) { assignIfSet(t.ftb.size, fontSizeValue(v, l)); }},
    {QLatin1StringView("ftb_posi"),
        [](Theme &t, QStringView v, const QLocale &) { assignIfSet(t.ftb.positive, colourText(v)); }},
    {QLatin1StringView("ftb_nega"),
        [](Theme &t, QStringView v, const QLocale &) { assignIfSet(t.ftb.negative, colourText(v)); }},
    {QLatin1StringView("cursor_size"),
        [](Theme &t, QStringView v, const QLocale &l) { assignIfSet(t.cursor_size, caretValue(v, l)); }},
}};

const std::array<QLatin1StringView, 17> keyNames = [] {
    std::array<QLatin1StringView, 17> names;
    for (size_t i = 0; i < keyTable.size(); ++i)
        names[i] = keyTable[i].name;
    return names;
}();

bool isCommentLine(QStringView line)
{
    return line.isEmpty() || line.front() == u'[' || line.front() == u'#' || line.front() == u'\'';
}

const ThemeKey *findKey(QStringView key)
{
    for (const ThemeKey &entry : keyTable) {
        if (key.compare(entry.name, Qt::CaseInsensitive) == 0)
            return &entry;
    }
    return nullptr;
}

void overrideTotal(Theme::Total &total, const Theme::Total &later)
{
    assignIfSet(total.background, later.background);
    assignIfSet(total.text, later.text);
    assignIfSet(total.font, later.font);
    assignIfSet(total.size, later.size);
    assignIfSet(total.positive, later.positive);
    assignIfSet(total.negative, later.negative);
}

} // namespace

Theme Theme::design()
{
    // Black totals bands, a green total that is not negative and a red one
    // that is, over a white editor; all in Courier New 12.
    const QString courier = QStringLiteral("Courier New");
    Theme t;
    t.fta = {colourNumber(0, 0, 0), colourNumber(255, 255, 255), courier, 12.0, QStringLiteral("65280"),
        QStringLiteral("255")};
    t.ftb = t.fta;
    t.edt = {colourNumber(255, 255, 255), colourNumber(0, 0, 0), courier, 12.0};
    t.cursor_size = 2;
    return t;
}

Theme Theme::parse(QStringView fileText, const QLocale &locale)
{
    Theme theme;
    forEachLine(fileText, [&](QStringView rawLine) {
        const QStringView line = rawLine.trimmed();
        if (isCommentLine(line))
            return;
        const qsizetype equals = line.indexOf(u'=');
        if (equals < 0)
            return; // a key without a value sets nothing
        const ThemeKey *key = findKey(line.left(equals).trimmed());
        if (!key)
            return;
        QStringView value = line.mid(equals + 1);
        const qsizetype secondEquals = value.indexOf(u'=');
        if (secondEquals >= 0)
            value = value.left(secondEquals);
        key->set(theme, value.trimmed(), locale);
    });
    return theme;
}

Theme Theme::overriddenBy(const Theme &later) const
{
    Theme result = *this;
    overrideTotal(result.fta, later.fta);
    overrideTotal(result.ftb, later.ftb);
    assignIfSet(result.edt.background, later.edt.background);
    assignIfSet(result.edt.text, later.edt.text);
    assignIfSet(result.edt.font, later.edt.font);
    assignIfSet(result.edt.size, later.edt.size);
    assignIfSet(result.cursor_size, later.cursor_size);
    return result;
}

std::span<const QLatin1StringView> themeKeys()
{
    return keyNames;
}

FontKind fontKindOf(QStringView fontName)
{
    // Words that family names of each kind carry, checked in this order:
    // "Lucida Sans Typewriter" is monospace, "PT Serif" is not sans.
    static const char *const monospace[]
        = {"mono", "courier", "console", "consolas", "typewriter", "fixed", "terminal", "code", "menlo", "inconsolata"};
    static const char *const serif[]
        = {"serif", "times", "georgia", "garamond", "roman", "book", "cambria", "palatino", "baskerville"};
    static const char *const sansSerif[] = {"sans", "arial", "helvetica", "verdana", "tahoma", "segoe", "calibri",
        "ubuntu", "liberation", "cantarell", "noto", "roboto"};
    const QString name = fontName.toString().toLower();
    for (const char *word : monospace)
        if (name.contains(QLatin1StringView(word)))
            return FontKind::Monospace;
    if (name.contains(QLatin1StringView("sans")))
        return FontKind::SansSerif;
    for (const char *word : serif)
        if (name.contains(QLatin1StringView(word)))
            return FontKind::Serif;
    for (const char *word : sansSerif)
        if (name.contains(QLatin1StringView(word)))
            return FontKind::SansSerif;
    return FontKind::Unknown;
}

int caretWidthFor(int cursorSize)
{
    return std::clamp(cursorSize, 1, largestCaretWidth);
}

} // namespace tabulo
