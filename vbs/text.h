#pragma once
// Text at the bottom of the interpreter, needing nothing else of it: the case of
// letters, names compared as the language compares them, UTF-8 and the Windows-1252
// code page scripts written on Windows assume, and hex digits.
#include <string>
#include <string_view>

namespace tabulo::vbs {

// Case mapping for LCase, UCase and the text comparisons of InStr, Replace, Split,
// StrComp and the Dictionary: one UTF-16 unit to one unit, so positions stay those of
// the original.
char16_t lowerCaseUnit(char16_t c);
char16_t upperCaseUnit(char16_t c);
std::u16string lowerCase(std::u16string_view text);
std::u16string upperCase(std::u16string_view text);

// Case-insensitive comparison of names (identifiers, member names, ProgIDs).
bool sameName(std::u16string_view a, std::u16string_view b);
char16_t foldCase(char16_t c);
std::u16string foldName(std::u16string_view name);

// Text conversion between UTF-8 (files, the command line) and UTF-16 (scripts).
// Invalid UTF-8 becomes U+FFFD, a lone surrogate too.
std::u16string fromUtf8(std::string_view utf8);
std::string toUtf8(std::u16string_view text);

// The character a byte of the Windows-1252 ("ANSI") code page stands for, which
// scripts written on Windows assume (Chr(128) is the euro sign); codes from 0 to 255.
char16_t unitFromAnsiCode(int code);
// The other way, as Asc gives it: 63 ("?") for a character the code page does not have.
int ansiCodeFromUnit(char16_t unit);

// The value of a hex digit (0-9, a-f, A-F), or -1.
inline int hexDigitValue(char16_t c)
{
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

} // namespace tabulo::vbs
