#include "vbs/regex/char_set.h"

#include "vbs/regex/case_folding.h"
#include "vbs/regex/pattern_tree.h"

#include <algorithm>

namespace tabulo::vbs::regex {

void CharSet::addRange(char16_t first, char16_t last)
{
    m_ranges.push_back({first, last});
}

void CharSet::addSet(const CharSet &other)
{
    m_ranges.insert(m_ranges.end(), other.m_ranges.begin(), other.m_ranges.end());
}

void CharSet::finish()
{
    std::sort(m_ranges.begin(), m_ranges.end(), [](const Range &a, const Range &b) { return a.first < b.first; });
    std::vector<Range> merged;
    for (const Range &range : m_ranges) {
        if (!merged.empty() && std::size_t(range.first) <= std::size_t(merged.back().last) + 1)
            merged.back().last = std::max(merged.back().last, range.last);
        else
            merged.push_back(range);
    }
    m_ranges = std::move(merged);
    m_latinTable.reset();
    for (const Range &range : m_ranges) {
        for (std::size_t unit = range.first; unit <= range.last && unit < kTableSize; ++unit)
            m_latinTable[unit] = true;
    }
}

void CharSet::invert()
{
    finish();
    std::vector<Range> inverse;
    std::size_t next = 0; // first unit not yet covered
    for (const Range &range : m_ranges) {
        if (range.first > next)
            inverse.push_back({char16_t(next), char16_t(range.first - 1)});
        next = std::size_t(range.last) + 1;
    }
    if (next <= 0xFFFF)
        inverse.push_back({char16_t(next), char16_t(0xFFFF)});
    m_ranges = std::move(inverse);
    finish();
}

void CharSet::closeUnderCaseFolding()
{
    finish();
    // Only units up to kLastFoldedUnit have case partners. Whichever is
    // smaller there, the set or what it leaves out, is walked, so that both
    // [a] and [^a] cost a handful of steps, however many classes a pattern has.
    std::size_t insideCount = 0;
    for (const Range &range : m_ranges) {
        if (range.first > kLastFoldedUnit)
            break;
        insideCount += std::min<std::size_t>(range.last, kLastFoldedUnit) - range.first + 1;
    }
    const bool walkInside = insideCount <= std::size_t(kLastFoldedUnit) + 1 - insideCount;
    std::vector<char16_t> added;
    auto visit = [&](std::size_t unit) {
        const CasePartners partners = casePartners(char16_t(unit));
        for (int i = 0; i < partners.count; ++i) {
            const bool partnerInside = contains(partners.units[i]);
            if (walkInside && !partnerInside)
                added.push_back(partners.units[i]); // a member's partner joins
            if (!walkInside && partnerInside) {
                added.push_back(char16_t(unit)); // a non-member with a member partner joins
                break;
            }
        }
    };
    std::size_t gapStart = 0;
    for (const Range &range : m_ranges) {
        if (range.first > kLastFoldedUnit)
            break;
        const std::size_t last = std::min<std::size_t>(range.last, kLastFoldedUnit);
        for (std::size_t unit = walkInside ? range.first : gapStart; unit < (walkInside ? last + 1 : range.first);
             ++unit)
            visit(unit);
        gapStart = std::size_t(range.last) + 1;
    }
    for (std::size_t unit = gapStart; !walkInside && unit <= kLastFoldedUnit; ++unit)
        visit(unit);
    for (char16_t unit : added)
        add(unit);
    finish();
}

const CharSet::Range *CharSet::rangeHolding(char16_t unit) const
{
    auto after = std::upper_bound(
        m_ranges.begin(), m_ranges.end(), unit, [](char16_t value, const Range &range) { return value < range.first; });
    if (after == m_ranges.begin() || unit > std::prev(after)->last)
        return nullptr;
    return &*std::prev(after);
}

bool CharSet::containsBeyondTable(char16_t unit) const
{
    return rangeHolding(unit) != nullptr;
}

CharSet CharSet::digits()
{
    CharSet set;
    set.addRange(u'0', u'9');
    set.finish();
    return set;
}

CharSet CharSet::wordUnits()
{
    CharSet set;
    set.addRange(u'0', u'9');
    set.addRange(u'A', u'Z');
    set.add(u'_');
    set.addRange(u'a', u'z');
    set.finish();
    return set;
}

CharSet CharSet::whiteSpace()
{
    // The documented set: space, \f, \n, \r, \t, \v.
    CharSet set;
    set.addRange(u'\t', u'\r');
    set.add(u' ');
    set.finish();
    return set;
}

CharSet CharSet::lineBreaks()
{
    CharSet set;
    set.add(u'\n');
    set.add(u'\r');
    set.finish();
    return set;
}

CharSet CharSet::allButNewline()
{
    CharSet set;
    set.add(u'\n');
    set.invert();
    return set;
}

CharSet unitsMatchedBy(const PatternNode &setNode, bool ignoreCase)
{
    CharSet set = setNode.set;
    if (ignoreCase)
        set.closeUnderCaseFolding();
    if (setNode.negated)
        set.invert();
    else
        set.finish();
    return set;
}

} // namespace tabulo::vbs::regex
