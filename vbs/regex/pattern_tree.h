// The parsed form of a pattern, between the parser and the compiler.
#pragma once

#include "vbs/regex/char_set.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tabulo::vbs::regex {

inline constexpr std::uint32_t kUnbounded = UINT32_MAX;

struct PatternNode
{
    enum class Kind {
        empty, // matches the empty string
        unit, // one given UTF-16 unit: `unit`
        set, // one unit of `set`, or with `negated` one unit outside it
             // (classes, escapes like \d, ".")
        sequence, // children one after another
        alternation, // the first child that leads to a match
        group, // capturing group number `groupIndex` around children[0]
        lookahead, // (?= ) or, with `negated`, (?! ) around children[0]
        repeat, // children[0] from minCount to maxCount times
        lineStart, // ^
        lineEnd, // $
        wordBoundary, // \b, or \B with `negated`
        backreference, // \n: the text group `groupIndex` last captured
    };

    Kind kind = Kind::empty;
    char16_t unit = 0;
    CharSet set;
    std::vector<PatternNode> children;
    std::size_t groupIndex = 0; // 1-based
    bool negated = false;
    std::uint32_t minCount = 0;
    std::uint32_t maxCount = 0; // kUnbounded for * + {n,}
    bool greedy = true;
    // Capturing groups numbered firstGroup..firstGroup+groupsInside-1 lie
    // inside a repeat; every iteration starts with them unset.
    std::size_t firstGroup = 0;
    std::size_t groupsInside = 0;
};

// The units a set node matches under the given case rule. A negated class is
// inverted after folding, so that [^a] with IgnoreCase matches neither a nor A.
CharSet unitsMatchedBy(const PatternNode &setNode, bool ignoreCase);

} // namespace tabulo::vbs::regex
