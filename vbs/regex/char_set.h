// A set of UTF-16 units: what a class [...], an escape like \d, or "." matches.
#pragma once

#include <bitset>
#include <cstddef>
#include <vector>

namespace tabulo::vbs::regex {

class CharSet
{
public:
    struct Range
    {
        char16_t first;
        char16_t last;
    };

    void addRange(char16_t first, char16_t last);
    void add(char16_t unit) { addRange(unit, unit); }
    void addSet(const CharSet &other);

    // Sorts and merges the ranges and fills the lookup table; call once the
    // set is complete and before contains().
    void finish();
    // Everything the set does not hold (finishes first).
    void invert();
    // Adds every unit whose canonical case equals that of a member, so that a
    // plain membership test is a case-insensitive one.
    void closeUnderCaseFolding();

    bool contains(char16_t unit) const
    {
        if (unit < kTableSize)
            return m_latinTable[unit];
        return containsBeyondTable(unit);
    }
    bool isEmpty() const { return m_ranges.empty(); }
    const std::vector<Range> &ranges() const { return m_ranges; }

    // The sets escapes and "." stand for.
    static CharSet digits(); // \d
    static CharSet wordUnits(); // \w
    static CharSet whiteSpace(); // \s
    static CharSet lineBreaks(); // what ^ and $ see as line ends with multiline
    static CharSet allButNewline(); // "."

private:
    static constexpr std::size_t kTableSize = 256;
    bool containsBeyondTable(char16_t unit) const;
    const Range *rangeHolding(char16_t unit) const;

    std::vector<Range> m_ranges;
    std::bitset<kTableSize> m_latinTable;
};

} // namespace tabulo::vbs::regex
