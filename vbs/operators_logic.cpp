// & and the logical operators (And, Or, Xor, Eqv, Imp, Not), with Null's truth tables.
#include "vbs/operators.h"

#include "vbs/convert.h"
#include "vbs/error.h"
#include "vbs/object.h"
#include "vbs/operators_internal.h"

namespace tabulo::vbs {

Value concatenate(const Value &a, const Value &b, const Locale &locale)
{
    if (a.isNull() && b.isNull())
        return Value::null();
    if (a.isString() && b.isString() && a.rawString().size() + b.rawString().size() > kMaxStringLength)
        raise(err::OutOfMemory);
    std::u16string left = a.isNull() ? std::u16string() : toString(a, locale);
    std::u16string_view rightView;
    std::u16string right;
    if (b.isString())
        rightView = b.rawString();
    else if (!b.isNull()) {
        right = toString(b, locale);
        rightView = right;
    }
    if (left.size() + rightView.size() > kMaxStringLength)
        raise(err::OutOfMemory);
    left.append(rightView);
    return Value::string(std::move(left));
}

namespace {

enum class Logic { And, Or, Xor, Eqv, Imp };

std::int64_t applyBits(Logic op, std::int64_t a, std::int64_t b)
{
    switch (op) {
    case Logic::And:
        return a & b;
    case Logic::Or:
        return a | b;
    case Logic::Xor:
        return a ^ b;
    case Logic::Eqv:
        return ~(a ^ b);
    case Logic::Imp:
        return ~a | b;
    }
    return 0;
}

// The three-valued truth tables with Null: the result is Null unless the other operand
// decides it on its own (False And Null is False, True Or Null is True, False Imp Null
// and Null Imp True are True). Numbers work bit by bit: 0 And Null is 0, -1 Or Null is -1.
Value logicWithNull(Logic op, const Value &x, const Value &y, const Locale &locale)
{
    const Value &other = x.isNull() ? y : x;
    const bool nullFirst = x.isNull();
    if (other.isNull())
        return Value::null();
    const bool logical = other.type() == Type::Boolean;
    const Value known = logical ? other : toNumeric(other, locale);
    const Kind kind = logical ? KInteger : std::min(kindOf(known), KLong);
    const std::int64_t allSet = kind == KByte ? 0xFF : -1;
    const std::int64_t bits = logical ? (other.rawBool() ? -1 : 0) : toLong(known, locale);
    auto decided = [&](std::int64_t r) {
        if (logical)
            return Value::boolean(r != 0);
        return kind == KByte ? Value::byte(std::uint8_t(r)) : fitInteger(r, kind);
    };
    switch (op) {
    case Logic::And:
        if (bits == 0)
            return decided(0);
        break;
    case Logic::Or:
        if (bits == allSet)
            return decided(allSet);
        break;
    case Logic::Imp:
        if (nullFirst && bits == allSet)
            return decided(allSet);
        if (!nullFirst && bits == 0)
            return decided(allSet);
        break;
    default:
        break;
    }
    return Value::null();
}

Value logic(Logic op, const Value &a, const Value &b, const Locale &locale)
{
    Value x = a.isObject() ? valueOf(a) : a;
    Value y = b.isObject() ? valueOf(b) : b;
    if (x.isNull() || y.isNull())
        return logicWithNull(op, x, y, locale);
    if (x.type() == Type::Boolean && y.type() == Type::Boolean)
        return Value::boolean(applyBits(op, x.rawBool() ? -1 : 0, y.rawBool() ? -1 : 0) != 0);
    x = toNumeric(x, locale);
    y = toNumeric(y, locale);
    Kind k = std::max(kindOf(x), kindOf(y));
    std::int64_t r = applyBits(op, toLong(x, locale), toLong(y, locale));
    if (k == KByte)
        return Value::byte(std::uint8_t(r));
    if (k == KInteger)
        return Value::integer(std::int16_t(r));
    return Value::longValue(std::int32_t(r));
}

} // namespace

Value logicalAnd(const Value &a, const Value &b, const Locale &l)
{
    return logic(Logic::And, a, b, l);
}
Value logicalOr(const Value &a, const Value &b, const Locale &l)
{
    return logic(Logic::Or, a, b, l);
}
Value logicalXor(const Value &a, const Value &b, const Locale &l)
{
    return logic(Logic::Xor, a, b, l);
}
Value logicalEqv(const Value &a, const Value &b, const Locale &l)
{
    return logic(Logic::Eqv, a, b, l);
}
Value logicalImp(const Value &a, const Value &b, const Locale &l)
{
    return logic(Logic::Imp, a, b, l);
}

Value logicalNot(const Value &a, const Locale &locale)
{
    Value x = a.isObject() ? valueOf(a) : a;
    if (x.isNull())
        return x;
    if (x.type() == Type::Boolean)
        return Value::boolean(!x.rawBool());
    x = toNumeric(x, locale);
    std::int64_t r = ~std::int64_t(toLong(x, locale));
    if (x.type() == Type::Byte)
        return Value::byte(std::uint8_t(r));
    if (x.type() == Type::Integer)
        return Value::integer(std::int16_t(r));
    return Value::longValue(std::int32_t(r));
}

} // namespace tabulo::vbs
