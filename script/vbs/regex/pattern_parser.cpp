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
        : pattern_(pattern)
        , totalGroups_(countCapturingGroups(pattern))
    {
    }

    ParsedPattern parse()
    {
        PatternNode root = parseDisjunction(0);
        if (pos_ < pattern_.size()) // only a ')' stops the top level early
            fail(kSyntaxError, pos_, "unmatched ')'");
        return ParsedPattern {std::move(root), groupsSeen_};
    }

private:
    bool atEnd() const { return pos_ >= pattern_.size(); }
    char16_t peek(std::size_t ahead = 0) const
    {
        return pos_ + ahead < pattern_.size() ? pattern_[pos_ + ahead] : char16_t(0);
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
            ++pos_;
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
        const std::size_t termStart = pos_;
        const std::size_t groupsBefore = groupsSeen_;
        std::optional<PatternNode> assertion = parseAssertion();
        if (assertion) {
            if (quantifierAhead())
                fail(kUnexpectedQuantifier, pos_, "an assertion cannot be repeated");
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
        repeat.groupsInside = groupsSeen_ - groupsBefore;
        if (quantifierAhead())
            fail(kUnexpectedQuantifier, pos_, "a quantifier cannot be repeated");
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
            ++pos_;
        } else {
            return std::nullopt;
        }
        ++pos_;
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
        std::size_t pos = pos_;
        return unit == u'{' && readBraces(pos).has_value();
    }

    std::optional<std::pair<std::uint32_t, std::uint32_t>> readBraces(std::size_t &pos) const
    {
        ++pos; // '{'
        if (pos >= pattern_.size() || !isDecimalDigit(pattern_[pos]))
            return std::nullopt;
        const std::uint32_t min = readDecimal(pattern_, pos);
        std::uint32_t max = min;
        if (pos < pattern_.size() && pattern_[pos] == u',') {
            ++pos;
            const bool hasMax = pos < pattern_.size() && isDecimalDigit(pattern_[pos]);
            max = hasMax ? readDecimal(pattern_, pos) : kUnbounded;
        }
        if (pos >= pattern_.size() || pattern_[pos] != u'}')
            return std::nullopt;
        ++pos;
        return std::make_pair(min, max);
    }

    // Quantifier :: ( '*' | '+' | '?' | '{' n ( ',' m? )? '}' ) '?'?
    PatternNode parseQuantifier()
    {
        PatternNode node;
        node.kind = PatternNode::Kind::repeat;
        const std::size_t start = pos_;
        switch (peek()) {
        case u'*':
            node.minCount = 0;
            node.maxCount = kUnbounded;
            ++pos_;
            break;
        case u'+':
            node.minCount = 1;
            node.maxCount = kUnbounded;
            ++pos_;
            break;
        case u'?':
            node.minCount = 0;
            node.maxCount = 1;
            ++pos_;
            break;
        default: {
            const auto counts = readBraces(pos_);
            node.minCount = counts->first;
            node.maxCount = counts->second;
            if (node.maxCount < node.minCount)
                fail(kSyntaxError, start, "the counts of {n,m} are out of order");
        }
        }
        if (!atEnd() && peek() == u'?') {
            node.greedy = false;
            ++pos_;
        }
        return node;
    }

    PatternNode parseAtom(int depth)
    {
        const char16_t unit = peek();
        switch (unit) {
        case u'.':
            ++pos_;
            return setNode(CharSet::allButNewline());
        case u'(':
            return parseGroup(depth);
        case u'[':
            return parseClass();
        case u'\\':
            return parseAtomEscape();
        default:
            ++pos_;
            return unitNode(unit);
        }
    }

    // '(' Disjunction ')' | '(?:' ... | '(?=' ... | '(?!' ...
    PatternNode parseGroup(int depth)
    {
        const std::size_t open = pos_;
        if (depth >= kMaxNestingDepth)
            fail(kSyntaxError, open, "groups are nested too deeply");
        ++pos_;
        PatternNode node;
        if (peek() == u'?') {
            const char16_t kind = peek(1);
            if (kind != u':' && kind != u'=' && kind != u'!')
                fail(kSyntaxError, pos_, "unknown group kind after '(?'");
            pos_ += 2;
            node.kind = kind == u':' ? PatternNode::Kind::sequence : PatternNode::Kind::lookahead;
            node.negated = kind == u'!';
        } else {
            node.kind = PatternNode::Kind::group;
            node.groupIndex = ++groupsSeen_;
        }
        PatternNode inner = parseDisjunction(depth + 1);
        if (atEnd())
            fail(kExpectedParen, pattern_.size(), "missing ')'");
        ++pos_;
        if (node.kind == PatternNode::Kind::sequence)
            return inner;
        node.children.push_back(std::move(inner));
        return node;
    }

    PatternNode parseAtomEscape()
    {
        const std::size_t backslash = pos_++;
        if (atEnd())
            fail(kSyntaxError, backslash, "the pattern ends with '\\'");
        const char16_t letter = pattern_[pos_];
        if (auto set = classEscape(letter)) {
            ++pos_;
            return setNode(std::move(*set));
        }
        if (isDecimalDigit(letter) && letter != u'0') {
            std::size_t afterNumber = pos_;
            const std::uint32_t number = readDecimal(pattern_, afterNumber);
            if (number <= totalGroups_) {
                pos_ = afterNumber;
                PatternNode node;
                node.kind = PatternNode::Kind::backreference;
                node.groupIndex = number;
                return node;
            }
        }
        return unitNode(parseCharacterEscape(backslash));
    }

    // The escapes that stand for one unit; pos_ is just after the backslash.
    // Shared by classes, where \b is a backspace.
    char16_t parseCharacterEscape(std::size_t backslash)
    {
        const char16_t letter = pattern_[pos_++];
        if (auto control = decodeControlLetter(letter))
            return *control;
        if (isOctalDigit(letter)) {
            --pos_;
            return decodeOctalEscape(pattern_, pos_);
        }
        switch (letter) {
        case u'x':
            return decodeHexEscape(pattern_, pos_, 2).value_or(u'x');
        case u'u':
            return decodeHexEscape(pattern_, pos_, 4).value_or(u'u');
        case u'c':
            if (auto control = decodeControlEscape(pattern_, pos_))
                return *control;
            pos_ = backslash + 1; // a lone "\c" is a backslash, then "c"
            return u'\\';
        default:
            return letter; // \8, \9 and escaped punctuation stand for themselves
        }
    }

    // CharacterClass :: '[' '^'? ClassRanges ']'
    PatternNode parseClass()
    {
        ++pos_; // '['
        const bool negated = !atEnd() && peek() == u'^';
        if (negated)
            ++pos_;
        CharSet set;
        while (true) {
            if (atEnd())
                fail(kExpectedBracket, pattern_.size(), "missing ']'");
            if (peek() == u']')
                break;
            const std::size_t rangeStart = pos_;
            ClassAtom first = parseClassAtom();
            if (peek() != u'-' || peek(1) == u']' || pos_ + 1 >= pattern_.size()) {
                addClassAtom(set, first);
                continue;
            }
            ++pos_; // '-'
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
        ++pos_; // ']'
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
            return ClassAtom {pattern_[pos_++], std::nullopt};
        const std::size_t backslash = pos_++;
        if (atEnd())
            fail(kExpectedBracket, pattern_.size(), "missing ']'");
        const char16_t letter = peek();
        if (auto set = classEscape(letter)) {
            ++pos_;
            return ClassAtom {0, std::move(set)};
        }
        if (letter == u'b') {
            ++pos_;
            return ClassAtom {u'\b', std::nullopt};
        }
        return ClassAtom {parseCharacterEscape(backslash), std::nullopt};
    }

    std::u16string_view pattern_;
    std::size_t pos_ = 0;
    std::size_t totalGroups_;
    std::size_t groupsSeen_ = 0;
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
