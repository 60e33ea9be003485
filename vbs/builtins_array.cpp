// Array, UBound, LBound.
#include "vbs/core_builtins.h"

namespace tabulo::vbs {
namespace {

Value ArrayOf(CallContext &call)
{
    std::vector<Value> items;
    items.reserve(call.count());
    for (std::size_t i = 0; i < call.count(); ++i)
        items.push_back(call.arg(i).isMissing() ? Value() : call.arg(i));
    return Value::array(std::move(items));
}

const ArrayData::Dimension &dimension(CallContext &call)
{
    const Value &v = call.arg(0);
    if (!v.isArray())
        raise(err::TypeMismatch);
    const ArrayData &a = v.rawArray();
    std::int32_t which = call.longOr(1, 1);
    if (which < 1 || std::size_t(which) > a.dims.size())
        raise(err::SubscriptOutOfRange);
    return a.dims[std::size_t(which - 1)];
}

Value UBound(CallContext &call)
{
    return Value::longValue(dimension(call).upper());
}
Value LBound(CallContext &call)
{
    return Value::longValue(dimension(call).lower);
}

constexpr Builtin kFunctions[] = {
    {u"Array", ArrayOf, 0, 255},
    {u"UBound", UBound, 1, 2},
    {u"LBound", LBound, 1, 2},
};

} // namespace

Library coreArrayLibrary()
{
    return {kFunctions};
}

} // namespace tabulo::vbs
