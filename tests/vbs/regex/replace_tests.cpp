// Global enumeration of matches, the "$" codes of replacement texts and
// RegExp.Replace as a whole.
#include "tests/vbs/regex/match_table.h"

namespace tabulo::vbs::regex::test {

namespace {

std::string describeAll(const AllMatches &all, std::u16string_view subject)
{
    std::string text = all.limitExceeded ? "too complex:" : "";
    for (const Match &match : all.matches)
        text += (text.empty() ? "" : ", ") + describe(match, subject);
    return text.empty() ? "none" : text;
}

void runFindAllTests(TestReport &report)
{
    struct Row
    {
        const char *name;
        std::u16string_view pattern;
        std::u16string_view subject;
        const char *expected;
    };
    static const Row rows[] = {
        {"every occurrence in order", u"a", u"banana", "a@1, a@3, a@5"},
        {"empty matches step one unit on", u"x*", u"ab", "@0, @1, @2"},
        {"a match may start where an empty one was", u"a*", u"baaac", "@0, aaa@1, @4, @5"},
        {"the empty subject has one empty match", u"x*", u"", "@0"},
        {"no match gives none", u"z", u"abc", "none"},
        {"groups come with each match", u"(\\w)(\\d)?", u"a1b", "a1@0 | a@0 | 1@1, b@2 | b@2 | -"},
        {"^ with Multiline finds every line", u"^\\w", u"ab\ncd\r\nef", "a@0, c@3, e@7"},
    };
    for (const Row &row : rows) {
        const Regex regex = compileOrDie(row.pattern, kMultiline);
        report.check("find all", row.name, row.expected, describeAll(findAll(regex, row.subject), row.subject));
    }
}

void runExpansionTests(TestReport &report)
{
    struct Row
    {
        const char *name;
        std::u16string_view replacement;
        const char *expected;
    };
    // "x(a)(b)?(c)y" matched in "<xacy>": group 2 takes no part.
    static const Row rows[] = {
        {"plain text is copied", u"plain", "plain"},
        {"$1 is a group", u"[$1]", "[a]"},
        {"groups in any order", u"$3$1", "ca"},
        {"a group that took no part is empty", u"[$2]", "[]"},
        {"$& is the match", u"($&)", "(xacy)"},
        {"$` is the text before the match", u"$`", "<"},
        {"$' is the text after the match", u"$'", ">"},
        {"$$ is a dollar", u"$$1", "$1"},
        {"$0 stays literal", u"$0", "$0"},
        {"a group beyond the count stays literal", u"$4", "$4"},
        {"two digits beyond the count use the first", u"$12", "a2"},
        {"a leading zero is allowed", u"$01", "a"},
        {"a dollar at the end stays", u"cost$", "cost$"},
        {"a dollar before another character stays", u"$x", "$x"},
    };
    const std::u16string_view subject = u"<xacy>";
    const Regex regex = compileOrDie(u"x(a)(b)?(c)y");
    const SearchResult found = regex.search(subject, 0);
    for (const Row &row : rows) {
        report.check("replacement codes", row.name, row.expected,
            printable(expandReplacement(row.replacement, *found.match, subject)));
    }

    const Regex tenGroups = compileOrDie(u"(a)(b)(c)(d)(e)(f)(g)(h)(i)(j)");
    const SearchResult ten = tenGroups.search(u"abcdefghij", 0);
    report.check("replacement codes", "$10 with ten groups is group 10", "j-a0",
        printable(expandReplacement(u"$10-$010", *ten.match, u"abcdefghij")));
}

void runReplaceRows(TestReport &report)
{
    struct Row
    {
        const char *name;
        std::u16string_view pattern;
        std::u16string_view subject;
        std::u16string_view replacement;
        bool global;
        const char *expected;
    };
    static const Row rows[] = {
        {"without Global only the first match", u"a", u"banana", u"o", false, "bonana"},
        {"with Global every match", u"a", u"banana", u"o", true, "bonono"},
        {"groups swap", u"(\\w+)@(\\w+)", u"me@home", u"$2 at $1", false, "home at me"},
        {"empty matches are replaced between units", u"x*", u"abc", u"-", true, "-a-b-c-"},
        {"an empty match after a longer one", u"a*", u"baaac", u"-", true, "-b--c-"},
        {"no match leaves the subject", u"z", u"abc", u"-", true, "abc"},
        {"an empty replacement deletes", u"\\s+", u"a b  c", u"", true, "abc"},
    };
    for (const Row &row : rows) {
        const Regex regex = compileOrDie(row.pattern);
        const ReplaceResult result = replace(regex, row.subject, row.replacement, row.global);
        report.check(
            "replace", row.name, row.expected, (result.limitExceeded ? "too complex: " : "") + printable(result.text));
    }
}

} // namespace

void runReplaceTests(TestReport &report)
{
    runFindAllTests(report);
    runExpansionTests(report);
    runReplaceRows(report);
}

} // namespace tabulo::vbs::regex::test
