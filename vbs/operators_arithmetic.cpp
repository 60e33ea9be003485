// Arithmetic: + - * / \ Mod ^ and unary minus, with Integer -> Long -> Double widening.
#include "vbs/operators.h"

#include <cmath>
#include <limits>

#include "vbs/convert.h"
#include "vbs/error.h"
#include "vbs/object.h"
#include "vbs/operators_internal.h"

namespace tabulo::vbs {

namespace {

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

} // namespace tabulo::vbs
