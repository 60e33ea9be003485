#include "vbs/lib/library_support.h"

#include "vbs/operators.h"

#include <algorithm>
#include <vector>

namespace tabulo::vbs {

void requireStringLength(std::uint64_t length)
{
    if (length > kMaxStringLength)
        raise(err::OutOfMemory);
}

bool textCompareArgument(const CallContext &call, std::size_t index)
{
    if (!call.has(index))
        return false;
    switch (call.longValue(index)) {
    case vb::BinaryCompare:
        return false;
    // A database comparison has no database behind it here: it compares as text does.
    case vb::TextCompare:
    case vb::DatabaseCompare:
        return true;
    default:
        raise(err::InvalidCall);
    }
}

int firstDayOfWeekArgument(const CallContext &call, std::size_t index)
{
    if (!call.has(index))
        return vb::Sunday;
    std::int32_t day = call.longValue(index);
    if (day < vb::UseSystemDayOfWeek || day > vb::Saturday)
        raise(err::InvalidCall);
    return day == vb::UseSystemDayOfWeek ? vb::Sunday : day;
}

int firstWeekOfYearArgument(const CallContext &call, std::size_t index)
{
    if (!call.has(index))
        return vb::FirstJan1;
    std::int32_t rule = call.longValue(index);
    if (rule < vb::UseSystem || rule > vb::FirstFullWeek)
        raise(err::InvalidCall);
    return rule == vb::UseSystem ? vb::FirstJan1 : rule;
}

bool tristateArgument(const CallContext &call, std::size_t index, bool fallback)
{
    if (!call.has(index))
        return fallback;
    switch (call.longValue(index)) {
    case vb::UseDefault:
        return fallback;
    case vb::True:
        return true;
    case vb::False:
        return false;
    // Any other non-zero number is True, as the language reads a Boolean.
    default:
        return true;
    }
}

namespace {

constexpr auto npos = std::u16string_view::npos;

// The failure table of Knuth-Morris-Pratt: for each prefix of the pattern, the length
// of its longest proper prefix that is also its suffix.
std::vector<std::size_t> failureTable(std::u16string_view pattern)
{
    std::vector<std::size_t> table(pattern.size(), 0);
    for (std::size_t i = 1, k = 0; i < pattern.size(); ++i) {
        while (k > 0 && pattern[i] != pattern[k])
            k = table[k - 1];
        if (pattern[i] == pattern[k])
            ++k;
        table[i] = k;
    }
    return table;
}

// Scans unitAt(0) ... unitAt(count - 1) for `pattern` and returns how many units were
// read when it was first complete, or npos. Linear in `count` whatever the pattern, so
// a long needle that nearly matches everywhere cannot stall a script the way a naive
// search would (InStr of 100,000 "a" and a "b" in a million "a").
template<typename UnitAt> std::size_t scanFor(std::u16string_view pattern, std::size_t count, UnitAt unitAt)
{
    std::vector<std::size_t> table = failureTable(pattern);
    std::size_t k = 0;
    for (std::size_t i = 0; i < count; ++i) {
        char16_t c = unitAt(i);
        while (k > 0 && c != pattern[k])
            k = table[k - 1];
        if (c == pattern[k] && ++k == pattern.size())
            return i + 1;
    }
    return npos;
}

char16_t folded(char16_t c, bool textCompare)
{
    return textCompare ? lowerCaseUnit(c) : c;
}

} // namespace

std::size_t findText(std::u16string_view haystack, std::u16string_view needle, std::size_t from, bool textCompare)
{
    if (from > haystack.size())
        return npos;
    if (needle.empty())
        return from;
    if (needle.size() > haystack.size() - from)
        return npos;
    if (!textCompare && needle.size() == 1)
        return haystack.find(needle[0], from);
    std::u16string pattern = textCompare ? lowerCase(needle) : std::u16string(needle);
    std::size_t read = scanFor(
        pattern, haystack.size() - from, [&](std::size_t i) { return folded(haystack[from + i], textCompare); });
    return read == npos ? npos : from + read - needle.size();
}

std::size_t findTextBackward(
    std::u16string_view haystack, std::u16string_view needle, std::size_t end, bool textCompare)
{
    end = std::min(end, haystack.size());
    if (needle.size() > end)
        return npos;
    if (needle.empty())
        return end;
    if (!textCompare && needle.size() == 1)
        return haystack.substr(0, end).rfind(needle[0]);
    // The reversed needle, searched from `end` toward the start.
    std::u16string pattern(needle.rbegin(), needle.rend());
    if (textCompare)
        pattern = lowerCase(pattern);
    std::size_t read = scanFor(pattern, end, [&](std::size_t i) { return folded(haystack[end - 1 - i], textCompare); });
    return read == npos ? npos : end - read;
}

int compareText(std::u16string_view a, std::u16string_view b, bool textCompare)
{
    return compareStrings(a, b, textCompare);
}

} // namespace tabulo::vbs
