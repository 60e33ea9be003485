// Inputs the fuzzer (vbs/regex/fuzz) reported, kept so that they stay
// harmless: each must compile or fail cleanly and search within its budget.
#include "tests/vbs/regex/match_table.h"

namespace tabulo::vbs::regex::test {

using namespace std::literals;

void runRegressionTests(TestReport &report)
{
    static const MatchRow rows[] = {
        // Reported as a hang on a machine under heavy load; many empty
        // alternatives in nested groups, against an empty subject.
        {"empty alternatives in nested groups",
            u"\u0001|(|||y\u0002|\0\u0001||&\u0002|||y\u0002|\0\u0001|||\u0002y(||\\s\0\0\n)|||\\s\\sy(||\\s\0\0\n)|||\\s\\s\0\0\n)|||\\s"sv,
            u"", "@0 | @0 | - | -"},
    };
    runMatchTable(report, "fuzzer findings", rows);
}

} // namespace tabulo::vbs::regex::test
