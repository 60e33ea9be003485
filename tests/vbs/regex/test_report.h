// A small harness for table-driven tests: every row has a unique name, a
// failure prints the row with the expected and the actual value, and the
// program exits non-zero when anything failed.
#pragma once

#include "vbs/regex/regex.h"

#include <cstdio>
#include <span>
#include <string>
#include <string_view>

namespace tabulo::vbs::regex::test {

class TestReport
{
public:
    void check(std::string_view table, std::string_view row, const std::string &expected, const std::string &actual)
    {
        ++m_checked;
        if (expected == actual)
            return;
        ++m_failed;
        std::printf("FAIL %.*s / %.*s\n  expected: %s\n  actual:   %s\n", int(table.size()), table.data(),
            int(row.size()), row.data(), expected.c_str(), actual.c_str());
    }
    void check(std::string_view table, std::string_view row, bool ok)
    {
        check(table, row, "true", ok ? "true" : "false");
    }
    int checked() const { return m_checked; }
    int failed() const { return m_failed; }

private:
    int m_checked = 0;
    int m_failed = 0;
};

// UTF-16 as printable ASCII: units outside it as \uXXXX.
std::string printable(std::u16string_view text);

// A search's result as "match@start | group@start | -" ("-" for a group that
// did not take part), "no match" or "too complex".
std::string describe(const SearchResult &result, std::u16string_view subject);
std::string describe(const Match &match, std::u16string_view subject);

// A compile result as "ok" or "error <code> at <position>".
std::string describeCompile(const std::variant<Regex, CompileError> &compiled);

// Compiles a pattern the test knows to be valid.
Regex compileOrDie(std::u16string_view pattern, Flags flags = {});

} // namespace tabulo::vbs::regex::test
