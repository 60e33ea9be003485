#include "vbs/regex/search_driver.h"

#include <new>

namespace tabulo::vbs::regex {
namespace {

// The next position at or after `pos` where a match could start, or kUnset.
std::size_t nextCandidate(const Program &program, std::u16string_view subject, std::size_t pos)
{
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
                return kUnset; // a match needs at least one unit
        }
        const bool atLineStart = pos == 0 || subject[pos - 1] == u'\n' || subject[pos - 1] == u'\r';
        if (!program.anchoredAtLineStart || atLineStart)
            return pos;
        ++pos;
    }
    return kUnset;
}

Match matchFromRegisters(const std::vector<std::size_t> &registers, std::size_t groupCount)
{
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
            match.groups.emplace_back(Span {start, end - start});
    }
    return match;
}

} // namespace

SearchResult searchFrom(
    BacktrackingMatcher &matcher, const Program &program, std::u16string_view subject, std::size_t start)
{
    SearchResult result;
    if (start > subject.size())
        return result;
    try {
        for (std::size_t pos = nextCandidate(program, subject, start); pos != kUnset;
             pos = pos < subject.size() ? nextCandidate(program, subject, pos + 1) : kUnset) {
            switch (matcher.matchAt(pos)) {
            case BacktrackingMatcher::Outcome::matched:
                result.match = matchFromRegisters(matcher.registers(), program.groupCount);
                return result;
            case BacktrackingMatcher::Outcome::limitExceeded:
                result.limitExceeded = true;
                return result;
            case BacktrackingMatcher::Outcome::failed:
                break;
            }
        }
    } catch (const std::bad_alloc &) {
        // The backtracking stack is bounded, but its bound may still be more
        // than the machine can give; that is the same "too complex" answer.
        result.match.reset();
        result.limitExceeded = true;
    }
    return result;
}

} // namespace tabulo::vbs::regex
