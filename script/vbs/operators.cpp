#include "operators.h"

#include <cmath>
#include <limits>

#include "convert.h"
#include "error.h"
#include "object.h"

namespace tabulo::vbs {
namespace {

// The numeric kinds, narrowest first. Booleans calculate as Integers.
enum Kind { KByte, KInteger, KLong, KSingle, KDouble, KCurrency, KDate };

Kind kindOf(const Value &v)
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

std::int64_t integerOf(const Value &v)
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

double doubleOf(const Value &v)
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
Value fitInteger(std::int64_t n, Kind atLeast)
{
    if (atLeast == KByte && n >= 0 && n <= 255)
        return Value::byte(std::uint8_t(n));
    if (atLeast <= KInteger && n >= -32768 && n <= 32767)
        return Value::integer(std::int16_t(n));
    if (n >= std::numeric_limits<std::int32_t>::min() && n <= std::numeric_limits<std::int32_t>::max())
        return Value::longValue(std::int32_t(n));
    return Value::number(double(n));
}

Value checkedDouble(double d)
{
    if (std::isinf(d))
        raise(err::Overflow);
    return Value::number(d);
}

Value fromCurrency(long double scaled)
{
    if (!(scaled >= -9.2233720368547758e18L && scaled < 9.2233720368547758e18L))
        raise(err::Overflow);
    return Value::currency(std::int64_t(std::nearbyint(double(scaled))));
}

// Prepares both operands of an arithmetic operator: objects give their default value,
// Empty becomes Integer 0, strings become Double. Returns false when either is Null.
bool numericOperands(const Value &a, const Value &b, Value &x, Value &y, const Locale &locale)
{
    // Null wins before any conversion: "abc" + Null is Null, not a type mismatch.
    if ((a.isNull() && !b.isArray()) || (b.isNull() && !a.isArray()))
        return false;
    x = toNumeric(a, locale);
    y = toNumeric(b, locale);
    return !x.isNull() && !y.isNull();
}

enum class Arith { Add, Subtract, Multiply };

Value arithmetic(Arith op, const Value &x, const Value &y)
{
    Kind kx = kindOf(x), ky = kindOf(y);
    Kind k = std::max(kx, ky);
    if (k <= KLong) {
        std::int64_t a = integerOf(x), b = integerOf(y);
        std::int64_t r = op == Arith::Add ? a + b : op == Arith::Subtract ? a - b : a * b;
        return fitInteger(r, k);
    }
    if (k == KCurrency && kx != KSingle && kx != KDouble && ky != KSingle && ky != KDouble) {
        long double a = kx == KCurrency ? x.rawCurrency() : (long double)doubleOf(x) * 10000;
        long double b = ky == KCurrency ? y.rawCurrency() : (long double)doubleOf(y) * 10000;
        if (op == Arith::Multiply)
            return fromCurrency(a * b / 10000);
        return fromCurrency(op == Arith::Add ? a + b : a - b);
    }
    double a = doubleOf(x), b = doubleOf(y);
    double r = op == Arith::Add ? a + b : op == Arith::Subtract ? a - b : a * b;
    if (k == KDate && op != Arith::Multiply && !(op == Arith::Subtract && kx == KDate && ky == KDate)) {
        if (!(r >= -657434.0 && r < 2958466.0))
            raise(err::Overflow);
        return Value::date(r);
    }
    // Single with Byte or Integer stays Single; with anything wider it is Double.
    if (k == KSingle && kx != KLong && ky != KLong) {
        float f = float(r);
        if (std::isinf(f))
            raise(err::Overflow);
        return Value::single(f);
    }
    return checkedDouble(r);
}

} // namespace

namespace {
// Double with Integer, Long or Double: the mix counting loops produce.
bool doubleMix(const Value &a, const Value &b, double &x, double &y)
{
    auto read = [](const Value &v, double &out) {
        switch (v.type()) {
        case Type::Double:
            out = v.rawDouble();
            return true;
        case Type::Integer:
            out = v.rawInteger();
            return true;
        case Type::Long:
            out = v.rawLong();
            return true;
        default:
            return false;
        }
    };
    return (a.type() == Type::Double || b.type() == Type::Double) && read(a, x) && read(b, y);
}
} // namespace

Value add(const Value &a, const Value &b, const Locale &locale)
{
    // The hot cases of counting loops come first.
    double p, q;
    if (doubleMix(a, b, p, q))
        return checkedDouble(p + q);
    if (a.type() == Type::Integer && b.type() == Type::Integer)
        return fitInteger(std::int64_t(a.rawInteger()) + b.rawInteger(), KInteger);
    if (a.type() == Type::Long && b.type() == Type::Long)
        return fitInteger(std::int64_t(a.rawLong()) + b.rawLong(), KLong);
    if (a.isString() && b.isString()) {
        Value joined = a;
        joined.appendString(b.rawString());
        return joined;
    }
    // Empty + "text" keeps the text; a string with a number adds numbers.
    if (a.isEmpty() && b.isString())
        return b;
    if (b.isEmpty() && a.isString())
        return a;
    if (a.isObject() || b.isObject())
        return add(valueOf(a), valueOf(b), locale);
    Value x, y;
    if (!numericOperands(a, b, x, y, locale))
        return Value::null();
    return arithmetic(Arith::Add, x, y);
}

Value subtract(const Value &a, const Value &b, const Locale &locale)
{
    double p, q;
    if (doubleMix(a, b, p, q))
        return checkedDouble(p - q);
    if (a.type() == Type::Integer && b.type() == Type::Integer)
        return fitInteger(std::int64_t(a.rawInteger()) - b.rawInteger(), KInteger);
    Value x, y;
    if (!numericOperands(a, b, x, y, locale))
        return Value::null();
    return arithmetic(Arith::Subtract, x, y);
}

Value multiply(const Value &a, const Value &b, const Locale &locale)
{
    double p, q;
    if (doubleMix(a, b, p, q))
        return checkedDouble(p * q);
    Value x, y;
    if (!numericOperands(a, b, x, y, locale))
        return Value::null();
    return arithmetic(Arith::Multiply, x, y);
}

Value divide(const Value &a, const Value &b, const Locale &locale)
{
    Value x, y;
    if (!numericOperands(a, b, x, y, locale))
        return Value::null();
    double d = doubleOf(y);
    // 0 / 0 has no value at all and is reported as an overflow, as the language does.
    if (d == 0)
        raise(doubleOf(x) == 0 ? err::Overflow : err::DivisionByZero);
    return checkedDouble(doubleOf(x) / d);
}

namespace {
// \ and Mod round both operands to Long first (halves to even).
bool roundedOperands(const Value &a, const Value &b, std::int64_t &x, std::int64_t &y, Kind &k, const Locale &locale)
{
    Value p, q;
    if (!numericOperands(a, b, p, q, locale))
        return false;
    k = std::max(kindOf(p), kindOf(q));
    x = toLong(p, locale);
    y = toLong(q, locale);
    if (y == 0)
        raise(err::DivisionByZero);
    return true;
}
} // namespace

Value integerDivide(const Value &a, const Value &b, const Locale &locale)
{
    std::int64_t x, y;
    Kind k;
    if (!roundedOperands(a, b, x, y, k, locale))
        return Value::null();
    std::int64_t r = x / y;
    if (k > KLong)
        k = KLong;
    Value v = fitInteger(r, k);
    if (v.type() == Type::Double)
        raise(err::Overflow);
    return v;
}

Value modulo(const Value &a, const Value &b, const Locale &locale)
{
    std::int64_t x, y;
    Kind k;
    if (!roundedOperands(a, b, x, y, k, locale))
        return Value::null();
    if (k > KLong)
        k = KLong;
    return fitInteger(x % y, k);
}

Value power(const Value &a, const Value &b, const Locale &locale)
{
    Value x, y;
    if (!numericOperands(a, b, x, y, locale))
        return Value::null();
    double base = doubleOf(x), exponent = doubleOf(y);
    // A negative number to a fractional power has no real value.
    if (base < 0 && exponent != std::floor(exponent))
        raise(err::InvalidCall);
    if (base == 0 && exponent < 0)
        raise(err::DivisionByZero);
    return checkedDouble(std::pow(base, exponent));
}

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

Value negate(const Value &a, const Locale &locale)
{
    Value x = toNumeric(a, locale);
    switch (x.type()) {
    case Type::Null:
        return x;
    case Type::Byte:
        return fitInteger(-std::int64_t(x.rawByte()), KInteger);
    case Type::Integer:
        return fitInteger(-std::int64_t(x.rawInteger()), KInteger);
    case Type::Boolean:
        return Value::integer(x.rawBool() ? 1 : 0);
    case Type::Long:
        return fitInteger(-std::int64_t(x.rawLong()), KLong);
    case Type::Single:
        return Value::single(-x.rawSingle());
    case Type::Currency:
        return fromCurrency(-(long double)x.rawCurrency());
    case Type::Date:
        return Value::date(-x.rawDate());
    default:
        return Value::number(-doubleOf(x));
    }
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

int compareStrings(std::u16string_view a, std::u16string_view b, bool textCompare)
{
    std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        char16_t x = textCompare ? foldCase(a[i]) : a[i];
        char16_t y = textCompare ? foldCase(b[i]) : b[i];
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

namespace {
Ordering orderingOf(double a, double b)
{
    return a < b ? Ordering::Less : a > b ? Ordering::Greater : Ordering::Equal;
}
Ordering orderingOf(int c)
{
    return c < 0 ? Ordering::Less : c > 0 ? Ordering::Greater : Ordering::Equal;
}
} // namespace

Ordering compare(const Value &a, const Value &b, const Locale &locale, CompareHints hints)
{
    if (a.isObject() || b.isObject()) {
        Value x = a.isObject() ? valueOf(a) : a;
        Value y = b.isObject() ? valueOf(b) : b;
        return compare(x, y, locale, hints);
    }
    if (a.isNull() || b.isNull())
        return Ordering::Null;
    if (a.isArray() || b.isArray() || a.type() == Type::Error || b.type() == Type::Error)
        raise(err::TypeMismatch);
    bool sa = a.isString(), sb = b.isString();
    if (sa && sb)
        return orderingOf(compareStrings(a.rawString(), b.rawString(), hints.textCompare));
    if (!sa && !sb) {
        if (a.type() == Type::Integer && b.type() == Type::Integer)
            return orderingOf(a.rawInteger() - b.rawInteger());
        return orderingOf(doubleOf(toNumeric(a, locale)), doubleOf(toNumeric(b, locale)));
    }
    const Value &text = sa ? a : b;
    const Value &other = sa ? b : a;
    bool textIsLiteral = sa ? hints.leftIsLiteral : hints.rightIsLiteral;
    bool otherIsLiteral = sa ? hints.rightIsLiteral : hints.leftIsLiteral;
    Ordering textVsOther;
    if (other.isEmpty()) {
        textVsOther = orderingOf(compareStrings(text.rawString(), u"", false));
    } else if (textIsLiteral || otherIsLiteral) {
        double n;
        if (!parseNumber(text.rawString(), locale, n))
            raise(err::TypeMismatch);
        textVsOther = orderingOf(n, doubleOf(other));
    } else {
        textVsOther = Ordering::Greater; // a number is less than any string
    }
    if (sa)
        return textVsOther;
    if (textVsOther == Ordering::Less)
        return Ordering::Greater;
    if (textVsOther == Ordering::Greater)
        return Ordering::Less;
    return textVsOther;
}

bool sameObject(const Value &a, const Value &b)
{
    if (!a.isObject() || !b.isObject())
        raise(err::ObjectRequired);
    return a.rawObject() == b.rawObject();
}

} // namespace tabulo::vbs
