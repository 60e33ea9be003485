#include "pattern_parser.h"

#include "escape_decoding.h"

#include <new>
#include <string>
#include <utility>

namespace tabulo::vbs::regex {
namespace {

// Unwinds the recursive descent to parsePattern() on the first error.
struct ParseFailure
{
    CompileError error;
};

[[noreturn]] void fail(int code, std::size_t position, std::string message)
{
    throw ParseFailure {CompileError {code, position, std::move(message)}};
}

// Whether \N is a backreference depends on how many groups the whole pattern
// has, including those after the escape, so they are counted first.
std::size_t countCapturingGroups(std::u16string_view pattern)
{
    std::size_t count = 0;
    bool inClass = false;
    for (std::size_t pos = 0; pos < pattern.size(); ++pos) {
        const char16_t unit = pattern[pos];
        if (unit == u'\\')
            ++pos;
        else if (inClass)
            inClass = unit != u']';
        else if (unit == u'[')
            inClass = true;
        else if (unit == u'(' && (pos + 1 >= pattern.size() || pattern[pos + 1] != u'?'))
            ++count;
    }
    return count;
}

PatternNode unitNode(char16_t unit)
{
    PatternNode node;
    node.kind = PatternNode::Kind::unit;
    node.unit = unit;
    return node;
}

PatternNode setNode(CharSet set)
{
    PatternNode node;
    node.kind = PatternNode::Kind::set;
    node.set = std::move(set);
    node.set.finish();
    return node;
}

// \d \D \w \W \s \S, inside a class or out of it.
std::optional<CharSet> classEscape(char16_t letter)
{
    CharSet set;
    switch (letter) {
    case u'd':
    case u'D':
        set = CharSet::digits();
        break;
    case u'w':
    case u'W':
        set = CharSet::wordUnits();
        break;
    case u's':
    case u'S':
        set = CharSet::whiteSpace();
        break;
    default:
        return std::nullopt;
    }
    if (letter == u'D' || letter == u'W' || letter == u'S')
        set.invert();
    return set;
}

class PatternParser
{
public:
    explicit PatternParser(std::u16string_view pattern)
        : m_pattern(pattern)
        , m_totalGroups(countCapturingGroups(pattern))
    {
    }

    ParsedPattern parse()
    {
        PatternNode root = parseDisjunction(0);
        if (m_pos < m_pattern.size()) // only a ')' stops the top level early
            fail(kSyntaxError, m_pos, "unmatched ')'");
        return ParsedPattern {std::move(root), m_groupsSeen};
    }

private:
    bool atEnd() const { return m_pos >= m_pattern.size(); }
    char16_t peek(std::size_t ahead = 0) const
    {
        return m_pos + ahead < m_pattern.size() ? m_pattern[m_pos + ahead] : char16_t(0);
    }

    // Disjunction :: Alternative ( '|' Alternative )*
    PatternNode parseDisjunction(int depth)
    {
        PatternNode first = parseAlternative(depth);
        if (peek() != u'|' || atEnd())
            return first;
        PatternNode node;
        node.kind = PatternNode::Kind::alternation;
        node.children.push_back(std::move(first));
        while (!atEnd() && peek() == u'|') {
            ++m_pos;
            node.children.push_back(parseAlternative(depth));
        }
        return node;
    }

    // Alternative :: Term*
    PatternNode parseAlternative(int depth)
    {
        PatternNode node;
        node.kind = PatternNode::Kind::sequence;
        while (!atEnd() && peek() != u'|' && peek() != u')')
            node.children.push_back(parseTerm(depth));
        if (node.children.size() == 1)
            return std::move(node.children.front());
        return node;
    }

    // Term :: Assertion | Atom Quantifier?
    PatternNode parseTerm(int depth)
    {
        const std::size_t termStart = m_pos;
        const std::size_t groupsBefore = m_groupsSeen;
        std::optional<PatternNode> assertion = parseAssertion();
        if (assertion) {
            if (quantifierAhead())
                fail(kUnexpectedQuantifier, m_pos, "an assertion cannot be repeated");
            return std::move(*assertion);
        }
        if (quantifierAhead())
            fail(kUnexpectedQuantifier, termStart, "nothing to repeat");
        PatternNode atom = parseAtom(depth);
        if (!quantifierAhead())
            return atom;
        PatternNode repeat = parseQuantifier();
        repeat.children.push_back(std::move(atom));
        repeat.firstGroup = groupsBefore + 1;
        repeat.groupsInside = m_groupsSeen - groupsBefore;
        if (quantifierAhead())
            fail(kUnexpectedQuantifier, m_pos, "a quantifier cannot be repeated");
        return repeat;
    }

