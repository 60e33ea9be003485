#include "windows/script_editor/vbscript_syntax.h"

#include "vbs/lexer.h"

#include <string_view>

namespace tabulo {

namespace {

// The objects the output window hands to every script, by the names the
// script uses.
constexpr std::u16string_view hostObjectNames[] = {
    u"Tabulo",
    u"Text",
    u"TotX",
    u"TotY",
    u"Echo",
    u"ListBox",
    u"ListBoxSort",
    u"VbDrive",
    u"VbDir",
    u"VbFiles",
};

// The same classes of characters as the interpreter's scanner, so that a
// word is coloured exactly where the interpreter sees one.
bool isIdentStart(char16_t c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= 0xC0 && c != 0xD7 && c != 0xF7 && c < 0xFFFE);
}

bool isIdentPart(char16_t c)
{
    return isIdentStart(c) || (c >= u'0' && c <= u'9') || c == u'_';
}

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}
bool isOctalDigit(char16_t c)
{
    return c >= u'0' && c <= u'7';
}
bool isHexDigit(char16_t c)
{
    return isDigit(c) || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

class LineScanner
{
public:
    explicit LineScanner(QStringView line)
        : m_line(line)
    {
    }

    QList<SyntaxSpan> run()
    {
        bool afterDot = false; // a member name: obj.End is no keyword
        while (m_pos < m_line.size()) {
            const char16_t c = at(m_pos);
            const qsizetype start = m_pos;
            if (c == u' ' || c == u'\t') {
                ++m_pos;
                continue;
            }
            if (c == u'\'') {
                add(start, m_line.size(), SyntaxKind::Comment);
                break;
            }
            if (isIdentStart(c)) {
                while (m_pos < m_line.size() && isIdentPart(at(m_pos)))
                    ++m_pos;
                const QStringView word = m_line.sliced(start, m_pos - start);
                if (word.compare(u"rem", Qt::CaseInsensitive) == 0) {
                    add(start, m_line.size(), SyntaxKind::Comment);
                    break;
                }
                if (!afterDot)
                    colourWord(start, word);
                afterDot = false;
                continue;
            }
            afterDot = false;
            if (c == u'"') {
                string();
            } else if (c == u'#') {
                date();
            } else if (c == u'[') {
                const qsizetype close = m_line.indexOf(u']', m_pos + 1);
                m_pos = close < 0 ? m_line.size() : close + 1;
            } else if (isDigit(c) || (c == u'.' && isDigit(at(m_pos + 1)))) {
                decimalNumber();
            } else if (c == u'&') {
                if (!radixNumber())
                    ++m_pos; // the concatenation operator
            } else {
                afterDot = c == u'.';
                ++m_pos;
            }
        }
        return m_spans;
    }

private:
    char16_t at(qsizetype i) const { return i < m_line.size() ? m_line[i].unicode() : u'\0'; }

    void add(qsizetype start, qsizetype end, SyntaxKind kind) { m_spans.append({start, end - start, kind}); }

    void colourWord(qsizetype start, QStringView word)
    {
        const std::u16string_view name(word.utf16(), size_t(word.size()));
        if (vbs::keywordOf(name) != vbs::Keyword::None)
            add(start, m_pos, SyntaxKind::Keyword);
        else if (isHostObjectName(word))
            add(start, m_pos, SyntaxKind::HostObject);
    }

    // "..." with "" standing for one quote; an unclosed string runs to the
    // line's end, which shows the mistake as it is typed.
    void string()
    {
        const qsizetype start = m_pos++;
        while (m_pos < m_line.size()) {
            if (at(m_pos) == u'"') {
                if (at(m_pos + 1) != u'"') {
                    ++m_pos;
                    break;
                }
                ++m_pos;
            }
            ++m_pos;
        }
        add(start, m_pos, SyntaxKind::String);
    }

    // #1/2/2024# and the like; a lone "#" is left plain.
    void date()
    {
        const qsizetype close = m_line.indexOf(u'#', m_pos + 1);
        const qsizetype quote = m_line.indexOf(u'"', m_pos + 1);
        if (close < 0 || (quote >= 0 && quote < close)) {
            ++m_pos;
            return;
        }
        add(m_pos, close + 1, SyntaxKind::Date);
        m_pos = close + 1;
    }

    // 12, 3.5, .5, 1e10, 2.5E-3
    void decimalNumber()
    {
        const qsizetype start = m_pos;
        while (isDigit(at(m_pos)))
            ++m_pos;
        if (at(m_pos) == u'.') {
            ++m_pos;
            while (isDigit(at(m_pos)))
                ++m_pos;
        }
        if (at(m_pos) == u'e' || at(m_pos) == u'E') {
            qsizetype exponent = m_pos + 1;
            if (at(exponent) == u'+' || at(exponent) == u'-')
                ++exponent;
            if (isDigit(at(exponent))) {
                m_pos = exponent;
                while (isDigit(at(m_pos)))
                    ++m_pos;
            }
        }
        add(start, m_pos, SyntaxKind::Number);
    }

    // &HFF, &O17, &17, each with an optional closing "&". False when the
    // "&" is the concatenation operator.
    bool radixNumber()
    {
        const char16_t marker = at(m_pos + 1);
        qsizetype digits = m_pos + 1;
        bool (*isRadixDigit)(char16_t) = isOctalDigit;
        if (marker == u'h' || marker == u'H') {
            isRadixDigit = isHexDigit;
            ++digits;
        } else if (marker == u'o' || marker == u'O') {
            ++digits;
        } else if (!isOctalDigit(marker)) {
            return false;
        }
        qsizetype end = digits;
        while (isRadixDigit(at(end)))
            ++end;
        if (end == digits)
            return false;
        if (at(end) == u'&')
            ++end;
        add(m_pos, end, SyntaxKind::Number);
        m_pos = end;
        return true;
    }

    QStringView m_line;
    qsizetype m_pos = 0;
    QList<SyntaxSpan> m_spans;
};

} // namespace

QList<SyntaxSpan> vbscriptSpans(QStringView line)
{
    return LineScanner(line).run();
}

bool isHostObjectName(QStringView word)
{
    for (const std::u16string_view name : hostObjectNames) {
        if (word.compare(QStringView(name.data(), qsizetype(name.size())), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

} // namespace tabulo
