#pragma once
// Rounding a Double in decimal, the way a user reads the number: Round(2.675, 2) is
// 2.68 because the script wrote 2.675, even though the nearest binary value lies a
// hair below it. Round uses halves-to-even, the Format functions halves-away-from-zero.
#include <string>

namespace tabulo::vbs {

enum class HalfRounding { ToEven, AwayFromZero };

struct DecimalText
{
    bool negative = false; // false for a result that rounds to zero
    std::string integerDigits; // at least "0", no leading zeros
    std::string fractionDigits; // exactly the requested number of digits
};

// `value` (finite) rounded to `fractionDigits` decimals, first read at
// `significantDigits` (15 for a Double, 7 for a Single).
DecimalText roundDecimal(double value, int fractionDigits, HalfRounding mode, int significantDigits = 15);
double decimalValue(const DecimalText &text);

} // namespace tabulo::vbs
