#include "core/numbers/number_format.h"

#include <algorithm>
#include <cstdint>
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

QString NumberFormat::format(const Decimal &value) const
{
    if (value.isNaN())
        return QStringLiteral("NaN");
    if (value.isInfinite())
        return value.isNegative() ? QStringLiteral("-Infinity") : QStringLiteral("Infinity");
    if (value.isZero())
        return QStringLiteral("0"); // also for -0: a total never shows "-0"

    const Decimal::SignificantDigits rounded = value.significantDigits(15);
    const std::string &digits = rounded.digits;
    const int exponent = rounded.exponent;
    const auto size = int(digits.size());
    QString text;
    text.reserve(size + 8);
    if (rounded.negative)
        text += QLatin1Char('-');
    auto append = [&text, &digits](int from, int to) {
        for (int i = from; i < to; ++i)
            text += QLatin1Char(digits[size_t(i)]);
    };
    if (exponent < -4 || exponent >= 15) {
        // One digit before the separator and an exponent of at least two
        // digits: "1E+15", "1,5E-07", "1E+100".
        append(0, 1);
        if (size > 1) {
            text += m_decimal;
            append(1, size);
        }
        text += exponent < 0 ? QLatin1String("E-") : QLatin1String("E+");
        const int magnitude = exponent < 0 ? -exponent : exponent;
        if (magnitude < 10)
            text += QLatin1Char('0');
        text += QString::number(magnitude);
    } else if (exponent >= 0) {
        const int integerDigits = exponent + 1;
        append(0, std::min(size, integerDigits));
        for (int i = size; i < integerDigits; ++i)
            text += QLatin1Char('0');
        if (size > integerDigits) {
            text += m_decimal;
            append(integerDigits, size);
        }
    } else {
        text += QLatin1Char('0');
        text += m_decimal;
        for (int i = exponent + 1; i < 0; ++i)
            text += QLatin1Char('0');
        append(0, size);
    }
    return text;
}

std::optional<Decimal> NumberFormat::parse(QStringView text) const
{
    // The digits are read into a 64-bit coefficient while the shape is
    // checked; the value is that coefficient times a power of ten. The rare
    // number too long for 64 bits is read again as text.
    std::uint64_t coefficient = 0;
    bool tooLong = false;
    auto addDigit = [&](QChar c) {
        constexpr std::uint64_t largestBeforeADigit = (UINT64_MAX - 9) / 10;
        if (coefficient <= largestBeforeADigit)
            coefficient = coefficient * 10 + std::uint64_t(c.unicode() - '0');
        else
            tooLong = true;
    };
    qsizetype i = 0;
    const qsizetype n = text.size();
    int integerDigits = 0;
    while (i < n) {
        const QChar c = text[i];
        if (isAsciiDigit(c)) {
            addDigit(c);
            ++integerDigits;
        } else if (c == m_group && integerDigits > 0 && !m_group.isNull()) {
            // grouping separators are accepted anywhere after the first digit
        } else {
            break;
        }
        ++i;
    }
    int fractionDigits = 0;
    if (i < n && text[i] == m_decimal) {
        ++i;
        while (i < n && isAsciiDigit(text[i])) {
            addDigit(text[i]);
            ++fractionDigits;
            ++i;
        }
    }
    if (integerDigits + fractionDigits == 0)
        return std::nullopt;
    const qsizetype mantissaEnd = i;
    std::int64_t exponent = 0;
    if (i < n && (text[i] == QLatin1Char('E') || text[i] == QLatin1Char('e'))) {
        ++i;
        bool negative = false;
        if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
            negative = text[i] == QLatin1Char('-');
            ++i;
        }
        int exponentDigits = 0;
        // Past a billion the exponent only says "zero" or "infinite".
        constexpr std::int64_t saturated = 1'000'000'000;
        while (i < n && isAsciiDigit(text[i])) {
            exponent = std::min(saturated, exponent * 10 + (text[i].unicode() - '0'));
            ++exponentDigits;
            ++i;
        }
        if (exponentDigits == 0)
            return std::nullopt;
        if (negative)
            exponent = -exponent;
    }
    if (i != n)
        return std::nullopt;
    exponent -= fractionDigits;
    if (!tooLong)
        return Decimal::fromCoefficient(coefficient, exponent);
    std::string digits;
    for (qsizetype k = 0; k < mantissaEnd; ++k) {
        if (isAsciiDigit(text[k]))
            digits += char(text[k].unicode());
    }
    return Decimal::fromDigits(digits, exponent);
}

} // namespace tabulo
