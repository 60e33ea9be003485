#pragma once

#include "core/numbers/decimal.h"
#include "core/numbers/decimal128_parts.h"

namespace tabulo {

// A total that numbers are added to and subtracted from one after another:
// the same number, held the same way, as adding them one by one with the
// operators of Decimal, each sum rounded in turn. While no sum needs
// rounding the total stays an integer coefficient and an exponent, which
// spares packing and unpacking it for every line of a long column of
// amounts; the rare sum that needs rounding goes through Decimal.
class DecimalRunningSum
{
public:
    DecimalRunningSum() = default; // zero
    explicit DecimalRunningSum(const Decimal &start) { reset(start); }

    void add(const Decimal &value) { step(value, false); }
    void subtract(const Decimal &value) { step(value, true); }
    Decimal total() const;

private:
    [[gnu::always_inline]] void step(const Decimal &value, bool subtract)
    {
        if (m_plain) {
            if (const auto parts = decimal128::plainParts(value.m_low, value.m_high)) {
                const auto sum = decimal128::exactSum(m_parts, *parts, subtract);
                if (sum && !decimal128::mayLeaveDoubleRange(sum->biasedExponent)) {
                    m_parts = *sum;
                    return;
                }
            }
        }
        stepRounded(value, subtract);
    }
    void stepRounded(const Decimal &value, bool subtract);
    void reset(const Decimal &total);

    decimal128::Parts m_parts; // the total while m_plain
    bool m_plain = true;
    Decimal m_total; // the total otherwise (infinite or NaN)
};

} // namespace tabulo
