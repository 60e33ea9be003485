// FormatNumber, FormatPercent and FormatCurrency in the engine's locale: its decimal and
// group separators, its currency symbol and where the symbol and the sign go.
#include <cmath>

#include "vbs/lib/decimal_rounding.h"
#include "vbs/lib/libraries.h"
#include "vbs/lib/library_support.h"

namespace tabulo::vbs {
namespace {

// More decimals than this are a script's mistake, not a number anyone reads.
constexpr std::int32_t kMaxDecimals = 255;
constexpr int kDefaultDecimals = 2;

struct FormatOptions
{
    int decimals = kDefaultDecimals;
    bool leadingDigit = true;
    int parentheses = vb::UseDefault; // vbTrue, vbFalse or vbUseDefault
    bool groupDigits = true;
};

// The optional arguments after the expression, shared by the three functions.
FormatOptions formatOptions(CallContext &call, int defaultDecimals)
{
    FormatOptions o;
    std::int32_t decimals = call.longOr(1, -1);
    if (decimals < -1 || decimals > kMaxDecimals)
        raise(err::InvalidCall);
    o.decimals = decimals == -1 ? defaultDecimals : decimals;
    o.leadingDigit = tristateArgument(call, 2, true);
    if (call.has(3)) {
        std::int32_t p = call.longValue(3);
        o.parentheses = p == vb::UseDefault ? vb::UseDefault : (p != 0 ? vb::True : vb::False);
    }
    o.groupDigits = tristateArgument(call, 4, true);
    return o;
}

// The digits of |value| rounded half away from zero, with separators; `negative` tells
// whether what is shown is below zero (-0.001 to two decimals shows as 0.00).
std::u16string formatMagnitude(double value, const FormatOptions &o, const Locale &locale, bool &negative)
{
    if (!std::isfinite(value))
        raise(err::Overflow);
    DecimalText t = roundDecimal(value, o.decimals, HalfRounding::AwayFromZero);
    negative = t.negative;
    std::u16string out;
    if (t.integerDigits != "0" || o.leadingDigit) {
        const std::size_t n = t.integerDigits.size();
        for (std::size_t i = 0; i < n; ++i) {
            if (o.groupDigits && locale.groupSize > 0 && i > 0 && (n - i) % std::size_t(locale.groupSize) == 0)
                out += locale.groupSeparator;
            out += char16_t(t.integerDigits[i]);
        }
    }
    if (o.decimals > 0) {
        out += locale.decimalSeparator;
        for (char c : t.fractionDigits)
            out += char16_t(c);
    }
    return out;
}

std::u16string withSign(std::u16string digits, bool negative, const FormatOptions &o)
{
    if (!negative)
        return digits;
    return o.parentheses == vb::True ? u"(" + digits + u")" : u"-" + digits;
}

// FormatNumber(expression[, digits[, leadingdigit[, parens[, groupdigits]]]])
Value FormatNumber(CallContext &call)
{
    FormatOptions o = formatOptions(call, kDefaultDecimals);
    bool negative = false;
    std::u16string digits = formatMagnitude(call.number(0), o, call.locale(), negative);
    return Value::string(withSign(std::move(digits), negative, o));
}

// FormatPercent: the number times 100, with a percent sign.
Value FormatPercent(CallContext &call)
{
    FormatOptions o = formatOptions(call, kDefaultDecimals);
    bool negative = false;
    std::u16string digits = formatMagnitude(call.number(0) * 100, o, call.locale(), negative) + u"%";
    return Value::string(withSign(std::move(digits), negative, o));
}

// The amount with the symbol placed by the locale's positive-currency pattern.
std::u16string placeSymbol(const std::u16string &amount, const Locale &locale)
{
    const std::u16string &s = locale.currencySymbol;
    switch (locale.currencyPositiveFormat) {
    case 1:
        return amount + s;
    case 2:
        return s + u" " + amount;
    case 3:
        return amount + u" " + s;
    default:
        return s + amount;
    }
}

// A negative amount: in parentheses when asked (or when the locale's pattern has them
// and the script left the choice to the locale), otherwise with the locale's minus.
std::u16string negativeCurrency(const std::u16string &amount, const Locale &locale, int parentheses)
{
    const std::u16string &s = locale.currencySymbol;
    int pattern = locale.currencyNegativeFormat;
    if (parentheses == vb::True)
        return u"(" + placeSymbol(amount, locale) + u")";
    if (parentheses == vb::False && pattern == 0)
        pattern = 1;
    if (parentheses == vb::False && pattern == 4)
        pattern = 5;
    switch (pattern) {
    case 0:
        return u"(" + s + amount + u")";
    case 1:
        return u"-" + s + amount;
    case 2:
        return s + u"-" + amount;
    case 3:
        return s + amount + u"-";
    case 4:
        return u"(" + amount + s + u")";
    case 5:
        return u"-" + amount + s;
    case 6:
        return amount + u"-" + s;
    case 7:
        return amount + s + u"-";
    case 8:
        return u"-" + amount + u" " + s;
    default:
        return u"-" + s + u" " + amount;
    }
}

// FormatCurrency(expression[, digits[, leadingdigit[, parens[, groupdigits]]]])
Value FormatCurrency(CallContext &call)
{
    const Locale &locale = call.locale();
    FormatOptions o = formatOptions(call, locale.currencyDigits);
    bool negative = false;
    std::u16string amount = formatMagnitude(call.number(0), o, locale, negative);
    return Value::string(negative ? negativeCurrency(amount, locale, o.parentheses) : placeSymbol(amount, locale));
}

constexpr Builtin kFunctions[] = {
    {u"FormatNumber", FormatNumber, 1, 5},
    {u"FormatPercent", FormatPercent, 1, 5},
    {u"FormatCurrency", FormatCurrency, 1, 5},
};

} // namespace

Library formatLibrary()
{
    return {kFunctions};
}

} // namespace tabulo::vbs
