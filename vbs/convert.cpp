#include "vbs/convert.h"

#include <cfenv>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

#include "vbs/date_time.h"
#include "vbs/error.h"
#include "vbs/object.h"
#include "vbs/text.h"

namespace tabulo::vbs {

Value valueOf(const Value &v)
{
    if (!v.isObject())
        return v;
    if (!v.rawObject())
        raise(err::ObjectVariableNotSet);
    Value result = v.rawObject()->invoke(u"", {});
    // A default member that gives another object is followed once more; deeper chains
    // are not a thing scripts rely on and could loop.
    if (result.isObject()) {
        if (!result.rawObject())
            raise(err::ObjectVariableNotSet);
        result = result.rawObject()->invoke(u"", {});
        if (result.isObject())
            raise(err::TypeMismatch);
    }
    return result;
}

namespace {

// Halves go to the even neighbour (the default rounding mode), as the language rounds.
double roundHalfEven(double x)
{
    return std::nearbyint(x);
}

bool isBlank(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == 0xA0;
}

bool parseRadix(std::u16string_view s, int radix, double &out)
{
    if (s.empty() || s.size() > 24)
        return false;
    std::uint64_t acc = 0;
    for (char16_t c : s) {
        const int d = hexDigitValue(c);
        if (d < 0 || d >= radix)
            return false;
        acc = acc * radix + d;
        if (acc > 0xFFFFFFFFull)
            return false;
    }
    // &H and &O literals are 16- or 32-bit two's complement, as the language reads them.
    if (acc <= 0xFFFF && s.size() <= (radix == 16 ? 4u : 6u))
        out = acc > 0x7FFF ? double(std::int16_t(acc)) : double(acc);
    else
        out = double(std::int32_t(std::uint32_t(acc)));
    return true;
}

} // namespace

bool parseNumber(std::u16string_view text, const Locale &locale, double &out)
{
    std::size_t b = 0, e = text.size();
    while (b < e && isBlank(text[b]))
        ++b;
    while (e > b && isBlank(text[e - 1]))
        --e;
    std::u16string_view s = text.substr(b, e - b);
    if (s.empty())
        return false;
    if (s.size() > 2 && s[0] == u'&') {
        if (s[1] == u'h' || s[1] == u'H')
            return parseRadix(s.substr(2), 16, out);
        if (s[1] == u'o' || s[1] == u'O')
            return parseRadix(s.substr(2), 8, out);
    }
    // Build a plain "C" number text and let from_chars read it: unlike strtod
    // it ignores the C library's locale, which a host (Qt does) may have set
    // from the environment to one with a decimal comma.
    std::string plain;
    std::size_t i = 0;
    auto skipCurrency = [&] {
        std::u16string_view sym = locale.currencySymbol;
        if (!sym.empty() && s.substr(i, sym.size()) == sym)
            i += sym.size();
    };
    skipCurrency();
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-'))
        plain.push_back(char(s[i++]));
    skipCurrency();
    const bool dotIsDecimal = locale.decimalSeparator == u'.' || locale.groupSeparator != u'.';
    bool digits = false, seenDecimal = false;
    for (; i < s.size(); ++i) {
        char16_t c = s[i];
        if (c >= u'0' && c <= u'9') {
            plain.push_back(char(c));
            digits = true;
        } else if (!seenDecimal && (c == locale.decimalSeparator || (c == u'.' && dotIsDecimal))) {
            plain.push_back('.');
            seenDecimal = true;
        } else if (!seenDecimal && c == locale.groupSeparator && digits) {
            continue;
        } else {
            break;
        }
    }
    if (!digits)
        return false;
    if (i < s.size() && (s[i] == u'e' || s[i] == u'E' || s[i] == u'd' || s[i] == u'D')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < s.size() && (s[j] == u'+' || s[j] == u'-'))
            exponent.push_back(char(s[j++]));
        std::size_t start = j;
        while (j < s.size() && s[j] >= u'0' && s[j] <= u'9')
            exponent.push_back(char(s[j++]));
        if (j == start)
            return false;
        plain += exponent;
        i = j;
    }
    if (i < s.size()) {
        std::u16string_view rest = s.substr(i);
        if (rest != locale.currencySymbol)
            return false;
    }
    double value = 0;
    const char *first = plain.c_str();
    if (*first == '+')
        ++first; // from_chars takes only a minus sign
    const auto [ptr, ec] = std::from_chars(first, plain.c_str() + plain.size(), value);
    if (ec == std::errc::result_out_of_range) {
        // Too small reads as zero; too large is no number at all.
        const std::size_t firstSignificant = plain.find_first_of("123456789");
        const std::size_t point = plain.find('.');
        const bool tiny
            = plain.find("e-") != std::string::npos || (point != std::string::npos && firstSignificant > point);
        if (!tiny)
            return false;
        value = 0;
    } else if (ec != std::errc() || !std::isfinite(value)) {
        return false;
    }
    out = value;
    return true;
}

