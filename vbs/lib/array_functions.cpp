// Join, Split and Filter: between one-dimensional arrays and strings.
#include <cstdint>
#include <vector>

#include "vbs/lib/libraries.h"
#include "vbs/lib/library_support.h"

namespace tabulo::vbs {
namespace {

constexpr auto npos = std::u16string_view::npos;

// A one-dimensional array argument (a copy that shares the storage); anything else
// is a type mismatch.
Value arrayArgument(CallContext &call, std::size_t index)
{
    Value v = call.value(index);
    if (v.isNull())
        raise(err::InvalidUseOfNull);
    if (!v.isArray())
        raise(err::TypeMismatch);
    if (v.rawArray().dims.size() != 1)
        raise(err::InvalidCall);
    return v;
}

// An element as text. A Null element reads as "" so one missing value does not stop a
// whole Join or Filter.
std::u16string itemText(const Value &item, const Locale &locale)
{
    Value v = valueOf(item);
    return v.isNull() ? std::u16string() : toString(v, locale);
}

// Join(list[, delimiter])
Value Join(CallContext &call)
{
    Value list = arrayArgument(call, 0);
    const std::vector<Value> &items = list.rawArray().items;
    std::u16string delimiter = call.stringOr(1, u" ");
    std::u16string out;
    for (std::size_t i = 0; i < items.size(); ++i) {
        std::u16string text = itemText(items[i], call.locale());
        requireStringLength(std::uint64_t(out.size()) + delimiter.size() + text.size());
        if (i)
            out += delimiter;
        out += text;
    }
    return Value::string(std::move(out));
}

// Split(expression[, delimiter[, count[, compare]]])
Value Split(CallContext &call)
{
    std::u16string expression = call.string(0);
    std::u16string delimiter = call.stringOr(1, u" ");
    std::int32_t count = call.longOr(2, -1);
    if (count < -1)
        raise(err::InvalidCall);
    bool textCompare = textCompareArgument(call, 3);
    std::vector<Value> parts;
    if (expression.empty() || count == 0)
        return Value::array(std::move(parts));
    std::size_t limit = count == -1 ? SIZE_MAX : std::size_t(count);
    // A text that could hold more parts than an array may have is counted first, so
    // an oversized result fails before millions of strings are built.
    if (!delimiter.empty() && expression.size() / delimiter.size() >= kMaxArrayElements) {
        std::size_t found = 1;
        for (std::size_t at = findText(expression, delimiter, 0, textCompare);
             at != npos && found < limit && found <= kMaxArrayElements;
             at = findText(expression, delimiter, at + delimiter.size(), textCompare))
            ++found;
        if (found > kMaxArrayElements)
            raise(err::OutOfMemory);
    }
    std::size_t from = 0;
    while (delimiter.size() && parts.size() + 1 < limit) {
        std::size_t at = findText(expression, delimiter, from, textCompare);
        if (at == npos)
            break;
        if (parts.size() >= kMaxArrayElements)
            raise(err::OutOfMemory);
        parts.push_back(Value::string(expression.substr(from, at - from)));
        from = at + delimiter.size();
    }
    parts.push_back(Value::string(expression.substr(from)));
    return Value::array(std::move(parts));
}

// Filter(InputStrings, Value[, Include[, Compare]])
Value Filter(CallContext &call)
{
    Value list = arrayArgument(call, 0);
    const std::vector<Value> &items = list.rawArray().items;
    std::u16string wanted = call.string(1);
    bool include = call.has(2) ? call.boolean(2) : true;
    bool textCompare = textCompareArgument(call, 3);
    std::vector<Value> kept;
    for (const Value &item : items) {
        std::u16string text = itemText(item, call.locale());
        bool contains = findText(text, wanted, 0, textCompare) != npos;
        if (contains == include)
            kept.push_back(Value::string(std::move(text)));
    }
    return Value::array(std::move(kept));
}

constexpr Builtin kFunctions[] = {
    {u"Join", Join, 1, 2},
    {u"Split", Split, 1, 4},
    {u"Filter", Filter, 2, 4},
};

} // namespace

Library splitJoinLibrary()
{
    return {kFunctions};
}

} // namespace tabulo::vbs
