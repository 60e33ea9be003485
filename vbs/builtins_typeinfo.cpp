// VarType, TypeName and the Is* tests.
#include "vbs/core_builtins.h"
#include "vbs/date_time.h"

namespace tabulo::vbs {
namespace {

Value VarType(CallContext &call)
{
    const Value &v = call.arg(0);
    return Value::integer(std::int16_t(v.type()));
}

Value TypeName(CallContext &call)
{
    const Value &v = call.arg(0);
    switch (v.type()) {
    case Type::Empty:
        return Value::string(u"Empty");
    case Type::Null:
        return Value::string(u"Null");
    case Type::Integer:
        return Value::string(u"Integer");
    case Type::Long:
        return Value::string(u"Long");
    case Type::Single:
        return Value::string(u"Single");
    case Type::Double:
        return Value::string(u"Double");
    case Type::Currency:
        return Value::string(u"Currency");
    case Type::Date:
        return Value::string(u"Date");
    case Type::String:
        return Value::string(u"String");
    case Type::Boolean:
        return Value::string(u"Boolean");
    case Type::Byte:
        return Value::string(u"Byte");
    case Type::Error:
        return Value::string(u"Error");
    case Type::Array:
        return Value::string(u"Variant()");
    case Type::Object:
        if (!v.rawObject())
            return Value::string(u"Nothing");
        return Value::string(v.rawObject()->typeName());
    }
    return Value::string(u"Unknown");
}

Value IsEmpty(CallContext &call)
{
    return Value::boolean(call.arg(0).isEmpty());
}
Value IsNull(CallContext &call)
{
    return Value::boolean(call.arg(0).isNull());
}
Value IsArray(CallContext &call)
{
    return Value::boolean(call.arg(0).isArray());
}
Value IsObject(CallContext &call)
{
    return Value::boolean(call.arg(0).isObject());
}

Value IsNumeric(CallContext &call)
{
    const Value &v = call.arg(0);
    switch (v.type()) {
    case Type::Empty:
    case Type::Boolean:
    case Type::Byte:
    case Type::Integer:
    case Type::Long:
    case Type::Single:
    case Type::Double:
    case Type::Currency:
        return Value::boolean(true);
    case Type::String: {
        double d;
        return Value::boolean(parseNumber(v.rawString(), call.locale(), d));
    }
    default:
        return Value::boolean(false);
    }
}

Value IsDate(CallContext &call)
{
    const Value &v = call.arg(0);
    if (v.type() == Type::Date)
        return Value::boolean(true);
    if (!v.isString())
        return Value::boolean(false);
    double serial;
    return Value::boolean(parseDate(v.rawString(), call.locale(), serial));
}

constexpr Builtin kFunctions[] = {
    {u"VarType", VarType, 1, 1},
    {u"TypeName", TypeName, 1, 1},
    {u"IsEmpty", IsEmpty, 1, 1},
    {u"IsNull", IsNull, 1, 1},
    {u"IsArray", IsArray, 1, 1},
    {u"IsObject", IsObject, 1, 1},
    {u"IsNumeric", IsNumeric, 1, 1},
    {u"IsDate", IsDate, 1, 1},
};

} // namespace

Library coreTypeInfoLibrary()
{
    return {kFunctions};
}

} // namespace tabulo::vbs
