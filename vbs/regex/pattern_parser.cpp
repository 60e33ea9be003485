#include "vbs/regex/pattern_parser.h"

#include "vbs/regex/escape_decoding.h"
#include "vbs/regex/pattern_parser_internal.h"

#include <new>
#include <string>
#include <utility>

namespace tabulo::vbs::regex {

[[noreturn]] void fail(int code, std::size_t position, std::string message)
{
    throw ParseFailure {CompileError {code, position, std::move(message)}};
}

PatternNode setNode(CharSet set)
{
    PatternNode node;
    node.kind = PatternNode::Kind::set;
    node.set = std::move(set);
    node.set.finish();
    return node;
}

namespace {

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

} // namespace

PatternParser::PatternParser(std::u16string_view pattern)
    : m_pattern(pattern)
    , m_totalGroups(countCapturingGroups(pattern))
{
}

ParsedPattern PatternParser::parse()
{
    PatternNode root = parseDisjunction(0);
    if (m_pos < m_pattern.size()) // only a ')' stops the top level early
        fail(kSyntaxError, m_pos, "unmatched ')'");
    return ParsedPattern {std::move(root), m_groupsSeen};
}

// Disjunction :: Alternative ( '|' Alternative )*
PatternNode PatternParser::parseDisjunction(int depth)
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
PatternNode PatternParser::parseAlternative(int depth)
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
PatternNode PatternParser::parseTerm(int depth)
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

std::optional<PatternNode> PatternParser::parseAssertion()
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
bool PatternParser::quantifierAhead() const
{
    const char16_t unit = peek();
    if (atEnd())
        return false;
    if (unit == u'*' || unit == u'+' || unit == u'?')
        return true;
    std::size_t pos = m_pos;
    return unit == u'{' && readBraces(pos).has_value();
}

std::optional<std::pair<std::uint32_t, std::uint32_t>> PatternParser::readBraces(std::size_t &pos) const
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
PatternNode PatternParser::parseQuantifier()
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

PatternNode PatternParser::parseAtom(int depth)
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
PatternNode PatternParser::parseGroup(int depth)
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

PatternNode PatternParser::parseAtomEscape()
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
char16_t PatternParser::parseCharacterEscape(std::size_t backslash)
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

std::variant<ParsedPattern, CompileError> parsePattern(std::u16string_view pattern)
{
    try {
        return PatternParser(pattern).parse();
    } catch (const ParseFailure &failure) {
        return failure.error;
    }
}

} // namespace tabulo::vbs::regex
