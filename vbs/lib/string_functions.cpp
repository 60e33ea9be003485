// Len, Left, Right, Mid, LCase, UCase, the trims, Space, String and StrReverse.
#include "vbs/lib/libraries.h"
#include "vbs/lib/library_support.h"

namespace tabulo::vbs {
namespace {

// Lengths and positions arrive as Longs; negative ones are the caller's mistake.
std::size_t nonNegative(std::int32_t n)
{
    if (n < 0)
        raise(err::InvalidCall);
    return std::size_t(n);
}

// Len(string | varname)
Value Len(CallContext &call)
{
    if (call.isNull(0))
        return Value::null();
    return Value::longValue(std::int32_t(call.string(0).size()));
}

// Left(string, length)
Value Left(CallContext &call)
{
    std::size_t length = nonNegative(call.longValue(1));
    if (call.isNull(0))
        return Value::null();
    std::u16string s = call.string(0);
    if (length < s.size())
        s.resize(length);
    return Value::string(std::move(s));
}

// Right(string, length)
Value Right(CallContext &call)
{
    std::size_t length = nonNegative(call.longValue(1));
    if (call.isNull(0))
        return Value::null();
    std::u16string s = call.string(0);
    if (length < s.size())
        s.erase(0, s.size() - length);
    return Value::string(std::move(s));
}

// Mid(string, start[, length])
Value Mid(CallContext &call)
{
    std::int32_t start = call.longValue(1);
    if (start < 1)
        raise(err::InvalidCall);
    std::size_t length = call.has(2) ? nonNegative(call.longValue(2)) : std::u16string::npos;
    if (call.isNull(0))
        return Value::null();
    std::u16string s = call.string(0);
    std::size_t from = std::size_t(start - 1);
    if (from >= s.size())
        return Value::string(u"");
    return Value::string(s.substr(from, length));
}

Value LCase(CallContext &call)
{
    if (call.isNull(0))
        return Value::null();
    return Value::string(lowerCase(call.string(0)));
}

Value UCase(CallContext &call)
{
    if (call.isNull(0))
        return Value::null();
    return Value::string(upperCase(call.string(0)));
}

// The trims remove spaces only: tabs and line ends stay, as in the language.
enum class TrimSide { Left, Right, Both };
Value trimmed(CallContext &call, TrimSide side)
{
    if (call.isNull(0))
        return Value::null();
    std::u16string s = call.string(0);
    std::size_t first = 0, end = s.size();
    if (side != TrimSide::Right)
        while (first < end && s[first] == u' ')
            ++first;
    if (side != TrimSide::Left)
        while (end > first && s[end - 1] == u' ')
            --end;
    return Value::string(s.substr(first, end - first));
}
Value LTrim(CallContext &call)
{
    return trimmed(call, TrimSide::Left);
}
Value RTrim(CallContext &call)
{
    return trimmed(call, TrimSide::Right);
}
Value Trim(CallContext &call)
{
    return trimmed(call, TrimSide::Both);
}

// Space(number)
Value Space(CallContext &call)
{
    std::size_t count = nonNegative(call.longValue(0));
    requireStringLength(count);
    return Value::string(std::u16string(count, u' '));
}

// String(number, character): character is a string (its first character is used) or
// a character code, taken modulo 256 like Chr's codes.
Value String(CallContext &call)
{
    if (call.isNull(0) || call.isNull(1))
        return Value::null();
    std::size_t count = nonNegative(call.longValue(0));
    char16_t unit;
    Value character = call.value(1);
    if (character.isString()) {
        if (character.rawString().empty())
            raise(err::InvalidCall);
        unit = character.rawString()[0];
    } else {
        std::int32_t code = call.longValue(1);
        unit = unitFromAnsiCode(((code % 256) + 256) % 256);
    }
    requireStringLength(count);
    return Value::string(std::u16string(count, unit));
}

// StrReverse(string). A surrogate pair stays in its order, so a character outside the
// Basic Multilingual Plane is not turned into two broken halves.
Value StrReverse(CallContext &call)
{
    std::u16string s = call.string(0);
    std::u16string out(s.rbegin(), s.rend());
    for (std::size_t i = 0; i + 1 < out.size(); ++i) {
        if (out[i] >= 0xDC00 && out[i] <= 0xDFFF && out[i + 1] >= 0xD800 && out[i + 1] <= 0xDBFF) {
            std::swap(out[i], out[i + 1]);
            ++i;
        }
    }
    return Value::string(std::move(out));
}

constexpr Builtin kFunctions[] = {
    {u"Len", Len, 1, 1},
    {u"Left", Left, 2, 2},
    {u"Right", Right, 2, 2},
    {u"Mid", Mid, 2, 3},
    {u"LCase", LCase, 1, 1},
    {u"UCase", UCase, 1, 1},
    {u"LTrim", LTrim, 1, 1},
    {u"RTrim", RTrim, 1, 1},
    {u"Trim", Trim, 1, 1},
    {u"Space", Space, 1, 1},
    {u"String", String, 2, 2},
    {u"StrReverse", StrReverse, 1, 1},
};

} // namespace

Library stringLibrary()
{
    return {kFunctions};
}

} // namespace tabulo::vbs
