// Letter case: the mapping of LCase and UCase, and the folding of names.
#include "vbs/text.h"

namespace tabulo::vbs {
namespace {

// Ranges where capitals and small letters alternate (capital on the even or the odd
// code point): Latin Extended-A and the Cyrillic supplement.
struct AlternatingRange
{
    char16_t first, last;
    bool capitalIsEven;
};
constexpr AlternatingRange kAlternating[] = {
    {0x0100, 0x0137, true},
    {0x0139, 0x0148, false},
    {0x014A, 0x0177, true},
    {0x0179, 0x017E, false},
    {0x0460, 0x0481, true},
    {0x048A, 0x04BF, true},
};

// Ranges where the small letter sits a fixed distance above the capital.
struct OffsetRange
{
    char16_t first, last; // the capitals
    char16_t offset;
};
constexpr OffsetRange kOffset[] = {
    {u'A', u'Z', 32}, {0x00C0, 0x00D6, 32}, {0x00D8, 0x00DE, 32}, // Latin
    {0x0391, 0x03A1, 32}, {0x03A3, 0x03AB, 32}, // Greek
    {0x0388, 0x038A, 37}, {0x038E, 0x038F, 63}, {0x0410, 0x042F, 32}, {0x0400, 0x040F, 80}, // Cyrillic
};

// Pairs that follow no pattern.
struct CasePair
{
    char16_t capital, small;
};
constexpr CasePair kPairs[] = {{0x0178, 0x00FF}, {0x0386, 0x03AC}, {0x038C, 0x03CC}};

} // namespace

char16_t lowerCaseUnit(char16_t c)
{
    if (c < 0x80)
        return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c;
    for (const OffsetRange &r : kOffset)
        if (c >= r.first && c <= r.last)
            return char16_t(c + r.offset);
    for (const AlternatingRange &r : kAlternating)
        if (c >= r.first && c <= r.last)
            return ((c % 2 == 0) == r.capitalIsEven) ? char16_t(c + 1) : c;
    for (const CasePair &p : kPairs)
        if (c == p.capital)
            return p.small;
    return c;
}

char16_t upperCaseUnit(char16_t c)
{
    if (c < 0x80)
        return c >= u'a' && c <= u'z' ? char16_t(c - 32) : c;
    for (const OffsetRange &r : kOffset)
        if (c >= r.first + r.offset && c <= r.last + r.offset)
            return char16_t(c - r.offset);
    for (const AlternatingRange &r : kAlternating)
        if (c >= r.first && c <= r.last)
            return ((c % 2 == 0) != r.capitalIsEven) ? char16_t(c - 1) : c;
    for (const CasePair &p : kPairs)
        if (c == p.small)
            return p.capital;
    return c;
}

std::u16string lowerCase(std::u16string_view text)
{
    std::u16string out(text);
    for (char16_t &c : out)
        c = lowerCaseUnit(c);
    return out;
}

std::u16string upperCase(std::u16string_view text)
{
    std::u16string out(text);
    for (char16_t &c : out)
        c = upperCaseUnit(c);
    return out;
}

// Names.

char16_t foldCase(char16_t c)
{
    // Names are almost always ASCII; everything else folds as LCase does, so
    // "=" under text comparison, StrComp and InStr agree on every letter.
    if (c < 0x80)
        return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c;
    return lowerCaseUnit(c);
}

bool sameName(std::u16string_view a, std::u16string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (foldCase(a[i]) != foldCase(b[i]))
            return false;
    return true;
}

std::u16string foldName(std::u16string_view name)
{
    std::u16string folded(name);
    for (auto &c : folded)
        c = foldCase(c);
    return folded;
}

} // namespace tabulo::vbs
