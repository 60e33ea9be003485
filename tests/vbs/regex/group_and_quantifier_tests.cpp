// Groups, alternation and the quantifiers, greedy and lazy.
#include "tests/vbs/regex/match_table.h"

namespace tabulo::vbs::regex::test {

void runGroupAndQuantifierTests(TestReport &report)
{
    static const MatchRow quantifiers[] = {
        {"* takes as many as it can", u"a*", u"aaab", "aaa@0"},
        {"*? takes as few as it can", u"a*?", u"aaab", "@0"},
        {"+? takes one", u"a+?", u"aaa", "a@0"},
        {"+? takes more when what follows needs it", u"a+?b", u"aaab", "aaab@0"},
        {"? makes a unit optional", u"colou?r", u"color", "color@0"},
        {"{n} matches exactly n", u"o{2}", u"Bob food", "oo@5"},
        {"{n,} matches at least n", u"o{2,}", u"foooood", "ooooo@1"},
        {"{n,m} matches at most m", u"o{1,3}", u"fooooood", "ooo@1"},
        {"{n,m}? matches at least n", u"o{1,3}?", u"fooooood", "o@1"},
        {"{0} matches nothing", u"ab{0}c", u"ac", "ac@0"},
        {"* gives back what the rest needs", u"a.*c", u"abcbcd", "abcbc@0"},
        {"*? extends until the rest matches", u"a.*?c", u"abcbcd", "abc@0"},
        {"a repeated group gives back whole iterations", u"(?:ab)*abc", u"abababc", "abababc@0"},
        {"{n,m} on a group", u"(?:ab){2}", u"ababab", "abab@0"},
        {"lazy {n,m} on a group", u"(ab){2,3}?", u"ababab", "abab@0 | ab@2"},
        {"a counted group keeps its last iteration", u"(a|b){2,3}", u"abab", "aba@0 | a@2"},
        {"a lazy counted group stops at the minimum", u"(a|b){2,3}?", u"abab", "ab@0 | b@1"},
        {"a lazy loop over a group", u"(?:a|b)*?c", u"abac", "abac@0"},
        {"an unbounded count saturates", u"a{0,4294967296}", u"aaa", "aaa@0"},
        {"a count beyond the subject finds nothing", u"a{99999999999}", u"aaa", "no match"},
        {"a lookahead may be repeated", u"(?=a)*a", u"a", "a@0"},
    };
    runMatchTable(report, "quantifiers", quantifiers);

    static const MatchRow groups[] = {
        {"groups are numbered by their opening parenthesis", u"((a)(b))", u"ab", "ab@0 | ab@0 | a@0 | b@1"},
        {"(?: ) does not capture", u"(?:a)(b)", u"ab", "ab@0 | b@1"},
        {"the first alternative that matches wins", u"a|ab", u"ab", "a@0"},
        {"alternatives inside a group", u"(z|w)oo", u"wood", "woo@0 | w@0"},
        {"an empty alternative matches", u"a|", u"b", "@0"},
        {"a repeated group keeps its last iteration", u"(a|b)+", u"abab", "abab@0 | b@3"},
        {"each iteration starts with its groups unset", u"(?:(a)|b)+", u"ab", "ab@0 | -"},
        {"groups inside a loop are reset per iteration", u"(z)((a+)?(b+)?(c))*", u"zaacbbbcac",
            "zaacbbbcac@0 | z@0 | ac@8 | a@8 | - | c@9"},
        {"a loop stops at an empty iteration", u"(a*)*", u"b", "@0 | -"},
        {"an empty iteration ends a loop after its minimum", u"(a*)+", u"b", "@0 | @0"},
        {"a backreference may repeat an empty capture", u"(a*)b\\1+", u"baaaac", "b@0 | @0"},
        {"alternation backtracks into the next group", u"(a|ab)(c|bcd)(d*)", u"abcd", "abcd@0 | a@0 | bcd@1 | @4"},
        {"an optional group that would be empty stays unset", u"(a*)?b", u"b", "b@0 | -"},
        {"nested loops terminate", u"(?:(?:a*)*)*b", u"aaab", "aaab@0"},
        {"an empty group", u"()", u"x", "@0 | @0"},
        {"a lazy group leaves the rest to the next", u"(a+?)(a*)", u"aaa", "aaa@0 | a@0 | aa@1"},
        {"an empty group repeated a fixed number of times", u"(?:){3}x", u"x", "x@0"},
    };
    runMatchTable(report, "groups", groups);
}

} // namespace tabulo::vbs::regex::test
