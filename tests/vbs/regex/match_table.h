// Rows of "this pattern against this subject finds this", and their runner.
#pragma once

#include "tests/vbs/regex/test_report.h"

#include <span>

namespace tabulo::vbs::regex::test {

inline constexpr Flags kIgnoreCase {.ignoreCase = true};
inline constexpr Flags kMultiline {.multiline = true};

struct MatchRow
{
    const char *name;
    std::u16string_view pattern;
    std::u16string_view subject;
    const char *expected; // as describe() writes it
    Flags flags = {};
    std::size_t start = 0;
};

inline void runMatchTable(TestReport &report, std::string_view table, std::span<const MatchRow> rows)
{
    for (const MatchRow &row : rows) {
        auto compiled = Regex::compile(row.pattern, row.flags);
        if (const auto *error = std::get_if<CompileError>(&compiled)) {
            report.check(table, row.name, row.expected, "compile error: " + error->message);
            continue;
        }
        const SearchResult result = std::get<Regex>(compiled).search(row.subject, row.start);
        report.check(table, row.name, row.expected, describe(result, row.subject));
    }
}

} // namespace tabulo::vbs::regex::test
