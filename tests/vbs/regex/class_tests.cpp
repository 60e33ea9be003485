// Character classes and the class escapes \d \w \s, inside classes and out.
#include "tests/vbs/regex/match_table.h"

namespace tabulo::vbs::regex::test {

void runClassTests(TestReport &report)
{
    static const MatchRow classes[] = {
        {"a class matches one of its units", u"[abc]", u"xxb", "b@2"},
        {"a negated class matches any other unit", u"[^abc]", u"abcd", "d@3"},
        {"a negated class matches a line feed", u"[^a]", u"a\n", "\\u000A@1"},
        {"a range matches its ends and between", u"[a-c]+", u"xabcd", "abc@1"},
        {"ranges may be written with escapes", u"[\\x41-\\x43]+", u"ABCD", "ABC@0"},
        {"a leading dash is literal", u"[-a]+", u"-a-", "-a-@0"},
        {"a trailing dash is literal", u"[a-]+", u"-a-", "-a-@0"},
        {"a dash after a class escape is literal", u"[\\d-z]+", u"1-z", "1-z@0"},
        {"\\b in a class is a backspace", u"[\\b]", u"a\b", "\\u0008@1"},
        {"an escaped ] belongs to the class", u"[\\]]", u"]", "]@0"},
        {"[] matches nothing", u"[]a]", u"a]", "no match"},
        {"[^] matches anything", u"[^]", u"\n", "\\u000A@0"},
        {"an octal escape in a class", u"[\\101]", u"A", "A@0"},
        {"\\1 in a class is octal even with a group", u"(a)[\\1]", u"a\u0001", "a\\u0001@0 | a@0"},
        {"metacharacters in a class are literal", u"[.*+?(){|$^]+", u"x.*+?(){|$^", ".*+?(){|$^@1"},
        {"units beyond Latin-1 in a range", u"[\u0400-\u04FF]+", u"ab\u0416\u0446", "\\u0416\\u0446@2"},
        {"a negated class skips units beyond Latin-1 it holds", u"[^\u20AC]", u"\u20ACx", "x@1"},
    };
    runMatchTable(report, "classes", classes);

    static const MatchRow escapes[] = {
        {"\\d matches digits", u"\\d+", u"ab123c", "123@2"},
        {"\\D matches non-digits", u"\\D+", u"ab123c", "ab@0"},
        {"\\w matches letters, digits and _", u"\\w+", u"  foo_1 ", "foo_1@2"},
        {"\\w stops at accented letters", u"\\w+", u"caf\u00E9", "caf@0"},
        {"\\W matches the rest", u"\\W+", u"ab, c", ", @2"},
        {"\\s matches space and the five controls", u"\\s+", u"a \t\n\v\f\rb",
            " \\u0009\\u000A\\u000B\\u000C\\u000D@1"},
        {"\\s does not match a no-break space", u"\\s", u"\u00A0", "no match"},
        {"\\S matches the rest", u"\\S+", u" a\u00A0b ", "a\\u00A0b@1"},
        {"\\d inside a class", u"[x\\d]+", u"ax1x2", "x1x2@1"},
        {"\\D inside a class", u"[\\D]+", u"ab1", "ab@0"},
        {"[\\s\\S] matches any unit", u"[\\s\\S]+", u"a\nb", "a\\u000Ab@0"},
        {"\\S inside a negated class", u"[^\\S]+", u"ab \tc", " \\u0009@2"},
    };
    runMatchTable(report, "class escapes", escapes);
}

} // namespace tabulo::vbs::regex::test
