#pragma once
// What the operator files share: the numeric kinds of Values and reading a number out
// of one. Only operators_*.cpp include this. The functions keep internal linkage, as
// when the operators were one file, so each file inlines them the same way.
#include <cstdint>
#include <limits>

#include "vbs/value.h"

namespace tabulo::vbs {
namespace {

// The numeric kinds, narrowest first. Booleans calculate as Integers.
enum Kind { KByte, KInteger, KLong, KSingle, KDouble, KCurrency, KDate };

[[maybe_unused]] Kind kindOf(const Value &v)
{
    switch (v.type()) {
    case Type::Byte:
        return KByte;
    case Type::Integer:
    case Type::Boolean:
        return KInteger;
    case Type::Long:
        return KLong;
    case Type::Single:
        return KSingle;
    case Type::Currency:
        return KCurrency;
    case Type::Date:
        return KDate;
    default:
        return KDouble;
    }
}

[[maybe_unused]] std::int64_t integerOf(const Value &v)
{
    switch (v.type()) {
    case Type::Byte:
        return v.rawByte();
    case Type::Integer:
        return v.rawInteger();
    case Type::Boolean:
        return v.rawBool() ? -1 : 0;
    case Type::Long:
        return v.rawLong();
    default:
        return 0;
    }
}

[[maybe_unused]] double doubleOf(const Value &v)
{
    switch (v.type()) {
    case Type::Single:
        return v.rawSingle();
    case Type::Double:
    case Type::Date:
        return v.rawDouble();
    case Type::Currency:
        return double(v.rawCurrency()) / 10000.0;
    default:
        return double(integerOf(v));
    }
}

// The smallest of Byte, Integer, Long, Double (starting at `at least`) that holds n.
[[maybe_unused]] Value fitInteger(std::int64_t n, Kind atLeast)
{
    if (atLeast == KByte && n >= 0 && n <= 255)
        return Value::byte(std::uint8_t(n));
    if (atLeast <= KInteger && n >= -32768 && n <= 32767)
        return Value::integer(std::int16_t(n));
    if (n >= std::numeric_limits<std::int32_t>::min() && n <= std::numeric_limits<std::int32_t>::max())
        return Value::longValue(std::int32_t(n));
    return Value::number(double(n));
}

} // namespace
} // namespace tabulo::vbs
