#include "vbs/regex/escape_decoding.h"

#include "vbs/text.h"

namespace tabulo::vbs::regex {
std::optional<char16_t> decodeHexEscape(std::u16string_view pattern, std::size_t &pos, int digitCount)
{
    if (pattern.size() - pos < std::size_t(digitCount))
        return std::nullopt;
    unsigned value = 0;
    for (int i = 0; i < digitCount; ++i) {
        const int digit = hexDigitValue(pattern[pos + i]);
        if (digit < 0)
            return std::nullopt;
        value = value * 16 + unsigned(digit);
    }
    pos += std::size_t(digitCount);
    return char16_t(value);
}

char16_t decodeOctalEscape(std::u16string_view pattern, std::size_t &pos)
{
    unsigned value = 0;
    for (int digits = 0; digits < 3 && pos < pattern.size() && isOctalDigit(pattern[pos]); ++digits) {
        const unsigned next = value * 8 + unsigned(pattern[pos] - u'0');
        if (next > 0377)
            break;
        value = next;
        ++pos;
    }
    return char16_t(value);
}

std::optional<char16_t> decodeControlEscape(std::u16string_view pattern, std::size_t &pos)
{
    if (pos >= pattern.size())
        return std::nullopt;
    const char16_t letter = pattern[pos];
    const bool isLetter = (letter >= u'a' && letter <= u'z') || (letter >= u'A' && letter <= u'Z');
    if (!isLetter)
        return std::nullopt;
    ++pos;
    return char16_t(letter % 32);
}

std::optional<char16_t> decodeControlLetter(char16_t letter)
{
    switch (letter) {
    case u'f':
        return u'\f';
    case u'n':
        return u'\n';
    case u'r':
        return u'\r';
    case u't':
        return u'\t';
    case u'v':
        return u'\v';
    default:
        return std::nullopt;
    }
}

std::uint32_t readDecimal(std::u16string_view pattern, std::size_t &pos)
{
    std::uint64_t value = 0;
    while (pos < pattern.size() && isDecimalDigit(pattern[pos])) {
        value = value * 10 + std::uint64_t(pattern[pos] - u'0');
        if (value > UINT32_MAX)
            value = UINT32_MAX;
        ++pos;
    }
    return std::uint32_t(value);
}

} // namespace tabulo::vbs::regex
