// Which patterns compile, and the error number and position of those that
// do not.
#include "tests/vbs/regex/test_report.h"

namespace tabulo::vbs::regex::test {

namespace {

struct SyntaxRow
{
    const char *name;
    std::u16string_view pattern;
    const char *expected; // as describeCompile() writes it
};

void runSyntaxTable(TestReport &report, std::string_view table, std::span<const SyntaxRow> rows)
{
    for (const SyntaxRow &row : rows)
        report.check(table, row.name, row.expected, describeCompile(Regex::compile(row.pattern)));
}

} // namespace

void runSyntaxTests(TestReport &report)
{
    static const SyntaxRow errors[] = {
        {"an unclosed group expects ')' at the end", u"(abc", "error 5020 at 4"},
        {"an unclosed inner group", u"((a)", "error 5020 at 4"},
        {"an unmatched ')' is a syntax error", u"abc)", "error 5017 at 3"},
        {"an unclosed class expects ']'", u"[abc", "error 5019 at 4"},
        {"a class ending in a backslash expects ']'", u"[\\", "error 5019 at 2"},
        {"a quantifier at the start", u"*a", "error 5018 at 0"},
        {"a quantifier after a quantifier", u"a**", "error 5018 at 2"},
        {"a count after a count", u"a{2}{3}", "error 5018 at 4"},
        {"a quantifier after an alternation bar", u"a|*", "error 5018 at 2"},
        {"a quantifier at a group's start", u"(*)", "error 5018 at 1"},
        {"a count with nothing before it", u"{2}", "error 5018 at 0"},
        {"a quantified ^", u"^*", "error 5018 at 1"},
        {"a quantified \\b", u"\\b+", "error 5018 at 2"},
        {"counts out of order", u"a{3,2}", "error 5017 at 1"},
        {"a range ending before it starts", u"[z-a]", "error 5021 at 1"},
        {"a pattern ending in a backslash", u"a\\", "error 5017 at 1"},
        {"an unknown group kind", u"(?<a)", "error 5017 at 1"},
    };
    runSyntaxTable(report, "syntax errors", errors);

    static const SyntaxRow valid[] = {
        {"a brace that is no count", u"a{", "ok"},
        {"a count without its minimum is literal", u"a{,2}", "ok"},
        {"an empty class", u"[]", "ok"},
        {"a class of everything", u"[^]", "ok"},
        {"a repeated lookahead", u"(?=a)*", "ok"},
        {"a lone \\c", u"\\c", "ok"},
        {"an empty last alternative", u"a|", "ok"},
        {"an empty group", u"()", "ok"},
        {"a backreference beyond the groups", u"\\9", "ok"},
        {"a lazy count", u"a{2,}?", "ok"},
    };
    runSyntaxTable(report, "valid patterns", valid);

    auto twoGroups = Regex::compile(u"(a)(?:b)(c(?=d))");
    report.check(
        "group count", "only capturing groups count", "2", std::to_string(std::get<Regex>(twoGroups).groupCount()));
}

} // namespace tabulo::vbs::regex::test
