// The escapes that stand for one unit, shared by classes and the rest of a
// pattern. Each reads from pattern[pos] (just after the backslash and, for
// \x \u \c, after that letter) and advances pos past what it used.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace tabulo::vbs::regex {

// Exactly `digitCount` hex digits (\xhh, \uhhhh); nothing when they are not
// all there, in which case the letter stands for itself and pos is unchanged.
std::optional<char16_t> decodeHexEscape(std::u16string_view pattern, std::size_t &pos, int digitCount);

// An octal escape of one to three digits, \0 to \377: a third digit is only
// taken while the value stays within one byte ("\400" is "\40" then "0").
// pattern[pos] must be an octal digit.
char16_t decodeOctalEscape(std::u16string_view pattern, std::size_t &pos);

// \cX with a letter X is the control unit X mod 32; nothing otherwise, and
// then the backslash stands for itself.
std::optional<char16_t> decodeControlEscape(std::u16string_view pattern, std::size_t &pos);

// The single-letter escapes \f \n \r \t \v; nothing for other letters.
std::optional<char16_t> decodeControlLetter(char16_t letter);

// Reads decimal digits as a number, saturating instead of overflowing.
std::uint32_t readDecimal(std::u16string_view pattern, std::size_t &pos);

inline bool isDecimalDigit(char16_t unit)
{
    return unit >= u'0' && unit <= u'9';
}
inline bool isOctalDigit(char16_t unit)
{
    return unit >= u'0' && unit <= u'7';
}

} // namespace tabulo::vbs::regex
