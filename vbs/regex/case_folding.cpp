#include "vbs/regex/case_folding.h"

namespace tabulo::vbs::regex {
namespace {

// Blocks where upper and lower case alternate: even units upper, odd lower
// (or the other way round when upperIsOdd).
struct AlternatingBlock
{
    char16_t first;
    char16_t last;
    bool upperIsOdd;
};

constexpr AlternatingBlock kAlternatingBlocks[] = {
    {0x0100, 0x012F, false},
    {0x0132, 0x0137, false},
    {0x0139, 0x0148, true},
    {0x014A, 0x0177, false},
    {0x0179, 0x017E, true},
    {0x0460, 0x0481, false},
    {0x048A, 0x04BF, false},
    {0x04C1, 0x04CE, true},
    {0x04D0, 0x052F, false},
};

char16_t canonicalGreek(char16_t unit)
{
    if (unit >= 0x03B1 && unit <= 0x03CB) // α-ω, ϊ, ϋ
        return unit == 0x03C2 ? char16_t(0x03A3) : char16_t(unit - 0x20); // ς folds like σ
    switch (unit) {
    case 0x03AC:
        return 0x0386;
    case 0x03AD:
        return 0x0388;
    case 0x03AE:
        return 0x0389;
    case 0x03AF:
        return 0x038A;
    case 0x03CC:
        return 0x038C;
    case 0x03CD:
        return 0x038E;
    case 0x03CE:
        return 0x038F;
    default:
        return unit;
    }
}

} // namespace

char16_t canonicalCase(char16_t unit)
{
    if (unit < 0x80)
        return unit >= u'a' && unit <= u'z' ? char16_t(unit - 0x20) : unit;
    if (unit <= 0xFF) {
        if (unit >= 0xE0 && unit <= 0xFE && unit != 0xF7)
            return char16_t(unit - 0x20);
        if (unit == 0xFF)
            return 0x0178;
        if (unit == 0xB5)
            return 0x039C;
        return unit;
    }
    if (unit >= 0x03AC && unit <= 0x03CE)
        return canonicalGreek(unit);
    if (unit >= 0x0430 && unit <= 0x044F)
        return char16_t(unit - 0x20);
    if (unit >= 0x0450 && unit <= 0x045F)
        return char16_t(unit - 0x50);
    if (unit == 0x04CF)
        return 0x04C0;
    for (const AlternatingBlock &block : kAlternatingBlocks) {
        if (unit < block.first || unit > block.last)
            continue;
        const bool isOdd = (unit & 1) != 0;
        return isOdd == block.upperIsOdd ? unit : char16_t(unit - 1); // the lower follows its upper
    }
    return unit;
}

CasePartners casePartners(char16_t unit)
{
    // Where a lower-case letter lies relative to its capital in the folded
    // blocks, and the few letters whose capital is elsewhere (µ, ÿ, ς).
    constexpr char16_t kOffsets[] = {0, 1, 0x0F, 0x20, 0x25, 0x26, 0x3F, 0x40, 0x50};
    constexpr char16_t kStrays[] = {0x00B5, 0x00FF, 0x03C2};
    CasePartners partners;
    if (unit > kLastFoldedUnit)
        return partners;
    const char16_t canonical = canonicalCase(unit);
    auto consider = [&](char16_t candidate) {
        if (candidate != unit && candidate <= kLastFoldedUnit && canonicalCase(candidate) == canonical
            && partners.count < 2)
            partners.units[partners.count++] = candidate;
    };
    for (char16_t offset : kOffsets)
        consider(char16_t(canonical + offset));
    for (char16_t stray : kStrays) {
        if (stray != canonical)
            consider(stray);
    }
    return partners;
}

} // namespace tabulo::vbs::regex
