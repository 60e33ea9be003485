// Round (halves to even), Hex and Oct.
#include <cmath>
#include <limits>

#include "vbs/lib/decimal_rounding.h"
#include "vbs/lib/libraries.h"
#include "vbs/lib/library_support.h"

namespace tabulo::vbs {
namespace {

// Currency, an integer scaled by 10,000, rounded to `digits` decimals exactly.
std::int64_t roundCurrency(std::int64_t scaled, int digits)
{
    if (digits >= 4)
        return scaled;
    std::int64_t unit = 1;
    for (int i = digits; i < 4; ++i)
        unit *= 10;
    std::int64_t quotient = scaled / unit, remainder = scaled % unit;
    std::int64_t twice = 2 * (remainder < 0 ? -remainder : remainder);
    if (twice > unit || (twice == unit && quotient % 2 != 0))
        quotient += remainder < 0 ? -1 : 1;
    return quotient * unit;
}

// No Double has a significant digit this far after the decimal point (the smallest
// is about 4.9E-324), so rounding to more places changes nothing.
constexpr int kMeaningfulDecimals = 340;

double roundDouble(double d, int digits, int significantDigits)
{
    if (!std::isfinite(d) || digits > kMeaningfulDecimals)
        return d;
    return decimalValue(roundDecimal(d, digits, HalfRounding::ToEven, significantDigits));
}

// Round(expression[, numdecimalplaces]): the subtype stays (text becomes Double).
Value Round(CallContext &call)
{
    std::int32_t digits = call.longOr(1, 0);
    if (digits < 0)
        raise(err::InvalidCall);
    if (call.isNull(0))
        return Value::null();
    Value v = toNumeric(call.value(0), call.locale());
    switch (v.type()) {
    case Type::Integer:
    case Type::Long:
    case Type::Byte:
        return v;
    case Type::Boolean:
        return Value::integer(v.rawBool() ? -1 : 0);
    case Type::Currency:
        return Value::currency(roundCurrency(v.rawCurrency(), digits));
    case Type::Single:
        return Value::single(float(roundDouble(v.rawSingle(), digits, 7)));
    case Type::Date:
        return Value::date(roundDouble(v.rawDate(), digits, 15));
    default:
        return Value::number(roundDouble(toDouble(v, call.locale()), digits, 15));
    }
}

// Hex and Oct read their argument as a Long (rounding halves to even); negative
// Integers show 16 bits of two's complement, everything else 32.
std::uint32_t bitsOf(CallContext &call, bool &sixteenBits)
{
    Value v = call.value(0);
    Type t = v.type();
    sixteenBits = t == Type::Integer || t == Type::Byte || t == Type::Boolean || t == Type::Empty;
    std::int32_t n = toLong(v, call.locale());
    return sixteenBits && n < 0 ? std::uint32_t(std::uint16_t(n)) : std::uint32_t(n);
}

Value inRadix(CallContext &call, unsigned bitsPerDigit)
{
    if (call.isNull(0))
        return Value::null();
    bool sixteenBits = false;
    std::uint32_t bits = bitsOf(call, sixteenBits);
    const unsigned mask = (1u << bitsPerDigit) - 1;
    std::u16string digits;
    do {
        digits.insert(digits.begin(), u"0123456789ABCDEF"[bits & mask]);
        bits >>= bitsPerDigit;
    } while (bits != 0);
    return Value::string(std::move(digits));
}
Value Hex(CallContext &call)
{
    return inRadix(call, 4);
}
Value Oct(CallContext &call)
{
    return inRadix(call, 3);
}

constexpr Builtin kFunctions[] = {
    {u"Round", Round, 1, 2},
    {u"Hex", Hex, 1, 1},
    {u"Oct", Oct, 1, 1},
};

} // namespace

Library numberLibrary()
{
    return {kFunctions};
}

} // namespace tabulo::vbs
