// UTF-8 and the Windows-1252 code page.
#include "vbs/text.h"

namespace tabulo::vbs {

namespace {

// Windows-1252 codes 0x80 to 0x9F; the five unassigned ones map to themselves.
constexpr char16_t kAnsiHighControls[32] = {
    0x20AC,
    0x0081,
    0x201A,
    0x0192,
    0x201E,
    0x2026,
    0x2020,
    0x2021,
    0x02C6,
    0x2030,
    0x0160,
    0x2039,
    0x0152,
    0x008D,
    0x017D,
    0x008F,
    0x0090,
    0x2018,
    0x2019,
    0x201C,
    0x201D,
    0x2022,
    0x2013,
    0x2014,
    0x02DC,
    0x2122,
    0x0161,
    0x203A,
    0x0153,
    0x009D,
    0x017E,
    0x0178,
};

} // namespace

char16_t unitFromAnsiCode(int code)
{
    if (code >= 0x80 && code <= 0x9F)
        return kAnsiHighControls[code - 0x80];
    return char16_t(code);
}

int ansiCodeFromUnit(char16_t unit)
{
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF))
        return unit;
    for (int i = 0; i < 32; ++i)
        if (kAnsiHighControls[i] == unit)
            return 0x80 + i;
    return u'?';
}

std::u16string fromUtf8(std::string_view in)
{
    std::u16string out;
    out.reserve(in.size());
    std::size_t i = 0;
    while (i < in.size()) {
        unsigned char c = static_cast<unsigned char>(in[i]);
        char32_t cp = 0xFFFD;
        std::size_t len = 1;
        if (c < 0x80) {
            cp = c;
        } else if ((c >> 5) == 6 || (c >> 4) == 14 || (c >> 3) == 30) {
            len = (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : 4;
            char32_t acc = c & (0x3F >> (len - 1));
            bool ok = i + len <= in.size();
            for (std::size_t k = 1; ok && k < len; ++k) {
                unsigned char cc = static_cast<unsigned char>(in[i + k]);
                if ((cc >> 6) != 2)
                    ok = false;
                acc = (acc << 6) | (cc & 0x3F);
            }
            static constexpr char32_t minimum[] = {0, 0, 0x80, 0x800, 0x10000};
            if (ok && acc >= minimum[len] && acc <= 0x10FFFF && !(acc >= 0xD800 && acc <= 0xDFFF))
                cp = acc;
            else
                len = 1;
        }
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out.push_back(char16_t(0xD800 + (cp >> 10)));
            out.push_back(char16_t(0xDC00 + (cp & 0x3FF)));
        } else {
            out.push_back(char16_t(cp));
        }
        i += len;
    }
    return out;
}

std::string toUtf8(std::u16string_view in)
{
    std::string out;
    out.reserve(in.size());
    for (std::size_t i = 0; i < in.size(); ++i) {
        char32_t cp = in[i];
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < in.size() && in[i + 1] >= 0xDC00 && in[i + 1] <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (in[i + 1] - 0xDC00);
            ++i;
        } else if (cp >= 0xD800 && cp <= 0xDFFF) {
            cp = 0xFFFD; // a lone surrogate has no UTF-8 form
        }
        if (cp < 0x80) {
            out.push_back(char(cp));
        } else if (cp < 0x800) {
            out.push_back(char(0xC0 | (cp >> 6)));
            out.push_back(char(0x80 | (cp & 0x3F)));
        } else if (cp < 0x10000) {
            out.push_back(char(0xE0 | (cp >> 12)));
            out.push_back(char(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(char(0x80 | (cp & 0x3F)));
        } else {
            out.push_back(char(0xF0 | (cp >> 18)));
            out.push_back(char(0x80 | ((cp >> 12) & 0x3F)));
            out.push_back(char(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(char(0x80 | (cp & 0x3F)));
        }
    }
    return out;
}

} // namespace tabulo::vbs
