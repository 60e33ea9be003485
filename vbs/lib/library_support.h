#pragma once
// Small pieces the builtin libraries in this folder share: the optional arguments the
// language spells the same way in many functions (compare, firstdayofweek, tristate)
// and the guard that keeps a script from asking for a string too large to build.
#include <cstdint>
#include <string>
#include <string_view>

#include "vbs/builtins.h"

namespace tabulo::vbs {

// The values of the optional arguments, as the vb* constants name them.
namespace vb {
enum : int {
    BinaryCompare = 0,
    TextCompare = 1,
    DatabaseCompare = 2,
    UseSystemDayOfWeek = 0,
    Sunday = 1,
    Saturday = 7,
    UseSystem = 0,
    FirstJan1 = 1,
    FirstFourDays = 2,
    FirstFullWeek = 3,
    True = -1,
    False = 0,
    UseDefault = -2,
};
} // namespace vb

// Raises Out of memory (7) before a string of this many UTF-16 units is built, so a
// huge count fails cleanly instead of asking the allocator for gigabytes.
void requireStringLength(std::uint64_t length);

// The compare argument at `index` (vbBinaryCompare when left out): true for a
// case-insensitive comparison. Values other than 0, 1 and 2 raise 5.
bool textCompareArgument(const CallContext &call, std::size_t index);
// The firstdayofweek argument: 1 (Sunday) to 7 (Saturday); vbUseSystemDayOfWeek and a
// missing argument give Sunday, the first day of the week in our locales' tables.
int firstDayOfWeekArgument(const CallContext &call, std::size_t index);
// The firstweekofyear argument: vbFirstJan1, vbFirstFourDays or vbFirstFullWeek.
int firstWeekOfYearArgument(const CallContext &call, std::size_t index);
// A tristate argument (vbTrue, vbFalse, vbUseDefault): `fallback` when left out or
// vbUseDefault; any other non-zero number counts as vbTrue.
bool tristateArgument(const CallContext &call, std::size_t index, bool fallback);

// Position of `needle` in `haystack` at or after `from`, or npos; with textCompare the
// comparison ignores case.
std::size_t findText(std::u16string_view haystack, std::u16string_view needle, std::size_t from, bool textCompare);
// The last position at or before `last` where `needle` starts entirely before `end`.
std::size_t findTextBackward(
    std::u16string_view haystack, std::u16string_view needle, std::size_t end, bool textCompare);
// -1, 0 or 1, comparing UTF-16 units, case-folded with textCompare.
int compareText(std::u16string_view a, std::u16string_view b, bool textCompare);

} // namespace tabulo::vbs
