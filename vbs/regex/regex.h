// The regular expressions behind VBScript's RegExp object.
//
// The dialect is the one VBScript 5.5 documents (the JScript / ECMAScript 3
// one): literals and escapes (\n \r \t \f \v \0 \xhh \uhhhh, octal \ooo, \cX),
// "." (any unit but "\n"), classes [...] [^...] with ranges, \d \D \w \W \s \S,
// ^ $ (line boundaries with multiline), \b \B, capturing ( ), (?: ), (?= ),
// (?! ), backreferences \1.., alternation, and * + ? {n} {n,} {n,m} in greedy
// and lazy (trailing ?) forms. Patterns and subjects are UTF-16; every
// position and length is in UTF-16 units.
//
// Details as documented for VBScript, or as JScript does them where the
// documentation is silent:
//   - \s is [ \f\n\r\t\v], \w is [A-Za-z0-9_], \b looks at \w;
//   - with multiline, ^ and $ also match after and before "\n" and "\r";
//   - \N is a backreference when N is at most the pattern's group count
//     (groups after the escape count too); otherwise an octal escape of up to
//     three digits not above \377, and \8 \9 are the digits themselves;
//   - a backreference to a group that has not matched matches the empty string;
//   - "{" that does not make a count, a lone "]" or "}" are literal; an
//     unknown escape such as \q is the letter itself;
//   - every iteration of a loop starts with the groups inside it unset, and an
//     iteration that consumes nothing ends the loop once its minimum is met;
//   - IgnoreCase folds the letters listed in case_folding.h.
//
// Use (#include "vbs/regex/regex.h"):
//   auto compiled = Regex::compile(u"(\\w+)@(\\w+)", {.ignoreCase = true});
//   if (auto* error = std::get_if<CompileError>(&compiled)) -> raise error->code
//   const Regex& re = std::get<Regex>(compiled);
//   SearchResult r = re.search(subject, 0, MatchLimits{});
//   if (r.limitExceeded) -> raise a "too complex" script error
//   else if (r.match) -> r.match->start, r.match->length, r.match->groups[0] (group 1)
//
// Global Execute/Replace: findAll() enumerates every match; after an empty
// match the next search starts one unit further on, so "x*" against "ab"
// gives three empty matches (at 0, 1 and 2). replace() does a whole
// RegExp.Replace (one match or all of them) with expandReplacement()'s $-rules.
//
// Limits: matching never recurses on the subject. Every call gets a budget of
// steps and of backtracking memory (MatchLimits); running out of either ends
// the call with limitExceeded set and no match, never with a wrong answer.
// The budget covers the whole call: findAll() and replace() share one budget
// across all their matches. Compilation limits group nesting to
// kMaxNestingDepth and reports deeper patterns as a syntax error.
//
// A Regex is immutable once compiled; copies share the compiled program and it
// may be searched from several threads at once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace tabulo::vbs::regex {

// VBScript's run-time error numbers for a pattern it cannot compile.
enum ErrorCode : int {
    kSyntaxError = 5017, // "Syntax error in regular expression"
    kUnexpectedQuantifier = 5018, // "Unexpected quantifier"
    kExpectedBracket = 5019, // "Expected ']' in regular expression"
    kExpectedParen = 5020, // "Expected ')' in regular expression"
    kInvalidRange = 5021, // "Invalid range in character set"
};

// Parsing and compiling recurse once per nesting level, at about 1.2 KB of
// stack each; 250 levels stay far below the smallest thread stacks a script
// may run on (512 KB), and no real pattern comes near it.
inline constexpr int kMaxNestingDepth = 250;

struct CompileError
{
    int code = kSyntaxError; // one of ErrorCode
    std::size_t position = 0; // UTF-16 index in the pattern where it went wrong
    std::string message; // English detail for logs; the caller shows its own text
};

struct Flags
{
    bool ignoreCase = false;
    bool multiline = false;
};

struct MatchLimits
{
    // Roughly one step per instruction executed or subject unit scanned; the
    // default is well under a second.
    std::uint64_t maxSteps = 20'000'000;
    // Saved backtracking states (24 bytes each): the default caps a search at
    // 48 MiB of backtracking memory, enough for a loop over a million units.
    std::size_t maxBacktrackEntries = 2u << 20;
};

// A group's (start, length) in the subject.
using Span = std::pair<std::size_t, std::size_t>;

struct Match
{
    std::size_t start = 0;
    std::size_t length = 0;
    // groups[i] is capturing group i + 1; empty when the group did not take
    // part in the match.
    std::vector<std::optional<Span>> groups;

    std::size_t end() const { return start + length; }
};

struct SearchResult
{
    std::optional<Match> match; // empty when nothing matched or a limit was hit
    bool limitExceeded = false; // the pattern was too complex for MatchLimits
};

struct AllMatches
{
    std::vector<Match> matches; // in subject order; partial when limitExceeded
    bool limitExceeded = false;
};

struct ReplaceResult
{
    std::u16string text; // when limitExceeded: the subject, or empty if memory ran out
    bool limitExceeded = false;
};

struct Program; // the compiled form, private to the library

class Regex
{
public:
    static std::variant<Regex, CompileError> compile(std::u16string_view pattern, Flags flags = {});

    // The first match that starts at or after `start` (start may equal the
    // subject's length, where only an empty match can be found; beyond it
    // nothing matches).
    SearchResult search(std::u16string_view subject, std::size_t start, const MatchLimits &limits = {}) const;

    // Number of capturing groups, i.e. the size of every Match::groups.
    std::size_t groupCount() const;

private:
    friend AllMatches findAll(const Regex &, std::u16string_view, std::size_t, const MatchLimits &);
    explicit Regex(std::shared_ptr<const Program> program);
    std::shared_ptr<const Program> m_program;
};

// Every match from `start` on, as Global Execute and Replace see them.
AllMatches findAll(
    const Regex &regex, std::u16string_view subject, std::size_t start = 0, const MatchLimits &limits = {});

// RegExp.Replace's replacement text for one match: $1..$99 (a group number
// beyond the group count stays literal; "$12" with one group is group 1 then
// "2"), $& (the match), $` (before it), $' (after it), $$ (a dollar).
std::u16string expandReplacement(std::u16string_view replacement, const Match &match, std::u16string_view subject);

// RegExp.Replace: the first match (global = false) or every match replaced.
ReplaceResult replace(const Regex &regex, std::u16string_view subject, std::u16string_view replacement, bool global,
    const MatchLimits &limits = {});

} // namespace tabulo::vbs::regex
