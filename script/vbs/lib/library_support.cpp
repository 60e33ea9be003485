#include "library_support.h"

#include <algorithm>

namespace tabulo::vbs {

void requireStringLength(std::uint64_t length) {
    if (length > kMaxStringLength) raise(err::OutOfMemory);
}

bool textCompareArgument(const CallContext& call, std::size_t index) {
    if (!call.has(index)) return false;
    switch (call.longValue(index)) {
    case vb::BinaryCompare: return false;
    // A database comparison has no database behind it here: it compares as text does.
    case vb::TextCompare: case vb::DatabaseCompare: return true;
    default: raise(err::InvalidCall);
    }
}

int firstDayOfWeekArgument(const CallContext& call, std::size_t index) {
    if (!call.has(index)) return vb::Sunday;
    std::int32_t day = call.longValue(index);
    if (day < vb::UseSystemDayOfWeek || day > vb::Saturday) raise(err::InvalidCall);
    return day == vb::UseSystemDayOfWeek ? vb::Sunday : day;
}

int firstWeekOfYearArgument(const CallContext& call, std::size_t index) {
    if (!call.has(index)) return vb::FirstJan1;
    std::int32_t rule = call.longValue(index);
    if (rule < vb::UseSystem || rule > vb::FirstFullWeek) raise(err::InvalidCall);
    return rule == vb::UseSystem ? vb::FirstJan1 : rule;
}

bool tristateArgument(const CallContext& call, std::size_t index, bool fallback) {
    if (!call.has(index)) return fallback;
    switch (call.longValue(index)) {
    case vb::UseDefault: return fallback;
    case vb::True: return true;
    case vb::False: return false;
    // Any other non-zero number is True, as the language reads a Boolean.
    default: return true;
    }
}

namespace {
bool unitsEqual(char16_t a, char16_t b, bool textCompare) {
    return a == b || (textCompare && lowerCaseUnit(a) == lowerCaseUnit(b));
}
}  // namespace

std::size_t findText(std::u16string_view haystack, std::u16string_view needle, std::size_t from,
                     bool textCompare) {
    if (!textCompare) return haystack.find(needle, from);
    if (needle.size() > haystack.size()) return std::u16string_view::npos;
    for (std::size_t i = from; i + needle.size() <= haystack.size(); ++i) {
        std::size_t k = 0;
        while (k < needle.size() && unitsEqual(haystack[i + k], needle[k], true)) ++k;
        if (k == needle.size()) return i;
    }
    return std::u16string_view::npos;
}

std::size_t findTextBackward(std::u16string_view haystack, std::u16string_view needle, std::size_t end,
                             bool textCompare) {
    end = std::min(end, haystack.size());
    if (needle.size() > end) return std::u16string_view::npos;
    for (std::size_t i = end - needle.size() + 1; i-- > 0;) {
        std::size_t k = 0;
        while (k < needle.size() && unitsEqual(haystack[i + k], needle[k], textCompare)) ++k;
        if (k == needle.size()) return i;
    }
    return std::u16string_view::npos;
}

int compareText(std::u16string_view a, std::u16string_view b, bool textCompare) {
    std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        char16_t x = textCompare ? lowerCaseUnit(a[i]) : a[i];
        char16_t y = textCompare ? lowerCaseUnit(b[i]) : b[i];
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

}  // namespace tabulo::vbs
