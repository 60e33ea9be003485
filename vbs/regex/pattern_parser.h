// Turns a pattern's text into a PatternNode tree, or a CompileError that says
// where and why it is not a valid regular expression.
#pragma once

#include "vbs/regex/pattern_tree.h"
#include "vbs/regex/regex.h"

#include <string_view>
#include <variant>

namespace tabulo::vbs::regex {

struct ParsedPattern
{
    PatternNode root;
    std::size_t groupCount = 0;
};

std::variant<ParsedPattern, CompileError> parsePattern(std::u16string_view pattern);

} // namespace tabulo::vbs::regex
