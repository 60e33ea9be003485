#include "vbs/lexer.h"

#include <charconv>
#include <cmath>

#include "vbs/convert.h"
#include "vbs/date_time.h"
#include "vbs/error.h"
#include "vbs/text.h"

namespace tabulo::vbs {
namespace {

constexpr std::size_t kMaxIdentifierLength = 255;

bool isIdentStart(char16_t c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= 0xC0 && c != 0xD7 && c != 0xF7 && c < 0xFFFE);
}
bool isIdentPart(char16_t c)
{
    return isIdentStart(c) || (c >= u'0' && c <= u'9') || c == u'_';
}
bool isSpace(char16_t c)
{
    return c == u' ' || c == u'\t' || c == 0xA0 || c == 0xFEFF;
}

class Lexer
{
public:
    explicit Lexer(std::u16string_view src)
        : m_src(src)
    {
    }

    std::vector<Token> run()
    {
        bool space = true;
        while (m_pos < m_src.size()) {
            char16_t c = m_src[m_pos];
            if (isSpace(c)) {
                advance();
                space = true;
                continue;
            }
            if (c == u'_' && continuationFollows()) {
                space = true;
                continue;
            }
            if (c == u'\'') {
                skipComment();
                continue;
            }
            if (c == u'\r' || c == u'\n' || c == u':') {
                Token t = start(TokenKind::EndOfStatement, space);
                if (c == u':')
                    t.text = u":";
                if (c == u'\r' && m_pos + 1 < m_src.size() && m_src[m_pos + 1] == u'\n')
                    advance();
                advance();
                pushEnd(t);
                space = true;
                continue;
            }
            Token t = start(TokenKind::EndOfInput, space);
            space = false;
            if (isIdentStart(c)) {
                identifier(t);
                if (t.keyword == Keyword::None && sameName(t.text, u"rem")) {
                    skipComment();
                    continue;
                }
            } else if (c == u'[') {
                bracketIdentifier(t);
            } else if ((c >= u'0' && c <= u'9') || (c == u'.' && next(1) >= u'0' && next(1) <= u'9')) {
                number(t);
            } else if (c == u'&'
                && (next(1) == u'h' || next(1) == u'H' || next(1) == u'o' || next(1) == u'O'
                    || (next(1) >= u'0' && next(1) <= u'7'))) {
                radixNumber(t);
            } else if (c == u'"') {
                string(t);
            } else if (c == u'#') {
                dateLiteral(t);
            } else {
                punctuation(t);
            }
            m_tokens.push_back(std::move(t));
        }
        Token end = start(TokenKind::EndOfStatement, true);
        pushEnd(end);
        end.kind = TokenKind::EndOfInput;
        m_tokens.push_back(end);
        return std::move(m_tokens);
    }

private:
    char16_t next(std::size_t k) const { return m_pos + k < m_src.size() ? m_src[m_pos + k] : u'\0'; }

    void advance()
    {
        if (m_src[m_pos] == u'\n' || (m_src[m_pos] == u'\r' && next(1) != u'\n')) {
            ++m_line;
            m_lineStart = m_pos + 1;
        }
        ++m_pos;
    }

    Token start(TokenKind kind, bool space) const
    {
        Token t;
        t.kind = kind;
        t.line = m_line;
        t.column = int(m_pos - m_lineStart) + 1;
        t.spaceBefore = space;
        return t;
    }

    [[noreturn]] void fail(int number, const Token &at) const { fail(number, at.line, at.column); }
    [[noreturn]] void fail(int number, int line, int column) const
    {
        ScriptError e;
        e.number = number;
        e.description = std::u16string(errorDescription(number));
        e.line = line;
        e.column = column;
        throw ScriptException(std::move(e));
    }

    // Collapses runs of statement ends: the parser never sees an empty statement. A run
    // that holds a line end counts as a line end (text empty), which single-line If needs.
    void pushEnd(const Token &t)
    {
        if (m_tokens.empty())
            return;
        if (m_tokens.back().kind == TokenKind::EndOfStatement) {
            if (t.text.empty())
                m_tokens.back().text.clear();
            return;
        }
        m_tokens.push_back(t);
    }

