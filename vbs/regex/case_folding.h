// Case-insensitive comparison for IgnoreCase.
//
// Two units match when their canonical forms are equal. The canonical form is
// the upper-case letter, for these letters only:
//   - basic Latin a-z;
//   - Latin-1 à-þ (not ÷), ÿ -> Ÿ (U+0178), µ -> Greek capital mu (U+039C);
//   - Latin Extended-A (U+0100-U+017F) pairs, except ı and ſ, whose upper
//     case is basic Latin: like JScript we never fold a non-ASCII letter onto
//     an ASCII one, so "ı" does not match "i" or "I";
//   - Greek: α-ω and the accented vowels, with final ς folded like σ (not
//     the symbol variants ϐ ϑ ϕ ϖ ϰ ϱ or the Coptic letters);
//   - Cyrillic: а-я, ѐ-џ and the paired letters of U+0460-U+052F.
// Every other unit (ß included, whose upper case is two letters) is its own
// canonical form. No canonical form lies outside U+0000-U+052F.
#pragma once

namespace tabulo::vbs::regex {

inline constexpr char16_t kLastFoldedUnit = 0x052F;

char16_t canonicalCase(char16_t unit);

// The other units with the same canonical form as `unit` (two at most: σ
// has Σ and ς).
struct CasePartners
{
    char16_t units[2] = {};
    int count = 0;
};
CasePartners casePartners(char16_t unit);

} // namespace tabulo::vbs::regex
