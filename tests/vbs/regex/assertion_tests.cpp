// ^ $ \b \B and lookaheads.
#include "tests/vbs/regex/match_table.h"

namespace tabulo::vbs::regex::test {

void runAssertionTests(TestReport &report)
{
    static const MatchRow anchors[] = {
        {"^ matches only at the start", u"^a", u"ba", "no match"},
        {"^ is the subject's start, not the search's", u"^a", u"aa", "no match", {}, 1},
        {"^ does not see lines without Multiline", u"^b", u"a\nb", "no match"},
        {"^ with Multiline matches after a line feed", u"^b", u"a\nb", "b@2", kMultiline},
        {"^ with Multiline matches after a carriage return", u"^b", u"a\rb", "b@2", kMultiline},
        {"^ with Multiline from a start index", u"^a", u"aa\na", "a@3", kMultiline, 1},
        {"$ matches only at the end", u"a$", u"a\nb", "no match"},
        {"$ at the end", u"a$", u"ba", "a@1"},
        {"$ with Multiline matches before a line feed", u"a$", u"a\nb", "a@0", kMultiline},
        {"$ with Multiline matches before a carriage return", u"a$", u"a\r\nb", "a@0", kMultiline},
        {"^$ matches an empty line with Multiline", u"^$", u"a\n\nb", "@2", kMultiline},
        {"^ in an alternative", u"x|^a", u"ab", "a@0"},
    };
    runMatchTable(report, "anchors", anchors);

    static const MatchRow boundaries[] = {
        {"\\b after a word", u"er\\b", u"never verb", "er@3"},
        {"\\B inside a word", u"er\\B", u"never verb", "er@7"},
        {"\\b around a word", u"\\bfoo\\b", u"afoo foo.", "foo@5"},
        {"\\b at the start of a word subject", u"\\b", u"ab", "@0"},
        {"\\B inside a word subject", u"\\B", u"ab", "@1"},
        {"\\b never in an empty subject", u"\\b", u"", "no match"},
        {"\\B in an empty subject", u"\\B", u"", "@0"},
        {"accented letters are not word units", u"\\b\\w", u"\u00E9a", "a@1"},
    };
    runMatchTable(report, "word boundaries", boundaries);

    static const MatchRow lookaheads[] = {
        {"(?= ) requires what follows", u"Windows (?=95|98|NT)", u"Windows 3.1 Windows NT", "Windows @12"},
        {"(?! ) forbids what follows", u"Windows (?!95|98|NT)", u"Windows NT Windows 3.1", "Windows @11"},
        {"(?= ) keeps its groups", u"(?=(a+))a*b\\1", u"baaabac", "aba@3 | a@3"},
        {"(?! ) leaves its groups unset", u"(?!(a))b", u"b", "b@0 | -"},
        {"a lookahead inside a loop", u"(?:(?=\\w)\\w)+", u"ab c", "ab@0"},
        {"groups in and after a negative lookahead", u"(.*?)a(?!(a+)b\\2c)\\2(.*)", u"baaabaac",
            "baaabaac@0 | ba@0 | - | abaac@3"},
        {"nested lookaheads", u"(?=a(?!b))\\w+", u"ab ac", "ac@3"},
        {"an empty negative lookahead always fails", u"a(?!)", u"a", "no match"},
        {"a lookahead at the end of the subject", u"a(?=$)", u"aa", "a@1"},
        {"backtracking past a lookahead unsets its groups", u"(?:(?=(a))b|a)+", u"ab", "a@0 | -"},
    };
    runMatchTable(report, "lookaheads", lookaheads);
}

} // namespace tabulo::vbs::regex::test
