#include "core/numbers/decimal.h"

#include "core/numbers/decimal128_parts.h"

// The library is configured by these three switches at build time; the
// static library we link (bidgcc000) passes numbers by value and takes the
// rounding mode and the status flags as arguments, so no global state is
// shared between two totals computed side by side.
#define DECIMAL_CALL_BY_REFERENCE 0
#define DECIMAL_GLOBAL_ROUNDING 0
#define DECIMAL_GLOBAL_EXCEPTION_FLAGS 0
extern "C" {
#include <bid_conf.h>
#include <bid_functions.h>
}

#include <algorithm>
#include <cstring>

namespace tabulo {

struct DecimalCodec
{
    static BID_UINT128 raw(const Decimal &d)
    {
        BID_UINT128 x;
        x.w[0] = d.m_low;
        x.w[1] = d.m_high;
        return x;
    }
    static Decimal wrap(const BID_UINT128 &x) { return Decimal(x.w[0], x.w[1]); }
};

namespace {

constexpr _IDEC_round halfEven = BID_ROUNDING_TO_NEAREST;

BID_UINT128 raw(const Decimal &d)
{
    return DecimalCodec::raw(d);
}

Decimal wrap(const BID_UINT128 &x)
{
    return DecimalCodec::wrap(x);
}

BID_UINT128 fromString(const char *text)
{
    _IDEC_flags flags = 0;
    return bid128_from_string(const_cast<char *>(text), halfEven, &flags);
}

// The largest decimal of 34 digits that a double still reaches: every
// number above it rounds to an infinite double (the double range ends
// half an ulp above the largest double, at 2^1024 - 2^970).
const BID_UINT128 largestInDoubleRange = fromString("1.797693134862315807937289714053034E308");

using decimal128::exponentBias;
using decimal128::largestExponent;

// Totals keep the range of a double: past it they are infinite, as they
// were when they were doubles, and stay so for the lines below.
BID_UINT128 beyondDoubleRangeIsInfinite(BID_UINT128 x)
{
    if (!bid128_isFinite(x))
        return x;
    _IDEC_flags flags = 0;
    if (!bid128_quiet_greater(bid128_abs(x), largestInDoubleRange, &flags))
        return x;
    BID_UINT128 infinite = bid128_inf();
    return bid128_isSigned(x) ? bid128_negate(infinite) : infinite;
}

inline BID_UINT128 inDoubleRange(BID_UINT128 x)
{
    // Reading the exponent directly spares a library call on every
    // operation: most numbers need no comparison at all.
    if (decimal128::isPlain(x.w[1]) && !decimal128::mayLeaveDoubleRange(decimal128::biasedExponentOf(x.w[1])))
        return x;
    return beyondDoubleRangeIsInfinite(x);
}

// The sum when it needs no rounding, without a call into the library.
std::optional<BID_UINT128> exactPlainSum(const BID_UINT128 &a, const BID_UINT128 &b, bool subtract)
{
    const auto x = decimal128::plainParts(a.w[0], a.w[1]);
    const auto y = decimal128::plainParts(b.w[0], b.w[1]);
    if (!x || !y)
        return std::nullopt;
    const auto sum = decimal128::exactSum(*x, *y, subtract);
    if (!sum)
        return std::nullopt;
    std::uint64_t low = 0;
    std::uint64_t high = 0;
    decimal128::encode(*sum, low, high);
    BID_UINT128 result;
    result.w[0] = low;
    result.w[1] = high;
    return result;
}

// x × 10^exponent, rounded; zero stays zero.
BID_UINT128 scaled(BID_UINT128 x, std::int64_t exponent)
{
    if (bid128_isZero(x))
        return bid128_from_uint64(0);
    // Exponents far outside any decimal128 only mean zero or infinity;
    // clamping them keeps the library's argument in range.
    constexpr std::int64_t farOutside = 100000;
    _IDEC_flags flags = 0;
    return inDoubleRange(
        bid128_scalbn(x, int(std::clamp<std::int64_t>(exponent, -farOutside, farOutside)), halfEven, &flags));
}

} // namespace

Decimal::Decimal()
    : m_low(0)
    , m_high(std::uint64_t(exponentBias) << 49)
{
}

Decimal Decimal::fromCoefficient(std::uint64_t coefficient, std::int64_t exponent)
{
    // Within the exponent range the number is its coefficient and exponent
    // as they stand; far out the library rounds it to zero or infinity.
    if (exponent >= -exponentBias && exponent <= largestExponent) {
        BID_UINT128 x;
        x.w[0] = coefficient;
        x.w[1] = std::uint64_t(exponent + exponentBias) << 49;
        return wrap(inDoubleRange(x));
    }
    return wrap(scaled(bid128_from_uint64(coefficient), exponent));
}

Decimal Decimal::fromDigits(std::string_view digits, std::int64_t exponent)
{
    // Leading zeros carry no value; up to 19 digits fit a 64-bit integer.
    const auto firstSignificant = digits.find_first_not_of('0');
    if (firstSignificant == std::string_view::npos)
        return fromCoefficient(0, exponent);
    const std::string_view significant = digits.substr(firstSignificant);
    if (significant.size() <= 19) {
        std::uint64_t coefficient = 0;
        for (const char c : significant)
            coefficient = coefficient * 10 + std::uint64_t(c - '0');
        return fromCoefficient(coefficient, exponent);
    }
    return wrap(scaled(fromString(std::string(significant).c_str()), exponent));
}

Decimal Decimal::fromInteger(std::int64_t value)
{
    return wrap(bid128_from_int64(value));
}

Decimal Decimal::infinity(bool negative)
{
    const BID_UINT128 infinite = bid128_inf();
    return wrap(negative ? bid128_negate(infinite) : infinite);
}

Decimal Decimal::notANumber()
{
    return wrap(bid128_nan(""));
}

Decimal Decimal::operator+(const Decimal &other) const
{
    if (const auto exact = exactPlainSum(raw(*this), raw(other), false))
        return wrap(inDoubleRange(*exact));
    _IDEC_flags flags = 0;
    return wrap(inDoubleRange(bid128_add(raw(*this), raw(other), halfEven, &flags)));
}

Decimal Decimal::operator-(const Decimal &other) const
{
    if (const auto exact = exactPlainSum(raw(*this), raw(other), true))
        return wrap(inDoubleRange(*exact));
    _IDEC_flags flags = 0;
    return wrap(inDoubleRange(bid128_sub(raw(*this), raw(other), halfEven, &flags)));
}

Decimal Decimal::operator*(const Decimal &other) const
{
    _IDEC_flags flags = 0;
    return wrap(inDoubleRange(bid128_mul(raw(*this), raw(other), halfEven, &flags)));
}

Decimal Decimal::operator/(const Decimal &other) const
{
    _IDEC_flags flags = 0;
    return wrap(inDoubleRange(bid128_div(raw(*this), raw(other), halfEven, &flags)));
}

Decimal Decimal::operator-() const
{
    return wrap(bid128_negate(raw(*this)));
}

Decimal Decimal::magnitude() const
{
    return wrap(bid128_abs(raw(*this)));
}

std::optional<Decimal> Decimal::exactSum(const Decimal &other) const
{
    _IDEC_flags flags = 0;
    const auto plain = exactPlainSum(raw(*this), raw(other), false);
    const BID_UINT128 sum = plain ? *plain : bid128_add(raw(*this), raw(other), halfEven, &flags);
    if (flags & BID_INEXACT_EXCEPTION)
        return std::nullopt;
    const BID_UINT128 ranged = inDoubleRange(sum);
    if (!bid128_isFinite(ranged) && bid128_isFinite(raw(*this)) && bid128_isFinite(raw(other)))
        return std::nullopt;
    return wrap(ranged);
}

Decimal Decimal::sumRoundedUp(const Decimal &other) const
{
    _IDEC_flags flags = 0;
    return wrap(bid128_add(raw(*this), raw(other), BID_ROUNDING_UP, &flags));
}

Decimal Decimal::larger(const Decimal &a, const Decimal &b)
{
    _IDEC_flags flags = 0;
    return wrap(bid128_maxnum(raw(a), raw(b), &flags));
}

bool Decimal::isFinite() const
{
    return bid128_isFinite(raw(*this));
}

bool Decimal::isNaN() const
{
    return bid128_isNaN(raw(*this));
}

bool Decimal::isInfinite() const
{
    return bid128_isInf(raw(*this));
}

bool Decimal::isZero() const
{
    return bid128_isZero(raw(*this));
}

bool Decimal::isNegative() const
{
    return bid128_isSigned(raw(*this));
}

int Decimal::leadingExponent() const
{
    _IDEC_flags flags = 0;
    return bid128_ilogb(raw(*this), &flags);
}

int Decimal::quantumExponent() const
{
    _IDEC_flags flags = 0;
    return bid128_quantexp(raw(*this), &flags);
}

Decimal::SignificantDigits Decimal::significantDigits(int count) const
{
    count = std::clamp(count, 1, 34);
    _IDEC_flags flags = 0;
    BID_UINT128 x = raw(*this);
    const int lead = bid128_ilogb(x, &flags);
    // Only a coefficient of more digits than asked for is rounded; the
    // quantum then sits `count - 1` places below the first digit.
    if (lead - bid128_quantexp(x, &flags) + 1 > count) {
        const BID_UINT128 quantum = bid128_scalbn(bid128_from_uint64(1), lead - count + 1, halfEven, &flags);
        x = bid128_quantize(x, quantum, halfEven, &flags);
    }
    // The library writes "[+-]coefficientE[+-]exponent".
    char text[64];
    bid128_to_string(text, x, &flags);
    SignificantDigits result;
    result.negative = text[0] == '-';
    const char *const e = std::strchr(text, 'E');
    const char *const end = e ? e : text + std::strlen(text);
    std::string digits(static_cast<const char *>(text) + 1, end);
    int exponent = e ? std::atoi(e + 1) : 0;
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
        ++exponent;
    }
    result.exponent = exponent + int(digits.size()) - 1;
    result.digits = std::move(digits);
    return result;
}

double Decimal::toDouble() const
{
    _IDEC_flags flags = 0;
    return bid128_to_binary64(raw(*this), halfEven, &flags);
}

std::string Decimal::exactText() const
{
    char text[64];
    _IDEC_flags flags = 0;
    bid128_to_string(text, raw(*this), &flags);
    return text;
}

} // namespace tabulo