    // "_" followed by blanks and a line end joins the two lines.
    bool continuationFollows()
    {
        std::size_t k = m_pos + 1;
        while (k < m_src.size() && isSpace(m_src[k]))
            ++k;
        if (k < m_src.size() && m_src[k] != u'\r' && m_src[k] != u'\n')
            return false;
        while (m_pos < k)
            advance();
        if (m_pos < m_src.size()) {
            if (m_src[m_pos] == u'\r' && next(1) == u'\n')
                advance();
            advance();
        }
        return true;
    }

    void skipComment()
    {
        while (m_pos < m_src.size() && m_src[m_pos] != u'\r' && m_src[m_pos] != u'\n')
            ++m_pos;
    }

    void identifier(Token &t)
    {
        std::size_t b = m_pos;
        while (m_pos < m_src.size() && isIdentPart(m_src[m_pos]))
            ++m_pos;
        t.text = std::u16string(m_src.substr(b, m_pos - b));
        if (t.text.size() > kMaxIdentifierLength)
            fail(err::IdentifierTooLong, t);
        t.kind = TokenKind::Identifier;
        t.keyword = keywordOf(t.text);
    }

    void bracketIdentifier(Token &t)
    {
        std::size_t b = ++m_pos;
        while (m_pos < m_src.size() && m_src[m_pos] != u']' && m_src[m_pos] != u'\r' && m_src[m_pos] != u'\n')
            ++m_pos;
        if (m_pos >= m_src.size() || m_src[m_pos] != u']')
            fail(err::ExpectedIdentifier, t);
        t.text = std::u16string(m_src.substr(b, m_pos - b));
        ++m_pos;
        if (t.text.size() > kMaxIdentifierLength)
            fail(err::IdentifierTooLong, t);
        t.kind = TokenKind::Identifier;
        t.bracketed = true;
    }

    void number(Token &t)
    {
        std::string text;
        bool isFloat = false;
        while (m_pos < m_src.size() && m_src[m_pos] >= u'0' && m_src[m_pos] <= u'9')
            text.push_back(char(m_src[m_pos++]));
        if (m_pos < m_src.size() && m_src[m_pos] == u'.') {
            isFloat = true;
            text.push_back('.');
            ++m_pos;
            while (m_pos < m_src.size() && m_src[m_pos] >= u'0' && m_src[m_pos] <= u'9')
                text.push_back(char(m_src[m_pos++]));
        }
        if (m_pos < m_src.size() && (m_src[m_pos] == u'e' || m_src[m_pos] == u'E')) {
            std::size_t k = m_pos + 1;
            if (k < m_src.size() && (m_src[k] == u'+' || m_src[k] == u'-'))
                ++k;
            if (k < m_src.size() && m_src[k] >= u'0' && m_src[k] <= u'9') {
                isFloat = true;
                text.push_back('e');
                for (std::size_t j = m_pos + 1; j < k; ++j)
                    text.push_back(char(m_src[j]));
                m_pos = k;
                while (m_pos < m_src.size() && m_src[m_pos] >= u'0' && m_src[m_pos] <= u'9')
                    text.push_back(char(m_src[m_pos++]));
            }
        }
        if (m_pos < m_src.size() && isIdentStart(m_src[m_pos]))
            fail(err::ExpectedEndOfStatement, m_line, int(m_pos - m_lineStart) + 1);
        // Literals always use "."; from_chars reads them whatever locale the
        // host set for the C library.
        double value = 0;
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
        (void)end;
        if (ec == std::errc::result_out_of_range && text.find("e-") != std::string::npos)
            value = 0;
        else if (ec != std::errc() || !std::isfinite(value))
            fail(err::InvalidNumber, t);
        t.number = value;
        // Whole numbers are Integer or Long literals when they fit, Double otherwise.
        t.kind = !isFloat && value <= 2147483647.0 ? TokenKind::Integer : TokenKind::Number;
    }

