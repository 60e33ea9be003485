// The search loop: tries the matcher at each start position the program's
// shortcuts leave, first to last, until one matches or a limit is hit.
#pragma once

#include "vbs/regex/backtracking_matcher.h"
#include "vbs/regex/program.h"
#include "vbs/regex/regex.h"

#include <string_view>

namespace tabulo::vbs::regex {

// The matcher carries the subject, the limits and the budget; one matcher
// serves all the searches of a Global enumeration.
SearchResult searchFrom(
    BacktrackingMatcher &matcher, const Program &program, std::u16string_view subject, std::size_t start);

} // namespace tabulo::vbs::regex