    std::optional<PatternNode> parseAssertion()
    {
        PatternNode node;
        if (peek() == u'^') {
            node.kind = PatternNode::Kind::lineStart;
        } else if (peek() == u'$') {
            node.kind = PatternNode::Kind::lineEnd;
        } else if (peek() == u'\\' && (peek(1) == u'b' || peek(1) == u'B')) {
            node.kind = PatternNode::Kind::wordBoundary;
            node.negated = peek(1) == u'B';
            ++m_pos;
        } else {
            return std::nullopt;
        }
        ++m_pos;
        return node;
    }

    // A '{' that does not make a whole {n}, {n,} or {n,m} is a literal brace.
    bool quantifierAhead() const
    {
        const char16_t unit = peek();
        if (atEnd())
            return false;
        if (unit == u'*' || unit == u'+' || unit == u'?')
            return true;
        std::size_t pos = m_pos;
        return unit == u'{' && readBraces(pos).has_value();
    }

    std::optional<std::pair<std::uint32_t, std::uint32_t>> readBraces(std::size_t &pos) const
    {
        ++pos; // '{'
        if (pos >= m_pattern.size() || !isDecimalDigit(m_pattern[pos]))
            return std::nullopt;
        const std::uint32_t min = readDecimal(m_pattern, pos);
        std::uint32_t max = min;
        if (pos < m_pattern.size() && m_pattern[pos] == u',') {
            ++pos;
            const bool hasMax = pos < m_pattern.size() && isDecimalDigit(m_pattern[pos]);
            max = hasMax ? readDecimal(m_pattern, pos) : kUnbounded;
        }
        if (pos >= m_pattern.size() || m_pattern[pos] != u'}')
            return std::nullopt;
        ++pos;
        return std::make_pair(min, max);
    }

    // Quantifier :: ( '*' | '+' | '?' | '{' n ( ',' m? )? '}' ) '?'?
    PatternNode parseQuantifier()
    {
        PatternNode node;
        node.kind = PatternNode::Kind::repeat;
        const std::size_t start = m_pos;
        switch (peek()) {
        case u'*':
            node.minCount = 0;
            node.maxCount = kUnbounded;
            ++m_pos;
            break;
        case u'+':
            node.minCount = 1;
            node.maxCount = kUnbounded;
            ++m_pos;
            break;
        case u'?':
            node.minCount = 0;
            node.maxCount = 1;
            ++m_pos;
            break;
        default: {
            const auto counts = readBraces(m_pos);
            node.minCount = counts->first;
            node.maxCount = counts->second;
            if (node.maxCount < node.minCount)
                fail(kSyntaxError, start, "the counts of {n,m} are out of order");
        }
        }
        if (!atEnd() && peek() == u'?') {
            node.greedy = false;
            ++m_pos;
        }
        return node;
    }

    PatternNode parseAtom(int depth)
    {
        const char16_t unit = peek();
        switch (unit) {
        case u'.':
            ++m_pos;
            return setNode(CharSet::allButNewline());
        case u'(':
            return parseGroup(depth);
        case u'[':
            return parseClass();
        case u'\\':
            return parseAtomEscape();
        default:
            ++m_pos;
            return unitNode(unit);
        }
    }

    // '(' Disjunction ')' | '(?:' ... | '(?=' ... | '(?!' ...
    PatternNode parseGroup(int depth)
    {
        const std::size_t open = m_pos;
        if (depth >= kMaxNestingDepth)
            fail(kSyntaxError, open, "groups are nested too deeply");
        ++m_pos;
        PatternNode node;
        if (peek() == u'?') {
            const char16_t kind = peek(1);
            if (kind != u':' && kind != u'=' && kind != u'!')
                fail(kSyntaxError, m_pos, "unknown group kind after '(?'");
            m_pos += 2;
            node.kind = kind == u':' ? PatternNode::Kind::sequence : PatternNode::Kind::lookahead;
            node.negated = kind == u'!';
        } else {
            node.kind = PatternNode::Kind::group;
            node.groupIndex = ++m_groupsSeen;
        }
        PatternNode inner = parseDisjunction(depth + 1);
        if (atEnd())
            fail(kExpectedParen, m_pattern.size(), "missing ')'");
        ++m_pos;
        if (node.kind == PatternNode::Kind::sequence)
            return inner;
        node.children.push_back(std::move(inner));
        return node;
    }

