#include "tests/vbs/regex/test_report.h"

#include <cstdlib>

namespace tabulo::vbs::regex::test {

std::string printable(std::u16string_view text)
{
    std::string out;
    for (char16_t unit : text) {
        if (unit >= 0x20 && unit < 0x7F && unit != u'\\') {
            out.push_back(char(unit));
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04X", unsigned(unit));
            out += escaped;
        }
    }
    return out;
}

namespace {

std::string spanText(std::u16string_view subject, std::size_t start, std::size_t length)
{
    return printable(subject.substr(start, length)) + "@" + std::to_string(start);
}

} // namespace

std::string describe(const Match &match, std::u16string_view subject)
{
    std::string text = spanText(subject, match.start, match.length);
    for (const auto &group : match.groups)
        text += group ? " | " + spanText(subject, group->first, group->second) : " | -";
    return text;
}

std::string describe(const SearchResult &result, std::u16string_view subject)
{
    if (result.limitExceeded)
        return result.match ? "too complex, yet matched" : "too complex";
    return result.match ? describe(*result.match, subject) : "no match";
}

std::string describeCompile(const std::variant<Regex, CompileError> &compiled)
{
    if (const auto *error = std::get_if<CompileError>(&compiled))
        return "error " + std::to_string(error->code) + " at " + std::to_string(error->position);
    return "ok";
}

Regex compileOrDie(std::u16string_view pattern, Flags flags)
{
    auto compiled = Regex::compile(pattern, flags);
    if (auto *error = std::get_if<CompileError>(&compiled)) {
        std::printf("test pattern %s does not compile: %s\n", printable(pattern).c_str(), error->message.c_str());
        std::exit(2);
    }
    return std::get<Regex>(std::move(compiled));
}

} // namespace tabulo::vbs::regex::test
