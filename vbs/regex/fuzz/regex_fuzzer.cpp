// Fuzzes pattern and subject together. Besides crashes and hangs it checks
// that every match lies inside the subject, that searching from a match's
// start finds it again, and that the search shortcuts never skip a match
// that a plain position-by-position search finds.
//
// Input: a flags byte (bit 0 IgnoreCase, bit 1 Multiline), then the pattern,
// a 0xFF byte, then the subject. Bytes below 0x80 are ASCII; 0xFE takes the
// next two bytes as one UTF-16 unit; other high bytes pick letters that fold.
#include "vbs/regex/pattern_parser.h"
#include "vbs/regex/program_compiler.h"
#include "vbs/regex/regex.h"
#include "vbs/regex/search_driver.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

using namespace tabulo::vbs::regex;

constexpr char16_t kFoldingLetters[] = {0x00E9, 0x00C9, 0x00FF, 0x0178, 0x00B5, 0x039C, 0x03C3, 0x03C2, 0x03A3, 0x0131,
    0x0130, 0x0416, 0x0436, 0x2028, 0x00A0, 0xD800};

std::u16string decodeUnits(const std::uint8_t *&data, const std::uint8_t *end)
{
    std::u16string text;
    while (data < end && *data != 0xFF) {
        const std::uint8_t byte = *data++;
        if (byte < 0x80) {
            text.push_back(char16_t(byte));
        } else if (byte == 0xFE && end - data >= 2) {
            text.push_back(char16_t(data[0] | (data[1] << 8)));
            data += 2;
        } else {
            text.push_back(kFoldingLetters[byte % std::size(kFoldingLetters)]);
        }
    }
    if (data < end)
        ++data; // the separator
    return text;
}

void require(bool condition)
{
    if (!condition)
        std::abort();
}

void checkMatchInside(const Match &match, std::u16string_view subject, std::size_t start)
{
    require(match.start >= start && match.end() <= subject.size());
    for (const auto &group : match.groups) {
        if (group)
            require(group->first <= subject.size() && group->second <= subject.size() - group->first);
    }
}

bool sameMatch(const Match &a, const Match &b)
{
    return a.start == b.start && a.length == b.length && a.groups == b.groups;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 1 || size > 4096)
        return 0;
    const Flags flags {.ignoreCase = (data[0] & 1) != 0, .multiline = (data[0] & 2) != 0};
    const std::uint8_t *cursor = data + 1;
    const std::uint8_t *end = data + size;
    const std::u16string pattern = decodeUnits(cursor, end);
    const std::u16string subject = decodeUnits(cursor, end);

    auto compiled = Regex::compile(pattern, flags);
    if (auto *error = std::get_if<CompileError>(&compiled)) {
        require(error->position <= pattern.size());
        return 0;
    }
    const Regex &regex = std::get<Regex>(compiled);
    const MatchLimits limits {.maxSteps = 200000, .maxBacktrackEntries = 100000};

    const SearchResult first = regex.search(subject, 0, limits);
    if (first.match) {
        checkMatchInside(*first.match, subject, 0);
        require(first.match->groups.size() == regex.groupCount());
        const SearchResult again = regex.search(subject, first.match->start, limits);
        require(again.limitExceeded || (again.match && sameMatch(*again.match, *first.match)));
    }

    // The same program without shortcuts tries every position.
    auto parsed = std::get<ParsedPattern>(parsePattern(pattern));
    Program plain = compileProgram(parsed, flags);
    plain.firstUnits.reset();
    plain.literalPrefix.clear();
    plain.anchoredAtInputStart = plain.anchoredAtLineStart = false;
    StepBudget budget(limits.maxSteps);
    BacktrackingMatcher matcher(plain, subject, limits, budget);
    const SearchResult slow = searchFrom(matcher, plain, subject, 0);
    if (!first.limitExceeded && !slow.limitExceeded) {
        require(first.match.has_value() == slow.match.has_value());
        if (first.match)
            require(sameMatch(*first.match, *slow.match));
    }

    const AllMatches all = findAll(regex, subject, 0, limits);
    std::size_t previousEnd = 0;
    for (const Match &match : all.matches) {
        checkMatchInside(match, subject, previousEnd);
        previousEnd = match.end();
    }
    const ReplaceResult replaced = replace(regex, subject, u"<$1$&$`$'$$$12$0>", true, limits);
    require(!replaced.limitExceeded || replaced.text == subject);
    return 0;
}
