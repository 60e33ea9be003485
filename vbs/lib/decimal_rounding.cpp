#include "vbs/lib/decimal_rounding.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace tabulo::vbs {

DecimalText roundDecimal(double value, int fractionDigits, HalfRounding mode, int significantDigits)
{
    DecimalText out;
    out.fractionDigits.assign(std::size_t(fractionDigits), '0');
    out.integerDigits.assign(1, '0'); // not = "0": GCC 12 warns falsely (-Wrestrict) on that
    if (value == 0 || !std::isfinite(value))
        return out;

    // "d.ddd...e+XX": the significant digits and the power of ten of the first one.
    // to_chars, unlike printf, ignores the C locale a host program may have set.
    char buffer[64];
    auto written = std::to_chars(
        buffer, buffer + sizeof buffer - 1, std::fabs(value), std::chars_format::scientific, significantDigits - 1);
    *written.ptr = 0;
    std::string digits(1, buffer[0]);
    const char *p = buffer + (significantDigits > 1 ? 2 : 1);
    while (*p && *p != 'e')
        digits += *p++;
    int pointPosition = std::atoi(p + 1) + 1; // digits before the decimal point

    long keep = long(pointPosition) + fractionDigits;
    if (keep < long(digits.size())) {
        bool roundUp = false;
        if (keep >= 0) {
            char first = digits[std::size_t(keep)];
            bool restNonZero = digits.find_first_not_of('0', std::size_t(keep) + 1) != std::string::npos;
            bool previousOdd = keep > 0 && (digits[std::size_t(keep) - 1] - '0') % 2 == 1;
            roundUp
                = first > '5' || (first == '5' && (restNonZero || mode == HalfRounding::AwayFromZero || previousOdd));
        }
        digits.resize(std::size_t(keep < 0 ? 0 : keep));
        if (roundUp) {
            std::size_t i = digits.size();
            while (i > 0 && digits[i - 1] == '9')
                digits[--i] = '0';
            if (i == 0) {
                digits.insert(digits.begin(), '1');
                ++pointPosition;
            } else {
                ++digits[i - 1];
            }
        }
    }

    auto digitAt
        = [&](long index) { return index >= 0 && index < long(digits.size()) ? digits[std::size_t(index)] : '0'; };
    if (pointPosition > 0) {
        out.integerDigits.clear();
        for (long i = 0; i < pointPosition; ++i)
            out.integerDigits += digitAt(i);
        std::size_t firstNonZero = out.integerDigits.find_first_not_of('0');
        out.integerDigits.erase(0, firstNonZero == std::string::npos ? out.integerDigits.size() - 1 : firstNonZero);
    }
    for (int i = 0; i < fractionDigits; ++i)
        out.fractionDigits[std::size_t(i)] = digitAt(pointPosition + i);
    bool allZero = out.integerDigits == "0" && out.fractionDigits.find_first_not_of('0') == std::string::npos;
    out.negative = value < 0 && !allZero;
    return out;
}

double decimalValue(const DecimalText &text)
{
    std::string plain = (text.negative ? "-" : "") + text.integerDigits + "." + text.fractionDigits + "0";
    double value = 0;
    std::from_chars(plain.data(), plain.data() + plain.size(), value);
    return value;
}

} // namespace tabulo::vbs
