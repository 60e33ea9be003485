// Literal units, escapes, "." and backreferences against octal escapes.
#include "tests/vbs/regex/match_table.h"

namespace tabulo::vbs::regex::test {

using namespace std::literals;

void runLiteralAndEscapeTests(TestReport &report)
{
    static const MatchRow literals[] = {
        {"a literal is found in the middle", u"cat", u"concatenate", "cat@3"},
        {"the first of several occurrences wins", u"ab", u"xabyab", "ab@1"},
        {"an absent literal finds nothing", u"dog", u"cat", "no match"},
        {"matching is case-sensitive by default", u"abc", u"ABC", "no match"},
        {"the empty pattern matches at the start", u"", u"abc", "@0"},
        {"the search begins at the start index", u"ab", u"abab", "ab@2", {}, 1},
        {"at the end only an empty match is possible", u"x*", u"ab", "@2", {}, 2},
        {"beyond the end nothing matches", u"", u"ab", "no match", {}, 3},
        {"a lone ] and } are literal", u"]}", u"a]}", "]}@1"},
        {"a brace without a number is literal", u"a{", u"a{", "a{@0"},
        {"a brace around a non-number is literal", u"a{x}", u"a{x}", "a{x}@0"},
        {"a brace without its close is literal", u"a{1,x}", u"a{1,x}", "a{1,x}@0"},
        {"units beyond ASCII are literal", u"\u20AC\u4E2D", u"x\u20AC\u4E2D", "\\u20AC\\u4E2D@1"},
    };
    runMatchTable(report, "literals", literals);

    static const MatchRow escapes[] = {
        {"\\n matches a line feed", u"\\n", u"a\nb", "\\u000A@1"},
        {"\\t \\r \\f \\v match their controls", u"\\t\\r\\f\\v", u"\t\r\f\v", "\\u0009\\u000D\\u000C\\u000B@0"},
        {"\\xhh is a unit in hex", u"\\x41", u"zA", "A@1"},
        {"\\x takes exactly two digits", u"\\x041", u"\u00041", "\\u00041@0"},
        {"\\x without two hex digits is x", u"\\x4g", u"x4g", "x4g@0"},
        {"\\uhhhh is a unit in hex", u"\\u20ac", u"5\u20AC", "\\u20AC@1"},
        {"\\u without four hex digits is u", u"\\u12", u"u12", "u12@0"},
        {"\\0 is NUL", u"a\\0b", u"a\0b"sv, "a\\u0000b@0"},
        {"\\ooo is a unit in octal", u"\\101", u"xA", "A@1"},
        {"\\11 and \\011 are both tab", u"\\11\\011", u"\t\t", "\\u0009\\u0009@0"},
        {"an octal escape has at most three digits", u"\\0011", u"\u00011", "\\u00011@0"},
        {"an octal escape stays within one byte", u"\\400", u" 0", " 0@0"},
        {"\\cJ is a line feed", u"\\cJ", u"a\nb", "\\u000A@1"},
        {"\\cj is a line feed too", u"\\cj", u"a\nb", "\\u000A@1"},
        {"\\c without a letter is a backslash", u"\\c1", u"\\c1", "\\u005Cc1@0"},
        {"escaped metacharacters are literal", u"\\(\\)\\[\\]\\{\\}\\*\\+\\?\\.\\|\\^\\$\\\\", u"()[]{}*+?.|^$\\",
            "()[]{}*+?.|^$\\u005C@0"},
        {"an escaped ordinary letter is that letter", u"\\q", u"q", "q@0"},
        {"\\8 without groups is the digit", u"\\8", u"8", "8@0"},
    };
    runMatchTable(report, "escapes", escapes);

    static const MatchRow dot[] = {
        {"dot matches any unit", u"a.c", u"abc", "abc@0"},
        {"dot does not match a line feed", u"a.c", u"a\nc", "no match"},
        {"dot matches a carriage return", u"a.c", u"a\rc", "a\\u000Dc@0"},
        {"dot matches a line separator", u"a.c", u"a\u2028c", "a\\u2028c@0"},
    };
    runMatchTable(report, "dot", dot);

    static const MatchRow backreferences[] = {
        {"\\1 repeats group 1", u"(a)\\1", u"aa", "aa@0 | a@0"},
        {"\\1 before its group matches empty", u"\\1(a)", u"a", "a@0 | a@0"},
        {"\\1 inside its own group matches empty", u"(a\\1)", u"aa", "a@0 | a@0"},
        {"a group that took no part matches empty", u"(a)|b\\1", u"b", "b@0 | -"},
        {"\\2 with one group is octal 2", u"(a)\\2", u"a\u0002", "a\\u0002@0 | a@0"},
        {"\\10 with one group is octal 10", u"(a)\\10", u"a\b", "a\\u0008@0 | a@0"},
        {"\\10 with ten groups is group 10", u"(a)(b)(c)(d)(e)(f)(g)(h)(i)(j)\\10", u"abcdefghijj",
            "abcdefghijj@0 | a@0 | b@1 | c@2 | d@3 | e@4 | f@5 | g@6 | h@7 | i@8 | j@9"},
        {"a backreference needs the same text", u"(ab)\\1", u"abaB", "no match"},
        {"a backreference with IgnoreCase ignores case", u"(ab)\\1", u"abAB", "abAB@0 | ab@0", kIgnoreCase},
        {"a backreference to a repeated group sees the last iteration", u"(a|b)+\\1", u"abb", "abb@0 | b@1"},
    };
    runMatchTable(report, "backreferences", backreferences);
}

} // namespace tabulo::vbs::regex::test
