#include "core/numbers/number_format.h"

#include <charconv>
#include <cmath>
#include <string>

namespace tabulo {

namespace {

// QLocale gives separators as strings; the ones we support are one character.
QChar firstCharOr(const QString &s, QChar fallback)
{
    return s.size() == 1 ? s.at(0) : fallback;
}

bool isAsciiDigit(QChar c)
{
    return c.unicode() >= '0' && c.unicode() <= '9';
}

// from_chars reports overflow and underflow without a value. The text is
// still a valid number, just too large (infinite) or too small (zero) for a
// double; its decimal magnitude tells which.
double beyondDoubleRange(const std::string &plain)
{
    const auto e = plain.find('e');
    const std::string mantissa = plain.substr(0, e);
    long exponent = 0;
    if (e != std::string::npos) {
        const char *first = plain.data() + e + 1;
        if (*first == '+')
            ++first;
        long parsed = 0;
        if (std::from_chars(first, plain.data() + plain.size(), parsed).ec == std::errc())
            exponent = parsed;
        else
            exponent = plain[e + 1] == '-' ? -100000 : 100000;
    }
    const auto firstSignificant = mantissa.find_first_of("123456789");
    if (firstSignificant == std::string::npos)
        return 0.0;
    const auto point = mantissa.find('.');
    const long pointAt = long(point == std::string::npos ? mantissa.size() : point);
    long magnitude = pointAt - long(firstSignificant) + exponent;
    if (long(firstSignificant) > pointAt)
        magnitude += 1; // the point itself sits before the first significant digit
    return magnitude > 0 ? HUGE_VAL : 0.0;
}

} // namespace

NumberFormat::NumberFormat(const QLocale &locale)
    : m_decimal(firstCharOr(locale.decimalPoint(), QLatin1Char('.')))
    , m_group(firstCharOr(locale.groupSeparator(), QChar()))
{
    // A locale whose grouping separator equals its decimal separator would
    // make every number ambiguous; drop grouping then.
    if (m_group == m_decimal)
        m_group = QChar();
}

QString NumberFormat::format(double value) const
{
    if (std::isnan(value))
        return QStringLiteral("NaN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-Infinity") : QStringLiteral("Infinity");
    if (value == 0)
        return QStringLiteral("0"); // also for -0: a total never shows "-0"

    // The "general" form with 15 digits already switches to exponent form
    // exactly where ours does (exponent below -4 or from 15 up) and drops
    // trailing zeros. to_chars ignores the C library's locale, which the
    // toolkit sets from the environment at start-up.
    char buffer[40];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::general, 15);

    QString text;
    text.reserve(24);
    for (const char *p = buffer; p != result.ptr; ++p) {
        const char c = *p;
        if (c == '.')
            text += m_decimal;
        else if (c == 'e')
            text += QLatin1Char('E');
        else
            text += QLatin1Char(c);
    }
    return text;
}

std::optional<double> NumberFormat::parse(QStringView text) const
{
    // Build the plain "C" form of the number while checking its shape, then
    // let from_chars do the correctly rounded, locale-independent conversion.
    std::string plain;
    plain.reserve(size_t(text.size()) + 2);
    qsizetype i = 0;
    const qsizetype n = text.size();
    int integerDigits = 0;
    while (i < n) {
        const QChar c = text[i];
        if (isAsciiDigit(c)) {
            plain += char(c.unicode());
            ++integerDigits;
        } else if (!m_group.isNull() && c == m_group && integerDigits > 0) {
            // grouping separators are accepted anywhere after the first digit
        } else {
            break;
        }
        ++i;
    }
    int fractionDigits = 0;
    if (i < n && text[i] == m_decimal) {
        plain += '.';
        ++i;
        while (i < n && isAsciiDigit(text[i])) {
            plain += char(text[i].unicode());
            ++fractionDigits;
            ++i;
        }
    }
    if (integerDigits + fractionDigits == 0)
        return std::nullopt;
    if (i < n && (text[i] == QLatin1Char('E') || text[i] == QLatin1Char('e'))) {
        plain += 'e';
        ++i;
        if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
            plain += char(text[i].unicode());
            ++i;
        }
        int exponentDigits = 0;
        while (i < n && isAsciiDigit(text[i])) {
            plain += char(text[i].unicode());
            ++exponentDigits;
            ++i;
        }
        if (exponentDigits == 0)
            return std::nullopt;
    }
    if (i != n)
        return std::nullopt;
    double value = 0;
    const auto result = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (result.ec == std::errc::result_out_of_range)
        return beyondDoubleRange(plain);
    if (result.ec != std::errc())
        return std::nullopt;
    return value;
}

} // namespace tabulo
