// Character codes: Asc, AscB, AscW, Chr, ChrW and LenB.
#include "vbs/lib/libraries.h"
#include "vbs/lib/library_support.h"

namespace tabulo::vbs {
namespace {

// The first character of a non-empty string argument; "" raises 5.
char16_t firstUnit(CallContext &call)
{
    std::u16string s = call.string(0);
    if (s.empty())
        raise(err::InvalidCall);
    return s[0];
}

Value Asc(CallContext &call)
{
    return Value::integer(std::int16_t(ansiCodeFromUnit(firstUnit(call))));
}
// AscW gives the UTF-16 unit as a signed Integer: AscW(ChrW(&HFFFF)) is -1.
Value AscW(CallContext &call)
{
    return Value::integer(std::int16_t(firstUnit(call)));
}
// AscB: the first byte of the string as it is stored (UTF-16, low byte first).
Value AscB(CallContext &call)
{
    return Value::integer(std::int16_t(firstUnit(call) & 0xFF));
}

Value Chr(CallContext &call)
{
    std::int32_t code = call.longValue(0);
    if (code < 0 || code > 255)
        raise(err::InvalidCall);
    return Value::string(std::u16string(1, unitFromAnsiCode(code)));
}

Value ChrW(CallContext &call)
{
    std::int32_t code = call.longValue(0);
    if (code < -32768 || code > 65535)
        raise(err::InvalidCall);
    return Value::string(std::u16string(1, char16_t(code & 0xFFFF)));
}

// LenB: bytes of storage, two per UTF-16 unit.
Value LenB(CallContext &call)
{
    if (call.isNull(0))
        return Value::null();
    return Value::longValue(std::int32_t(call.string(0).size() * 2));
}

constexpr Builtin kFunctions[] = {
    {u"Asc", Asc, 1, 1},
    {u"AscW", AscW, 1, 1},
    {u"AscB", AscB, 1, 1},
    {u"Chr", Chr, 1, 1},
    {u"ChrW", ChrW, 1, 1},
    {u"LenB", LenB, 1, 1},
};

} // namespace

Library characterLibrary()
{
    return {kFunctions};
}

} // namespace tabulo::vbs
