#include "regex.h"

#include "backtracking_matcher.h"
#include "pattern_parser.h"
#include "program_compiler.h"

#include <new>

namespace tabulo::vbs::regex {
namespace {

// The next position at or after `pos` where a match could start, or kUnset.
std::size_t nextCandidate(const Program& program, std::u16string_view subject, std::size_t pos) {
    const std::size_t length = subject.size();
    if (program.anchoredAtInputStart)
        return pos == 0 ? 0 : kUnset;
    while (pos <= length) {
        if (!program.literalPrefix.empty()) {
            pos = subject.find(program.literalPrefix, pos);
            if (pos == std::u16string_view::npos)
                return kUnset;
        } else if (program.firstUnits) {
            while (pos < length && !program.firstUnits->contains(subject[pos]))
                ++pos;
            if (pos == length)
                return kUnset;  // a match needs at least one unit
        }
        const bool atLineStart = pos == 0 || subject[pos - 1] == u'\n' || subject[pos - 1] == u'\r';
        if (!program.anchoredAtLineStart || atLineStart)
            return pos;
        ++pos;
    }
    return kUnset;
}

Match matchFromRegisters(const std::vector<std::size_t>& registers, std::size_t groupCount) {
    Match match;
    match.start = registers[0];
    match.length = registers[1] - registers[0];
    match.groups.reserve(groupCount);
    for (std::size_t group = 1; group <= groupCount; ++group) {
        const std::size_t start = registers[2 * group];
        const std::size_t end = registers[2 * group + 1];
        if (start == kUnset || end == kUnset || end < start)
            match.groups.emplace_back(std::nullopt);
        else
            match.groups.emplace_back(Span{start, end - start});
    }
    return match;
}

SearchResult searchWithBudget(const Program& program, std::u16string_view subject, std::size_t start,
                              const MatchLimits& limits, StepBudget& budget) {
    SearchResult result;
    if (start > subject.size())
        return result;
    try {
        BacktrackingMatcher matcher(program, subject, limits, budget);
        for (std::size_t pos = nextCandidate(program, subject, start); pos != kUnset;
             pos = pos < subject.size() ? nextCandidate(program, subject, pos + 1) : kUnset) {
            switch (matcher.matchAt(pos)) {
            case BacktrackingMatcher::Outcome::matched:
                result.match = matchFromRegisters(matcher.registers(), program.groupCount);
                return result;
            case BacktrackingMatcher::Outcome::limitExceeded: result.limitExceeded = true; return result;
            case BacktrackingMatcher::Outcome::failed: break;
            }
        }
    } catch (const std::bad_alloc&) {
        // The backtracking stack is bounded, but its bound may still be more
        // than the machine can give; that is the same "too complex" answer.
        result.match.reset();
        result.limitExceeded = true;
    }
    return result;
}

}  // namespace

Regex::Regex(std::shared_ptr<const Program> program) : program_(std::move(program)) {}

std::variant<Regex, CompileError> Regex::compile(std::u16string_view pattern, Flags flags) {
    try {
        auto parsed = parsePattern(pattern);
        if (auto* error = std::get_if<CompileError>(&parsed))
            return *error;
        auto program = std::make_shared<Program>(compileProgram(std::get<ParsedPattern>(parsed), flags));
        return Regex(std::move(program));
    } catch (const std::bad_alloc&) {
        return CompileError{kSyntaxError, 0, "the pattern is too large"};
    }
}

SearchResult Regex::search(std::u16string_view subject, std::size_t start, const MatchLimits& limits) const {
    StepBudget budget(limits.maxSteps);
    return searchWithBudget(*program_, subject, start, limits, budget);
}

std::size_t Regex::groupCount() const {
    return program_->groupCount;
}

AllMatches findAll(const Regex& regex, std::u16string_view subject, std::size_t start, const MatchLimits& limits) {
    AllMatches all;
    StepBudget budget(limits.maxSteps);
    const Program& program = *regex.program_;
    while (start <= subject.size()) {
        SearchResult found = searchWithBudget(program, subject, start, limits, budget);
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

ReplaceResult replace(const Regex& regex, std::u16string_view subject, std::u16string_view replacement,
                      bool global, const MatchLimits& limits) {
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
    for (const Match& match : matches) {
        result.text.append(subject.substr(copiedUpTo, match.start - copiedUpTo));
        result.text.append(expandReplacement(replacement, match, subject));
        copiedUpTo = match.end();
    }
    result.text.append(subject.substr(copiedUpTo));
    return result;
}

}  // namespace tabulo::vbs::regex
