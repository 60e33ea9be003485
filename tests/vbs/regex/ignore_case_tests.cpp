// IgnoreCase: which letters fold and which deliberately do not.
#include "tests/vbs/regex/match_table.h"

#include "vbs/regex/case_folding.h"

namespace tabulo::vbs::regex::test {

void runIgnoreCaseTests(TestReport &report)
{
    static const MatchRow rows[] = {
        {"basic Latin letters fold", u"abc", u"xABC", "ABC@1", kIgnoreCase},
        {"upper-case patterns match lower case", u"ABC", u"abc", "abc@0", kIgnoreCase},
        {"a range folds", u"[a-c]+", u"AbC", "AbC@0", kIgnoreCase},
        {"an upper-case range folds", u"[A-C]+", u"abcd", "abc@0", kIgnoreCase},
        {"a negated class folds", u"[^a]", u"Ab", "b@1", kIgnoreCase},
        {"Latin-1 letters fold", u"\u00E9t\u00E9", u"\u00C9T\u00C9", "\\u00C9T\\u00C9@0", kIgnoreCase},
        {"y with diaeresis folds to its capital", u"\u00FF", u"\u0178", "\\u0178@0", kIgnoreCase},
        {"micro sign folds with Greek mu", u"\u00B5", u"\u039C", "\\u039C@0", kIgnoreCase},
        {"multiplication and division signs do not fold", u"\u00D7", u"\u00F7", "no match", kIgnoreCase},
        {"sharp s stays itself", u"\u00DF", u"SS", "no match", kIgnoreCase},
        {"Latin Extended-A pairs fold", u"\u0142\u0105", u"\u0141\u0104", "\\u0141\\u0104@0", kIgnoreCase},
        {"dotless i does not fold to I", u"\u0131", u"I", "no match", kIgnoreCase},
        {"I with dot does not fold to i", u"\u0130", u"i", "no match", kIgnoreCase},
        {"long s does not fold to s", u"\u017F", u"S", "no match", kIgnoreCase},
        {"Greek letters fold", u"\u03B1\u03B2", u"\u0391\u0392", "\\u0391\\u0392@0", kIgnoreCase},
        {"final sigma folds with sigma", u"\u03C3", u"\u03C2", "\\u03C2@0", kIgnoreCase},
        {"capital sigma in a class matches final sigma", u"[\u03A3]", u"\u03C2", "\\u03C2@0", kIgnoreCase},
        {"accented Greek vowels fold", u"\u03AC", u"\u0386", "\\u0386@0", kIgnoreCase},
        {"Greek vowels with dialytika fold", u"\u03CA\u03CB", u"\u03AA\u03AB", "\\u03AA\\u03AB@0", kIgnoreCase},
        {"Cyrillic letters fold", u"\u043F\u0440\u0438", u"\u041F\u0420\u0418", "\\u041F\\u0420\\u0418@0", kIgnoreCase},
        {"Cyrillic io folds", u"\u0451", u"\u0401", "\\u0401@0", kIgnoreCase},
        {"a Cyrillic capital range matches lower case", u"[\u0410-\u042F]+", u"\u043F\u0440", "\\u043F\\u0440@0",
            kIgnoreCase},
        {"Cyrillic pairs beyond the basic block fold", u"\u0491", u"\u0490", "\\u0490@0", kIgnoreCase},
        {"without IgnoreCase nothing folds", u"\u03B1", u"\u0391", "no match"},
        {"\\w is not widened by IgnoreCase", u"\\w", u"\u00E9", "no match", kIgnoreCase},
        {"a literal prefix is found in any case", u"needle", u"haystack NEEDLE", "NEEDLE@9", kIgnoreCase},
    };
    runMatchTable(report, "ignore case", rows);

    // Classes are folded by looking up each unit's partners, so the partners
    // must be exactly the units with the same canonical form.
    std::string missing;
    for (char16_t unit = 0; unit <= kLastFoldedUnit; ++unit) {
        const CasePartners partners = casePartners(unit);
        for (char16_t other = 0; other <= kLastFoldedUnit; ++other) {
            const bool listed = (partners.count > 0 && partners.units[0] == other)
                || (partners.count > 1 && partners.units[1] == other);
            const bool shouldBe = other != unit && canonicalCase(other) == canonicalCase(unit);
            if (listed != shouldBe && missing.size() < 80)
                missing += printable(std::u16string(1, unit)) + "~" + printable(std::u16string(1, other)) + " ";
        }
    }
    report.check("ignore case", "case partners are the units of the same canonical form", "", missing);
}

} // namespace tabulo::vbs::regex::test
