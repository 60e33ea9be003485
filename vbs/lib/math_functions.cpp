// Abs, Sgn, Int, Fix, Rnd and the floating-point functions (Atn, Cos, Sin, Tan, Exp, Log,
// Sqr).
// Null in gives Null out; a result that is not a finite number raises 5 or 6 instead of
// handing a NaN or an infinity to the script.
#include <cmath>
#include <limits>

#include "vbs/lib/libraries.h"
#include "vbs/lib/library_support.h"

namespace tabulo::vbs {
namespace {

// A numeric copy of argument 0 (Empty is Integer 0, text is Double); Booleans count as
// Integers here, as Abs(True) is 1.
Value numericArgument(CallContext &call)
{
    Value v = toNumeric(call.value(0), call.locale());
    if (v.type() == Type::Boolean)
        return Value::integer(v.rawBool() ? -1 : 0);
    return v;
}

// The double result of a computation that should stay finite.
Value finiteResult(double d)
{
    if (std::isnan(d))
        raise(err::InvalidCall);
    if (std::isinf(d))
        raise(err::Overflow);
    return Value::number(d);
}

// Abs keeps the subtype, widening where the negative limit has no positive twin.
Value Abs(CallContext &call)
{
    if (call.isNull(0))
        return Value::null();
    Value v = numericArgument(call);
    switch (v.type()) {
    case Type::Integer:
        return v.rawInteger() == std::numeric_limits<std::int16_t>::min()
            ? Value::longValue(32768)
            : Value::integer(std::int16_t(std::abs(v.rawInteger())));
    case Type::Long:
        return v.rawLong() == std::numeric_limits<std::int32_t>::min() ? Value::number(2147483648.0)
                                                                       : Value::longValue(std::abs(v.rawLong()));
    case Type::Byte:
        return v;
    case Type::Single:
        return Value::single(std::fabs(v.rawSingle()));
    case Type::Currency:
        if (v.rawCurrency() == std::numeric_limits<std::int64_t>::min())
            raise(err::Overflow);
        return Value::currency(std::abs(v.rawCurrency()));
    case Type::Date:
        return Value::date(std::fabs(v.rawDate()));
    default:
        return Value::number(std::fabs(toDouble(v, call.locale())));
    }
}

Value Sgn(CallContext &call)
{
    if (call.isNull(0))
        return Value::null();
    double d = toDouble(numericArgument(call), call.locale());
    if (std::isnan(d))
        raise(err::InvalidCall);
    return Value::integer(std::int16_t(d > 0 ? 1 : d < 0 ? -1 : 0));
}

// Int rounds down, Fix toward zero; both keep the subtype.
Value wholePart(CallContext &call, bool towardZero)
{
    if (call.isNull(0))
        return Value::null();
    Value v = numericArgument(call);
    auto cut = [towardZero](double d) { return towardZero ? std::trunc(d) : std::floor(d); };
    switch (v.type()) {
    case Type::Integer:
    case Type::Long:
    case Type::Byte:
        return v;
    case Type::Single:
        return Value::single(float(cut(v.rawSingle())));
    case Type::Date:
        return Value::date(cut(v.rawDate()));
    case Type::Currency: {
        std::int64_t scaled = v.rawCurrency();
        std::int64_t whole = scaled / 10000 * 10000; // toward zero
        if (!towardZero && whole > scaled)
            whole -= 10000;
        return Value::currency(whole);
    }
    default:
        return Value::number(cut(toDouble(v, call.locale())));
    }
}
Value Int(CallContext &call)
{
    return wholePart(call, false);
}
Value Fix(CallContext &call)
{
    return wholePart(call, true);
}

// The floating-point functions share one shape: Null passes, the argument is a Double,
// `valid` says whether the argument is in the function's domain.
template<double (*f)(double), bool (*valid)(double)> Value floating(CallContext &call)
{
    if (call.isNull(0))
        return Value::null();
    double x = call.number(0);
    if (!valid(x))
        raise(err::InvalidCall);
    return finiteResult(f(x));
}

bool anyFinite(double x)
{
    return std::isfinite(x);
}
bool positive(double x)
{
    return std::isfinite(x) && x > 0;
}
bool notNegative(double x)
{
    return std::isfinite(x) && x >= 0;
}

double atn(double x)
{
    return std::atan(x);
}
double cosine(double x)
{
    return std::cos(x);
}
double sine(double x)
{
    return std::sin(x);
}
double tangent(double x)
{
    return std::tan(x);
}
double exponential(double x)
{
    return std::exp(x);
}
double naturalLog(double x)
{
    return std::log(x);
}
double squareRoot(double x)
{
    return std::sqrt(x);
}

// Rnd([number]): a Single from the engine's generator. A negative number starts the
// sequence again at a point it fixes, zero repeats where the generator stands, a
// positive one or none gives the next number.
Value Rnd(CallContext &call)
{
    RandomNumbers &random = call.runtime().randomNumbers();
    if (!call.has(0))
        return Value::single(random.next());
    const float n = toSingle(call.value(0), call.locale());
    if (n < 0)
        return Value::single(random.restartAt(n));
    if (n == 0)
        return Value::single(random.current());
    return Value::single(random.next());
}

constexpr Builtin kFunctions[] = {
    {u"Abs", Abs, 1, 1},
    {u"Sgn", Sgn, 1, 1},
    {u"Int", Int, 1, 1},
    {u"Fix", Fix, 1, 1},
    {u"Rnd", Rnd, 0, 1},
    {u"Atn", floating<atn, anyFinite>, 1, 1},
    {u"Cos", floating<cosine, anyFinite>, 1, 1},
    {u"Sin", floating<sine, anyFinite>, 1, 1},
    {u"Tan", floating<tangent, anyFinite>, 1, 1},
    {u"Exp", floating<exponential, anyFinite>, 1, 1},
    {u"Log", floating<naturalLog, positive>, 1, 1},
    {u"Sqr", floating<squareRoot, notNegative>, 1, 1},
};

} // namespace

Library mathLibrary()
{
    return {kFunctions};
}

} // namespace tabulo::vbs