    PatternNode parseAtomEscape()
    {
        const std::size_t backslash = m_pos++;
        if (atEnd())
            fail(kSyntaxError, backslash, "the pattern ends with '\\'");
        const char16_t letter = m_pattern[m_pos];
        if (auto set = classEscape(letter)) {
            ++m_pos;
            return setNode(std::move(*set));
        }
        if (isDecimalDigit(letter) && letter != u'0') {
            std::size_t afterNumber = m_pos;
            const std::uint32_t number = readDecimal(m_pattern, afterNumber);
            if (number <= m_totalGroups) {
                m_pos = afterNumber;
                PatternNode node;
                node.kind = PatternNode::Kind::backreference;
                node.groupIndex = number;
                return node;
            }
        }
        return unitNode(parseCharacterEscape(backslash));
    }

    // The escapes that stand for one unit; m_pos is just after the backslash.
    // Shared by classes, where \b is a backspace.
    char16_t parseCharacterEscape(std::size_t backslash)
    {
        const char16_t letter = m_pattern[m_pos++];
        if (auto control = decodeControlLetter(letter))
            return *control;
        if (isOctalDigit(letter)) {
            --m_pos;
            return decodeOctalEscape(m_pattern, m_pos);
        }
        switch (letter) {
        case u'x':
            return decodeHexEscape(m_pattern, m_pos, 2).value_or(u'x');
        case u'u':
            return decodeHexEscape(m_pattern, m_pos, 4).value_or(u'u');
        case u'c':
            if (auto control = decodeControlEscape(m_pattern, m_pos))
                return *control;
            m_pos = backslash + 1; // a lone "\c" is a backslash, then "c"
            return u'\\';
        default:
            return letter; // \8, \9 and escaped punctuation stand for themselves
        }
    }

    // CharacterClass :: '[' '^'? ClassRanges ']'
    PatternNode parseClass()
    {
        ++m_pos; // '['
        const bool negated = !atEnd() && peek() == u'^';
        if (negated)
            ++m_pos;
        CharSet set;
        while (true) {
            if (atEnd())
                fail(kExpectedBracket, m_pattern.size(), "missing ']'");
            if (peek() == u']')
                break;
            const std::size_t rangeStart = m_pos;
            ClassAtom first = parseClassAtom();
            if (peek() != u'-' || peek(1) == u']' || m_pos + 1 >= m_pattern.size()) {
                addClassAtom(set, first);
                continue;
            }
            ++m_pos; // '-'
            ClassAtom last = parseClassAtom();
            if (first.set || last.set) { // [\d-z]: the dash is literal
                addClassAtom(set, first);
                set.add(u'-');
                addClassAtom(set, last);
                continue;
            }
            if (last.unit < first.unit)
                fail(kInvalidRange, rangeStart, "a range in a class ends before it starts");
            set.addRange(first.unit, last.unit);
        }
        ++m_pos; // ']'
        PatternNode node = setNode(std::move(set));
        node.negated = negated; // inverted after case folding, by the compiler
        return node;
    }

    struct ClassAtom
    {
        char16_t unit = 0;
        std::optional<CharSet> set;
    };

    static void addClassAtom(CharSet &set, const ClassAtom &atom)
    {
        if (atom.set)
            set.addSet(*atom.set);
        else
            set.add(atom.unit);
    }

    ClassAtom parseClassAtom()
    {
        if (peek() != u'\\')
            return ClassAtom {m_pattern[m_pos++], std::nullopt};
        const std::size_t backslash = m_pos++;
        if (atEnd())
            fail(kExpectedBracket, m_pattern.size(), "missing ']'");
        const char16_t letter = peek();
        if (auto set = classEscape(letter)) {
            ++m_pos;
            return ClassAtom {0, std::move(set)};
        }
        if (letter == u'b') {
            ++m_pos;
            return ClassAtom {u'\b', std::nullopt};
        }
        return ClassAtom {parseCharacterEscape(backslash), std::nullopt};
    }

    std::u16string_view m_pattern;
    std::size_t m_pos = 0;
    std::size_t m_totalGroups;
    std::size_t m_groupsSeen = 0;
};

} // namespace

std::variant<ParsedPattern, CompileError> parsePattern(std::u16string_view pattern)
{
    try {
        return PatternParser(pattern).parse();
    } catch (const ParseFailure &failure) {
        return failure.error;
    }
}

} // namespace tabulo::vbs::regex
