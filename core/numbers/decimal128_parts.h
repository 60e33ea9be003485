#pragma once

// The decimal128 interchange format (binary encoding of the coefficient), as
// our decimals hold it: a finite number whose two bits below the sign are not
// both set keeps its biased exponent in the next 14 bits and its coefficient
// in the low 113. Every number the decimal library returns has that form
// unless it is infinite or NaN.
//
// Most sums of a note are of numbers with a few digits and a few decimals,
// and need no rounding. Those are done here in 128-bit integers, giving the
// very number the library gives: the exact sum at the smaller of the two
// exponents, +0 when opposite signs cancel. Everything else is left to the
// library. Only the decimal types include this header.

#include <array>
#include <cstdint>
#include <optional>

namespace tabulo::decimal128 {

using Coefficient = unsigned __int128;

constexpr int exponentBias = 6176;
constexpr int largestExponent = 6111;
constexpr int digitsHeld = 34;

constexpr Coefficient powerOfTen(int n)
{
    Coefficient p = 1;
    for (int i = 0; i < n; ++i)
        p *= 10;
    return p;
}

inline constexpr auto powersOfTen = [] {
    std::array<Coefficient, digitsHeld + 1> p {};
    for (int i = 0; i <= digitsHeld; ++i)
        p[size_t(i)] = powerOfTen(i);
    return p;
}();

constexpr Coefficient coefficientLimit = powerOfTen(digitsHeld); // 10^34

struct Parts
{
    Coefficient coefficient = 0;
    int biasedExponent = exponentBias;
    bool negative = false;
};

inline bool isPlain(std::uint64_t high)
{
    return ((high >> 61) & 3) != 3;
}

// The biased exponent of a number in the plain form.
inline int biasedExponentOf(std::uint64_t high)
{
    return int((high >> 49) & 0x3FFF);
}

inline std::optional<Parts> plainParts(std::uint64_t low, std::uint64_t high)
{
    if (!isPlain(high))
        return std::nullopt;
    const Coefficient coefficient = (Coefficient(high & ((std::uint64_t(1) << 49) - 1)) << 64) | low;
    if (coefficient >= coefficientLimit)
        return std::nullopt; // not canonical: the library reads it as zero
    return Parts {coefficient, biasedExponentOf(high), (high >> 63) != 0};
}

inline void encode(const Parts &parts, std::uint64_t &low, std::uint64_t &high)
{
    low = std::uint64_t(parts.coefficient);
    high = (parts.negative ? std::uint64_t(1) << 63 : 0) | (std::uint64_t(parts.biasedExponent) << 49)
        | std::uint64_t(parts.coefficient >> 64);
}

// Whether a number at this exponent could pass the largest double: its first
// digit is at most 33 places above its last.
inline bool mayLeaveDoubleRange(int biasedExponent)
{
    return biasedExponent - exponentBias + digitsHeld - 1 >= 308;
}

// coefficient × 10^places when that stays below 10^34.
inline bool scaleBelowLimit(Coefficient &coefficient, int places)
{
    if (places == 0 || coefficient == 0)
        return true;
    if (places > digitsHeld || coefficient >= powersOfTen[size_t(digitsHeld - places)])
        return false;
    coefficient *= powersOfTen[size_t(places)];
    return true;
}

// a + b (or a - b) when it needs no rounding.
inline std::optional<Parts> exactSum(const Parts &a, const Parts &b, bool subtract)
{
    Parts result;
    result.biasedExponent = a.biasedExponent < b.biasedExponent ? a.biasedExponent : b.biasedExponent;
    Coefficient left = a.coefficient;
    Coefficient right = b.coefficient;
    if (!scaleBelowLimit(left, a.biasedExponent - result.biasedExponent)
        || !scaleBelowLimit(right, b.biasedExponent - result.biasedExponent))
        return std::nullopt;
    const bool rightNegative = b.negative != subtract;
    if (a.negative == rightNegative) {
        result.coefficient = left + right;
        result.negative = a.negative;
    } else if (left >= right) {
        result.coefficient = left - right;
        result.negative = a.negative && result.coefficient != 0;
    } else {
        result.coefficient = right - left;
        result.negative = rightNegative;
    }
    if (result.coefficient >= coefficientLimit)
        return std::nullopt;
    return result;
}

} // namespace tabulo::decimal128
