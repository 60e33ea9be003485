#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tabulo {

// A number of a note and a total: an exact decimal of up to 34 significant
// digits (the precision of decimal128), so that money adds up to the cent:
// 0.1 + 0.2 - 0.3 is 0, not a binary remainder.
//
// Every operation is rounded to 34 significant digits, half to even. The
// range is that of a double, as totals always had: a result or a number
// whose magnitude passes the largest double becomes infinite; a division by
// zero gives an infinite total, 0/0 an undefined one (NaN), and both carry
// on through the following operations.
//
// The value is held in the decimal128 interchange encoding and computed by
// the decimal floating-point library; nothing outside this type sees it.
class Decimal
{
public:
    // Zero.
    Decimal();

    // digits × 10^exponent, where `digits` is a non-empty run of ASCII
    // digits (leading zeros allowed). More than 34 significant digits are
    // rounded half to even.
    static Decimal fromDigits(std::string_view digits, std::int64_t exponent);
    // coefficient × 10^exponent.
    static Decimal fromCoefficient(std::uint64_t coefficient, std::int64_t exponent);
    static Decimal fromInteger(std::int64_t value);
    static Decimal infinity(bool negative = false);
    static Decimal notANumber();

    Decimal operator+(const Decimal &other) const;
    Decimal operator-(const Decimal &other) const;
    Decimal operator*(const Decimal &other) const;
    Decimal operator/(const Decimal &other) const;
    Decimal operator-() const;
    Decimal magnitude() const;

    // The sum when it needs no rounding (and stays in range); nothing when
    // it would be rounded.
    std::optional<Decimal> exactSum(const Decimal &other) const;
    // An upper bound of the sum: the sum rounded towards +infinity.
    Decimal sumRoundedUp(const Decimal &other) const;
    // The larger of two numbers (NaN loses).
    static Decimal larger(const Decimal &a, const Decimal &b);

    bool isFinite() const;
    bool isNaN() const;
    bool isInfinite() const;
    bool isZero() const;
    // The sign bit: also set for -0 and -infinity.
    bool isNegative() const;

    // The power of ten of the first significant digit (2 for 345, -2 for
    // 0.012); meaningless for zero and for what is not finite.
    int leadingExponent() const;
    // The power of ten of the last digit held (-2 for 3.45 and for 3.40).
    int quantumExponent() const;

    // Rounded half to even to at most `count` significant digits (1..34),
    // for display: the digits without trailing zeros and the power of ten of
    // the first of them. Only for finite numbers other than zero.
    struct SignificantDigits
    {
        std::string digits;
        int exponent = 0;
        bool negative = false;
    };
    SignificantDigits significantDigits(int count) const;

    // The nearest double.
    double toDouble() const;

    // Coefficient and exponent as held ("+1250E-2", "-Inf", "+NaN"): two
    // numbers with the same text are the same number, held the same way.
    std::string exactText() const;
    bool isIdenticalTo(const Decimal &other) const { return m_low == other.m_low && m_high == other.m_high; }

private:
    Decimal(std::uint64_t low, std::uint64_t high)
        : m_low(low)
        , m_high(high)
    {
    }

    // The decimal128 encoding, little end first as the library holds it.
    std::uint64_t m_low;
    std::uint64_t m_high;

    friend struct DecimalCodec;
    friend class DecimalRunningSum;
};

} // namespace tabulo
