// InStr, InStrRev, Replace and StrComp: searching and comparing, binary or as text.
#include <vector>

#include "vbs/lib/libraries.h"
#include "vbs/lib/library_support.h"

namespace tabulo::vbs {
namespace {

constexpr auto npos = std::u16string_view::npos;

// InStr([start, ]string1, string2[, compare]). With three or four arguments the first
// is the start; the compare argument needs the start before it.
Value InStr(CallContext &call)
{
    bool hasStart = call.count() >= 3;
    std::int32_t start = 1;
    if (hasStart) {
        start = call.longValue(0);
        if (start < 1)
            raise(err::InvalidCall);
    }
    std::size_t first = hasStart ? 1 : 0;
    bool textCompare = textCompareArgument(call, 3);
    if (call.isNull(first) || call.isNull(first + 1))
        return Value::null();
    std::u16string haystack = call.string(first);
    std::u16string needle = call.string(first + 1);
    if (haystack.empty() || std::size_t(start) > haystack.size())
        return Value::longValue(0);
    if (needle.empty())
        return Value::longValue(start);
    std::size_t at = findText(haystack, needle, std::size_t(start - 1), textCompare);
    return Value::longValue(at == npos ? 0 : std::int32_t(at + 1));
}

// InStrRev(string1, string2[, start[, compare]]): start -1 (the default) is the end.
Value InStrRev(CallContext &call)
{
    std::int32_t start = call.longOr(2, -1);
    if (start == 0 || start < -1)
        raise(err::InvalidCall);
    bool textCompare = textCompareArgument(call, 3);
    if (call.isNull(0) || call.isNull(1))
        return Value::null();
    std::u16string haystack = call.string(0);
    std::u16string needle = call.string(1);
    if (haystack.empty())
        return Value::longValue(0);
    if (start == -1)
        start = std::int32_t(haystack.size());
    if (std::size_t(start) > haystack.size())
        return Value::longValue(0);
    if (needle.empty())
        return Value::longValue(start);
    std::size_t at = findTextBackward(haystack, needle, std::size_t(start), textCompare);
    return Value::longValue(at == npos ? 0 : std::int32_t(at + 1));
}

// Replace(expression, find, replacewith[, start[, count[, compare]]]). The result
// begins at `start`: what lies before it is dropped, as the language does.
Value Replace(CallContext &call)
{
    std::u16string expression = call.string(0);
    std::u16string find = call.string(1);
    std::u16string replacement = call.string(2);
    std::int32_t start = call.longOr(3, 1);
    std::int32_t count = call.longOr(4, -1);
    if (start < 1 || count < -1)
        raise(err::InvalidCall);
    bool textCompare = textCompareArgument(call, 5);
    if (std::size_t(start) > expression.size())
        return Value::string(u"");
    std::u16string_view rest = std::u16string_view(expression).substr(std::size_t(start - 1));
    if (find.empty() || count == 0)
        return Value::string(rest);
    // Find every match first: the result's size is then known, and one too large
    // fails before any memory is taken for it.
    std::vector<std::size_t> matches;
    for (std::size_t at = 0; count == -1 || matches.size() < std::size_t(count); at += find.size()) {
        at = findText(rest, find, at, textCompare);
        if (at == npos)
            break;
        matches.push_back(at);
    }
    requireStringLength(std::uint64_t(rest.size()) - std::uint64_t(matches.size()) * find.size()
        + std::uint64_t(matches.size()) * replacement.size());
    std::u16string out;
    out.reserve(rest.size() - matches.size() * find.size() + matches.size() * replacement.size());
    std::size_t from = 0;
    for (std::size_t at : matches) {
        out.append(rest.substr(from, at - from));
        out += replacement;
        from = at + find.size();
    }
    out.append(rest.substr(from));
    return Value::string(std::move(out));
}

// StrComp(string1, string2[, compare]): -1, 0 or 1.
Value StrComp(CallContext &call)
{
    bool textCompare = textCompareArgument(call, 2);
    if (call.isNull(0) || call.isNull(1))
        return Value::null();
    return Value::integer(std::int16_t(compareText(call.string(0), call.string(1), textCompare)));
}

constexpr Builtin kFunctions[] = {
    {u"InStr", InStr, 2, 4},
    {u"InStrRev", InStrRev, 2, 4},
    {u"Replace", Replace, 3, 6},
    {u"StrComp", StrComp, 2, 3},
};

} // namespace

Library stringSearchLibrary()
{
    return {kFunctions};
}

} // namespace tabulo::vbs
