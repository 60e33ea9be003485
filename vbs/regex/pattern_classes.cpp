// Character classes: [...] with ranges and negation, and the class escapes \d \w \s.
#include "vbs/regex/pattern_parser_internal.h"

namespace tabulo::vbs::regex {

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

struct PatternParser::ClassAtom
{
    char16_t unit = 0;
    std::optional<CharSet> set;
};

// CharacterClass :: '[' '^'? ClassRanges ']'
PatternNode PatternParser::parseClass()
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

void PatternParser::addClassAtom(CharSet &set, const ClassAtom &atom)
{
    if (atom.set)
        set.addSet(*atom.set);
    else
        set.add(atom.unit);
}

PatternParser::ClassAtom PatternParser::parseClassAtom()
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

} // namespace tabulo::vbs::regex
