#pragma once
// The pattern parser, shared by its two source files: pattern_parser.cpp (the
// recursive descent, groups, quantifiers and escapes) and pattern_classes.cpp
// (character classes).
#include "vbs/regex/pattern_parser.h"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

namespace tabulo::vbs::regex {

// Unwinds the recursive descent to parsePattern() on the first error.
struct ParseFailure
{
    CompileError error;
};

[[noreturn]] void fail(int code, std::size_t position, std::string message);
PatternNode setNode(CharSet set);
std::optional<CharSet> classEscape(char16_t letter);

class PatternParser
{
public:
    explicit PatternParser(std::u16string_view pattern);
    ParsedPattern parse();

private:
    bool atEnd() const { return m_pos >= m_pattern.size(); }
    char16_t peek(std::size_t ahead = 0) const
    {
        return m_pos + ahead < m_pattern.size() ? m_pattern[m_pos + ahead] : char16_t(0);
    }
    PatternNode parseDisjunction(int depth);
    PatternNode parseAlternative(int depth);
    PatternNode parseTerm(int depth);
    std::optional<PatternNode> parseAssertion();
    bool quantifierAhead() const;
    std::optional<std::pair<std::uint32_t, std::uint32_t>> readBraces(std::size_t &pos) const;
    PatternNode parseQuantifier();
    PatternNode parseAtom(int depth);
    PatternNode parseGroup(int depth);
    PatternNode parseAtomEscape();
    char16_t parseCharacterEscape(std::size_t backslash);
    PatternNode parseClass();
    struct ClassAtom;
    static void addClassAtom(CharSet &set, const ClassAtom &atom);
    ClassAtom parseClassAtom();

    std::u16string_view m_pattern;
    std::size_t m_pos = 0;
    std::size_t m_totalGroups;
    std::size_t m_groupsSeen = 0;
};

} // namespace tabulo::vbs::regex
