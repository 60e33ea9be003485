// Escape and Unescape: the %xx / %uxxxx encoding of text for URLs and cookies.
#include "vbs/lib/libraries.h"
#include "vbs/lib/library_support.h"

namespace tabulo::vbs {
namespace {

// Characters Escape leaves as they are.
bool staysLiteral(char16_t c)
{
    if ((c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9'))
        return true;
    return c == u'@' || c == u'*' || c == u'_' || c == u'+' || c == u'-' || c == u'.' || c == u'/';
}

constexpr char16_t kHexDigits[] = u"0123456789ABCDEF";

// The value of `digits` hex digits at text[at], or -1 when they are not all there.
int hexAt(std::u16string_view text, std::size_t at, std::size_t digits)
{
    if (at + digits > text.size())
        return -1;
    int value = 0;
    for (std::size_t i = 0; i < digits; ++i) {
        int d = hexDigitValue(text[at + i]);
        if (d < 0)
            return -1;
        value = value * 16 + d;
    }
    return value;
}

Value Escape(CallContext &call)
{
    if (call.isNull(0))
        return Value::null();
    std::u16string text = call.string(0);
    requireStringLength(std::uint64_t(text.size()) * 6);
    std::u16string out;
    out.reserve(text.size());
    for (char16_t c : text) {
        if (staysLiteral(c)) {
            out += c;
        } else if (c < 0x100) {
            out += {u'%', kHexDigits[c >> 4], kHexDigits[c & 15]};
        } else {
            out += {u'%', u'u', kHexDigits[c >> 12], kHexDigits[(c >> 8) & 15], kHexDigits[(c >> 4) & 15],
                kHexDigits[c & 15]};
        }
    }
    return Value::string(std::move(out));
}

// A "%" that does not start a valid escape is kept as it is.
Value Unescape(CallContext &call)
{
    if (call.isNull(0))
        return Value::null();
    std::u16string text = call.string(0);
    std::u16string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'%') {
            int wide = i + 1 < text.size() && text[i + 1] == u'u' ? hexAt(text, i + 2, 4) : -1;
            if (wide >= 0) {
                out += char16_t(wide);
                i += 5;
                continue;
            }
            int narrow = hexAt(text, i + 1, 2);
            if (narrow >= 0) {
                out += char16_t(narrow);
                i += 2;
                continue;
            }
        }
        out += text[i];
    }
    return Value::string(std::move(out));
}

constexpr Builtin kFunctions[] = {
    {u"Escape", Escape, 1, 1},
    {u"Unescape", Unescape, 1, 1},
};

} // namespace

Library escapeLibrary()
{
    return {kFunctions};
}

} // namespace tabulo::vbs