    void radixNumber(Token &t)
    {
        ++m_pos; // &
        int radix = 8;
        if (m_src[m_pos] == u'h' || m_src[m_pos] == u'H') {
            radix = 16;
            ++m_pos;
        } else if (m_src[m_pos] == u'o' || m_src[m_pos] == u'O') {
            ++m_pos;
        }
        std::size_t b = m_pos;
        // Any decimal digit is taken, so that &O8 is refused as a whole.
        const int digitLimit = radix == 16 ? 16 : 10;
        while (m_pos < m_src.size() && hexDigitValue(m_src[m_pos]) >= 0 && hexDigitValue(m_src[m_pos]) < digitLimit)
            ++m_pos;
        std::u16string digits(m_src.substr(b, m_pos - b));
        bool forceLong = m_pos < m_src.size() && m_src[m_pos] == u'&';
        if (forceLong)
            ++m_pos;
        double value;
        std::u16string literal = (radix == 16 ? u"&H" : u"&O") + digits;
        if (digits.empty() || !parseNumber(literal, Locale::english(), value))
            fail(err::InvalidNumber, t);
        if (forceLong && value < 0 && value >= -32768) {
            // &HFFFF& is 65535: the suffix keeps the 16-bit reading from going negative.
            value += 65536;
        }
        t.number = value;
        t.kind = TokenKind::Integer;
        t.text = u"radix";
    }

    void string(Token &t)
    {
        ++m_pos;
        std::u16string text;
        for (;;) {
            if (m_pos >= m_src.size() || m_src[m_pos] == u'\r' || m_src[m_pos] == u'\n')
                fail(err::UnterminatedString, t);
            if (m_src[m_pos] == u'"') {
                if (next(1) == u'"') {
                    text += u'"';
                    m_pos += 2;
                    continue;
                }
                ++m_pos;
                break;
            }
            text += m_src[m_pos++];
        }
        t.kind = TokenKind::String;
        t.text = std::move(text);
    }

    void dateLiteral(Token &t)
    {
        std::size_t b = ++m_pos;
        while (m_pos < m_src.size() && m_src[m_pos] != u'#' && m_src[m_pos] != u'\r' && m_src[m_pos] != u'\n')
            ++m_pos;
        if (m_pos >= m_src.size() || m_src[m_pos] != u'#')
            fail(err::SyntaxError, t);
        double serial;
        // Date literals are always read month first, whatever the user's locale.
        if (!parseDate(m_src.substr(b, m_pos - b), Locale::english(), serial))
            fail(err::SyntaxError, t);
        ++m_pos;
        t.kind = TokenKind::Date;
        t.number = serial;
    }

    void punctuation(Token &t)
    {
        char16_t c = m_src[m_pos++];
        switch (c) {
        case u'(':
            t.kind = TokenKind::LParen;
            break;
        case u')':
            t.kind = TokenKind::RParen;
            break;
        case u',':
            t.kind = TokenKind::Comma;
            break;
        case u'.':
            t.kind = TokenKind::Dot;
            break;
        case u'+':
            t.kind = TokenKind::Plus;
            break;
        case u'-':
            t.kind = TokenKind::Minus;
            break;
        case u'*':
            t.kind = TokenKind::Star;
            break;
        case u'/':
            t.kind = TokenKind::Slash;
            break;
        case u'\\':
            t.kind = TokenKind::Backslash;
            break;
        case u'^':
            t.kind = TokenKind::Caret;
            break;
        case u'&':
            t.kind = TokenKind::Ampersand;
            break;
        case u'=':
            t.kind = TokenKind::Equal;
            break;
        case u'<':
            if (m_pos < m_src.size() && m_src[m_pos] == u'>') {
                ++m_pos;
                t.kind = TokenKind::NotEqual;
            } else if (m_pos < m_src.size() && m_src[m_pos] == u'=') {
                ++m_pos;
                t.kind = TokenKind::LessEqual;
            } else
                t.kind = TokenKind::Less;
            break;
        case u'>':
            if (m_pos < m_src.size() && m_src[m_pos] == u'=') {
                ++m_pos;
                t.kind = TokenKind::GreaterEqual;
            } else
                t.kind = TokenKind::Greater;
            break;
        default:
            fail(err::InvalidCharacter, t);
        }
    }

    std::u16string_view m_src;
    std::size_t m_pos = 0;
    std::size_t m_lineStart = 0;
    int m_line = 1;
    std::vector<Token> m_tokens;
};

} // namespace

std::vector<Token> tokenize(std::u16string_view source)
{
    return Lexer(source).run();
}

} // namespace tabulo::vbs
