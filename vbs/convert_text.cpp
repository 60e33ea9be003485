// Conversions to text and to dates: how numbers and currency are written in a locale,
// CStr's rules (toString) and CDate's (toDate).
#include "vbs/convert.h"

#include <cfenv>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

#include "vbs/date_time.h"
#include "vbs/error.h"
#include "vbs/object.h"

namespace tabulo::vbs {

std::u16string formatNumber(double n, const Locale &locale, int significantDigits)
{
    if (std::isnan(n))
        return u"NaN";
    if (std::isinf(n))
        return n > 0 ? u"1.#INF" : u"-1.#INF";
    if (n == 0)
        return u"0";
    // The "general" form of to_chars follows the rules of %G (exponent form
    // from 1E15 up and below 1E-4, no trailing zeros) but, unlike snprintf,
    // never the C library's locale. The exponent gets at least two digits.
    char buffer[64];
    const auto written
        = std::to_chars(buffer, buffer + sizeof buffer, n, std::chars_format::general, significantDigits);
    std::string s(buffer, written.ptr);
    for (char &c : s)
        if (c == 'e')
            c = 'E';
    std::u16string out;
    std::size_t ePos = s.find('E');
    std::string mantissa = ePos == std::string::npos ? s : s.substr(0, ePos);
    for (char c : mantissa)
        out.push_back(c == '.' ? locale.decimalSeparator : char16_t(c));
    if (ePos != std::string::npos) {
        int exponent = std::atoi(s.c_str() + ePos + 1);
        out += u'E';
        out += exponent < 0 ? u'-' : u'+';
        int a = exponent < 0 ? -exponent : exponent;
        if (a < 10)
            out += u'0';
        for (char c : std::to_string(a))
            out.push_back(char16_t(c));
    }
    return out;
}

std::u16string toText(std::int64_t n)
{
    std::u16string out;
    for (char c : std::to_string(n))
        out.push_back(char16_t(c));
    return out;
}

std::u16string formatCurrency(std::int64_t scaled, const Locale &locale)
{
    bool negative = scaled < 0;
    std::uint64_t magnitude = negative ? 0 - std::uint64_t(scaled) : std::uint64_t(scaled);
    // Like every other number, a Currency shows at most 15 significant digits: CCur of
    // 922337203685477 is stored as 922337203685476.9664 by way of a Double, and shows
    // as it was written. Halves round away from zero.
    constexpr std::uint64_t kFifteenDigits = 1000000000000000ull;
    if (magnitude >= kFifteenDigits) {
        std::uint64_t unit = 1;
        while (magnitude / unit >= kFifteenDigits)
            unit *= 10;
        const std::uint64_t kept = magnitude / unit, rest = magnitude % unit;
        magnitude = (kept + (rest >= unit - rest ? 1 : 0)) * unit;
    }
    std::u16string out = negative ? u"-" : u"";
    for (char c : std::to_string(magnitude / 10000))
        out.push_back(char16_t(c));
    unsigned fraction = unsigned(magnitude % 10000);
    if (fraction != 0) {
        char digits[8];
        std::snprintf(digits, sizeof digits, "%04u", fraction);
        std::string f(digits);
        while (!f.empty() && f.back() == '0')
            f.pop_back();
        out += locale.decimalSeparator;
        for (char c : f)
            out.push_back(char16_t(c));
    }
    return out;
}

double toDate(const Value &v, const Locale &locale)
{
    if (v.type() == Type::String) {
        double serial;
        if (parseDate(v.rawString(), locale, serial))
            return serial;
        if (parseNumber(v.rawString(), locale, serial))
            return serial;
        raise(err::TypeMismatch);
    }
    double d = toDouble(v, locale);
    // The Date range: 1 January 100 to 31 December 9999.
    if (!(d >= -657434.0 && d < 2958466.0))
        raise(err::Overflow);
    return d;
}

std::u16string toString(const Value &v, const Locale &locale)
{
    switch (v.type()) {
    case Type::Empty:
        return {};
    case Type::Null:
        raise(err::InvalidUseOfNull);
    case Type::Boolean:
        return v.rawBool() ? locale.trueName : locale.falseName;
    case Type::Byte:
        return toText(v.rawByte());
    case Type::Integer:
        return toText(v.rawInteger());
    case Type::Long:
        return toText(v.rawLong());
    case Type::Single:
        return formatNumber(v.rawSingle(), locale, 7);
    case Type::Double:
        return formatNumber(v.rawDouble(), locale, 15);
    case Type::Currency:
        return formatCurrency(v.rawCurrency(), locale);
    case Type::Date:
        return formatDate(v.rawDate(), locale);
    case Type::String:
        return v.rawString();
    case Type::Object:
        return toString(valueOf(v), locale);
    case Type::Error:
        return u"Error " + toText(v.rawError());
    default:
        raise(err::TypeMismatch);
    }
}

} // namespace tabulo::vbs
