// RegExp.Replace's "$" codes in the replacement text.
#include "vbs/regex/regex.h"

#include <algorithm>

namespace tabulo::vbs::regex {
namespace {

bool isDigit(char16_t unit)
{
    return unit >= u'0' && unit <= u'9';
}

// A part of the subject; clamped, so a Match from another subject cannot
// read outside this one.
std::u16string_view slice(std::u16string_view subject, std::size_t start, std::size_t length)
{
    start = std::min(start, subject.size());
    return subject.substr(start, std::min(length, subject.size() - start));
}

// The group a "$" code names, and how many digits it uses: two digits when
// they make a group number that exists, else one digit when that does, else
// none and the "$" is literal ("$0", and "$5" with fewer than five groups).
std::pair<std::size_t, std::size_t> groupReference(std::u16string_view digits, std::size_t groupCount)
{
    if (digits.size() >= 2 && isDigit(digits[0]) && isDigit(digits[1])) {
        const std::size_t twoDigits = std::size_t(digits[0] - u'0') * 10 + std::size_t(digits[1] - u'0');
        if (twoDigits >= 1 && twoDigits <= groupCount)
            return {twoDigits, 2};
    }
    if (!digits.empty() && isDigit(digits[0])) {
        const std::size_t oneDigit = std::size_t(digits[0] - u'0');
        if (oneDigit >= 1 && oneDigit <= groupCount)
            return {oneDigit, 1};
    }
    return {0, 0};
}

} // namespace

std::u16string expandReplacement(std::u16string_view replacement, const Match &match, std::u16string_view subject)
{
    std::u16string text;
    text.reserve(replacement.size());
    for (std::size_t pos = 0; pos < replacement.size(); ++pos) {
        const char16_t unit = replacement[pos];
        if (unit != u'$' || pos + 1 == replacement.size()) {
            text.push_back(unit);
            continue;
        }
        const char16_t code = replacement[pos + 1];
        if (code == u'$') {
            text.push_back(u'$');
            ++pos;
        } else if (code == u'&') {
            text.append(slice(subject, match.start, match.length));
            ++pos;
        } else if (code == u'`') {
            text.append(slice(subject, 0, match.start));
            ++pos;
        } else if (code == u'\'') {
            text.append(slice(subject, match.end(), subject.size()));
            ++pos;
        } else if (auto [group, digitCount] = groupReference(replacement.substr(pos + 1), match.groups.size());
                   digitCount > 0) {
            if (const auto &span = match.groups[group - 1])
                text.append(slice(subject, span->first, span->second));
            pos += digitCount;
        } else {
            text.push_back(u'$');
        }
    }
    return text;
}

} // namespace tabulo::vbs::regex
