#include "vbs/regex/regex.h"

#include "vbs/regex/pattern_parser.h"
#include "vbs/regex/program_compiler.h"
#include "vbs/regex/search_driver.h"

#include <new>

namespace tabulo::vbs::regex {

Regex::Regex(std::shared_ptr<const Program> program)
    : m_program(std::move(program))
{
}

std::variant<Regex, CompileError> Regex::compile(std::u16string_view pattern, Flags flags)
{
    try {
        auto parsed = parsePattern(pattern);
        if (auto *error = std::get_if<CompileError>(&parsed))
            return *error;
        auto program = std::make_shared<Program>(compileProgram(std::get<ParsedPattern>(parsed), flags));
        return Regex(std::move(program));
    } catch (const std::bad_alloc &) {
        return CompileError {kSyntaxError, 0, "the pattern is too large"};
    }
}

SearchResult Regex::search(std::u16string_view subject, std::size_t start, const MatchLimits &limits) const
{
    StepBudget budget(limits.maxSteps);
    BacktrackingMatcher matcher(*m_program, subject, limits, budget);
    return searchFrom(matcher, *m_program, subject, start);
}

std::size_t Regex::groupCount() const
{
    return m_program->groupCount;
}

AllMatches findAll(const Regex &regex, std::u16string_view subject, std::size_t start, const MatchLimits &limits)
{
    AllMatches all;
    StepBudget budget(limits.maxSteps);
    const Program &program = *regex.m_program;
    BacktrackingMatcher matcher(program, subject, limits, budget);
    while (start <= subject.size()) {
        SearchResult found = searchFrom(matcher, program, subject, start);
        if (found.limitExceeded) {
            all.limitExceeded = true;
            break;
        }
        if (!found.match)
            break;
        // After an empty match the next search starts one unit on, or the
        // same empty match would be found for ever.
        start = found.match->length == 0 ? found.match->end() + 1 : found.match->end();
        all.matches.push_back(std::move(*found.match));
    }
    return all;
}

namespace {

ReplaceResult replaceMatches(const Regex &regex, std::u16string_view subject, std::u16string_view replacement,
    bool global, const MatchLimits &limits)
{
    ReplaceResult result;
    std::vector<Match> matches;
    if (global) {
        AllMatches all = findAll(regex, subject, 0, limits);
        result.limitExceeded = all.limitExceeded;
        matches = std::move(all.matches);
    } else {
        SearchResult found = regex.search(subject, 0, limits);
        result.limitExceeded = found.limitExceeded;
        if (found.match)
            matches.push_back(std::move(*found.match));
    }
    if (result.limitExceeded) {
        result.text = std::u16string(subject);
        return result;
    }
    std::size_t copiedUpTo = 0;
    for (const Match &match : matches) {
        result.text.append(subject.substr(copiedUpTo, match.start - copiedUpTo));
        result.text.append(expandReplacement(replacement, match, subject));
        copiedUpTo = match.end();
    }
    result.text.append(subject.substr(copiedUpTo));
    return result;
}

} // namespace

ReplaceResult replace(const Regex &regex, std::u16string_view subject, std::u16string_view replacement, bool global,
    const MatchLimits &limits)
{
    try {
        return replaceMatches(regex, subject, replacement, global, limits);
    } catch (const std::bad_alloc &) {
        // A result too large to hold, e.g. a long replacement for every
        // empty match of a long subject.
        return ReplaceResult {std::u16string(), true};
    }
}

} // namespace tabulo::vbs::regex
