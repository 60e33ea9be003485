// CStr, CInt, CLng, CDbl, CSng, CBool, CByte, CCur, CDate: the language's conversions.
#include "vbs/core_builtins.h"

namespace tabulo::vbs {
namespace {

// Null has no conversion: every C* function raises Invalid use of Null for it.
const Value &notNull(CallContext &call)
{
    if (call.isNull(0))
        raise(err::InvalidUseOfNull);
    return call.arg(0);
}

Value CStr(CallContext &call)
{
    return Value::string(toString(notNull(call), call.locale()));
}
Value CInt(CallContext &call)
{
    return Value::integer(toInteger(notNull(call), call.locale()));
}
Value CLng(CallContext &call)
{
    return Value::longValue(toLong(notNull(call), call.locale()));
}
Value CDbl(CallContext &call)
{
    return Value::number(toDouble(notNull(call), call.locale()));
}
Value CSng(CallContext &call)
{
    return Value::single(toSingle(notNull(call), call.locale()));
}
Value CBool(CallContext &call)
{
    return Value::boolean(toBool(notNull(call), call.locale()));
}
Value CByte(CallContext &call)
{
    return Value::byte(toByte(notNull(call), call.locale()));
}
Value CCur(CallContext &call)
{
    return Value::currency(toCurrency(notNull(call), call.locale()));
}
Value CDate(CallContext &call)
{
    return Value::date(toDate(notNull(call), call.locale()));
}

constexpr Builtin kFunctions[] = {
    {u"CStr", CStr, 1, 1},
    {u"CInt", CInt, 1, 1},
    {u"CLng", CLng, 1, 1},
    {u"CDbl", CDbl, 1, 1},
    {u"CSng", CSng, 1, 1},
    {u"CBool", CBool, 1, 1},
    {u"CByte", CByte, 1, 1},
    {u"CCur", CCur, 1, 1},
    {u"CDate", CDate, 1, 1},
};

} // namespace

Library coreConversionLibrary()
{
    return {kFunctions};
}

} // namespace tabulo::vbs