double toDouble(const Value &v, const Locale &locale)
{
    switch (v.type()) {
    case Type::Empty:
        return 0;
    case Type::Null:
        raise(err::InvalidUseOfNull);
    case Type::Boolean:
        return v.rawBool() ? -1 : 0;
    case Type::Byte:
        return v.rawByte();
    case Type::Integer:
        return v.rawInteger();
    case Type::Long:
        return v.rawLong();
    case Type::Single:
        return v.rawSingle();
    case Type::Double:
        return v.rawDouble();
    case Type::Currency:
        return double(v.rawCurrency()) / 10000.0;
    case Type::Date:
        return v.rawDate();
    case Type::String: {
        double d;
        // Only a number reads as one: text that looks like a date ("1.2.3") is no
        // number, as CDate is the way to read dates.
        if (parseNumber(v.rawString(), locale, d))
            return d;
        raise(err::TypeMismatch);
    }
    case Type::Object:
        return toDouble(valueOf(v), locale);
    default:
        raise(err::TypeMismatch);
    }
}

float toSingle(const Value &v, const Locale &locale)
{
    double d = toDouble(v, locale);
    if (std::isfinite(d) && std::fabs(d) > std::numeric_limits<float>::max())
        raise(err::Overflow);
    return float(d);
}

namespace {
template<typename Int> Int roundToInteger(const Value &v, const Locale &locale)
{
    constexpr std::int64_t lowest = std::numeric_limits<Int>::min();
    constexpr std::int64_t highest = std::numeric_limits<Int>::max();
    std::int64_t n;
    switch (v.type()) {
    case Type::Integer:
        n = v.rawInteger();
        break;
    case Type::Long:
        n = v.rawLong();
        break;
    case Type::Byte:
        n = v.rawByte();
        break;
    case Type::Boolean:
        n = v.rawBool() ? -1 : 0;
        break;
    default: {
        // nearbyint rounds halves to even under the default rounding mode: CInt(2.5) is 2.
        double d = std::nearbyint(toDouble(v, locale));
        if (!(d >= double(lowest) && d <= double(highest)))
            raise(err::Overflow);
        return Int(d);
    }
    }
    if (n < lowest || n > highest)
        raise(err::Overflow);
    return Int(n);
}
} // namespace

std::int32_t toLong(const Value &v, const Locale &locale)
{
    return roundToInteger<std::int32_t>(v, locale);
}
std::int16_t toInteger(const Value &v, const Locale &locale)
{
    return roundToInteger<std::int16_t>(v, locale);
}
std::uint8_t toByte(const Value &v, const Locale &locale)
{
    return roundToInteger<std::uint8_t>(v, locale);
}

std::int64_t toCurrency(const Value &v, const Locale &locale)
{
    if (v.type() == Type::Currency)
        return v.rawCurrency();
    double scaled = roundHalfEven(toDouble(v, locale) * 10000.0);
    if (!(scaled >= -9.2233720368547758e18 && scaled < 9.2233720368547758e18))
        raise(err::Overflow);
    return std::int64_t(scaled);
}

bool toBool(const Value &v, const Locale &locale)
{
    switch (v.type()) {
    case Type::Boolean:
        return v.rawBool();
    case Type::String: {
        std::u16string_view s = v.rawString();
        // The locale's words and the English ones are both understood.
        if (sameName(s, locale.trueName) || sameName(s, u"True") || sameName(s, u"#TRUE#"))
            return true;
        if (sameName(s, locale.falseName) || sameName(s, u"False") || sameName(s, u"#FALSE#"))
            return false;
        double d;
        if (parseNumber(s, locale, d))
            return d != 0;
        raise(err::TypeMismatch);
    }
    default:
        return toDouble(v, locale) != 0;
    }
}

Value toNumeric(const Value &v, const Locale &locale)
{
    switch (v.type()) {
    case Type::Empty:
        return Value::integer(0);
    case Type::String:
        return Value::number(toDouble(v, locale));
    case Type::Object:
        return toNumeric(valueOf(v), locale);
    case Type::Array:
    case Type::Error:
        raise(err::TypeMismatch);
    default:
        return v;
    }
}

} // namespace tabulo::vbs
