// The compiled form of a pattern: instructions for the backtracking matcher,
// plus what the search loop needs to skip hopeless start positions quickly.
#pragma once

#include "vbs/regex/char_set.h"
#include "vbs/regex/pattern_tree.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tabulo::vbs::regex {

enum class Op : std::uint8_t {
    unit, // subject[pos] == a
    unitFolded, // canonicalCase(subject[pos]) == a
    set, // sets[a] holds subject[pos]
    repeatOne, // one-unit matcher (matcher, a) repeated min..max times, without
               // a state per iteration: backtracking gives back one unit at a time
    split, // go on at a; when that fails, at b
    jump, // go on at a
    saveStart, // registers[a] = pos: where group a/2 starts
    saveEnd, // registers[a] = pos: where group a/2 ends (the group is then set)
    clearGroups, // unset groups a .. a+b-1 (every loop iteration starts afresh)
    inputStart, // ^ without multiline
    lineStart, // ^ with multiline
    inputEnd, // $ without multiline
    lineEnd, // $ with multiline
    wordBoundary, // \b, or \B when negated
    backreference, // the text group a captured (compared folded when folded)
    lookStart, // (?= or (?! (negated); the lookahead ends at lookEnd, b is after it
    lookEnd,
    loopInit, // loop a: no iteration done yet
    loopHead, // loop a: enter its body at the next instruction or leave for b
    loopTail, // loop a: one more iteration done, back to the head at b
    match,
};

struct Instruction
{
    Op op;
    bool negated = false; // wordBoundary, lookStart
    bool greedy = true; // repeatOne, loopHead
    bool folded = false; // backreference
    Op matcher = Op::unit; // repeatOne: unit, unitFolded or set
    std::uint32_t a = 0;
    std::uint32_t b = 0;
    std::uint32_t minCount = 0; // repeatOne, loopHead, loopTail
    std::uint32_t maxCount = 0; // repeatOne, loopHead: kUnbounded for no limit
    std::uint32_t firstGroup = 0; // loopHead: groups cleared on every iteration
    std::uint32_t groupCount = 0;
};

struct Program
{
    std::vector<Instruction> code;
    std::vector<CharSet> sets;
    std::size_t groupCount = 0; // capturing groups, not counting the whole match
    std::size_t loopCount = 0; // counted loops; each has a counter and a start register

    // Search shortcuts: a match can only start with a unit of firstUnits (when
    // set), must begin with literalPrefix (when not empty), or can only start
    // at the beginning of the subject (anchoredAtInputStart) or of a line
    // (anchoredAtLineStart).
    std::optional<CharSet> firstUnits;
    std::u16string literalPrefix;
    bool anchoredAtInputStart = false;
    bool anchoredAtLineStart = false;

    // Registers: 2 per group (0 is the whole match), then a counter and a
    // start position per loop.
    std::size_t registerCount() const { return 2 * (groupCount + 1) + 2 * loopCount; }
    std::size_t loopCounterRegister(std::size_t loop) const { return 2 * (groupCount + 1) + 2 * loop; }
    std::size_t loopStartRegister(std::size_t loop) const { return loopCounterRegister(loop) + 1; }
};

} // namespace tabulo::vbs::regex
