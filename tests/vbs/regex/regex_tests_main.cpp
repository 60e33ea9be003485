// The regular-expression engine's tests: every table runs, failures are
// printed with both values, and the exit code says whether all passed.
#include "tests/vbs/regex/test_report.h"

namespace tabulo::vbs::regex::test {
void runLiteralAndEscapeTests(TestReport &report);
void runClassTests(TestReport &report);
void runGroupAndQuantifierTests(TestReport &report);
void runAssertionTests(TestReport &report);
void runIgnoreCaseTests(TestReport &report);
void runSyntaxTests(TestReport &report);
void runReplaceTests(TestReport &report);
void runLimitsTests(TestReport &report);
void runRegressionTests(TestReport &report);
} // namespace tabulo::vbs::regex::test

int main()
{
    using namespace tabulo::vbs::regex::test;
    TestReport report;
    runLiteralAndEscapeTests(report);
    runClassTests(report);
    runGroupAndQuantifierTests(report);
    runAssertionTests(report);
    runIgnoreCaseTests(report);
    runSyntaxTests(report);
    runReplaceTests(report);
    runLimitsTests(report);
    runRegressionTests(report);
    std::printf("%d checks, %d failed\n", report.checked(), report.failed());
    return report.failed() == 0 ? 0 : 1;
}
