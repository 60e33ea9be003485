// What keeps a script's pattern from crashing or hanging the program: the
// step budget, the bound on backtracking memory, the nesting limit, and
// subjects long enough to overflow any recursive matcher. Also the speed of
// the search shortcuts on a long subject.
#include "tests/vbs/regex/match_table.h"

#include <chrono>

#if defined(__unix__)
#include <pthread.h>
#endif

// gcc says so with __SANITIZE_ADDRESS__, clang through __has_feature.
#if defined(__SANITIZE_ADDRESS__)
#define TABULO_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TABULO_ADDRESS_SANITIZER 1
#endif
#endif

namespace tabulo::vbs::regex::test {

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

std::u16string repeated(std::u16string_view piece, std::size_t times)
{
    std::u16string text;
    text.reserve(piece.size() * times);
    for (std::size_t i = 0; i < times; ++i)
        text += piece;
    return text;
}

void checkNesting(TestReport &report)
{
    const std::u16string deepest = repeated(u"(", kMaxNestingDepth) + u"a" + repeated(u")", kMaxNestingDepth);
    report.check("nesting", "the deepest allowed nesting compiles", "ok", describeCompile(Regex::compile(deepest)));
    const std::u16string tooDeep = u"(" + deepest + u")";
    report.check("nesting", "one level more is a syntax error", "error 5017 at " + std::to_string(kMaxNestingDepth),
        describeCompile(Regex::compile(tooDeep)));
    const std::u16string deepLookaheads = repeated(u"(?=", kMaxNestingDepth) + repeated(u")", kMaxNestingDepth);
    report.check("nesting", "deeply nested lookaheads match", "@0",
        describe(compileOrDie(deepLookaheads).search(u"x", 0), u"x"));
}

#if defined(__unix__)
// The deepest pattern on a thread with a small stack, as a script's worker
// thread may have (sanitizers make every frame several times larger).
void checkDeepestPatternOnSmallStack(TestReport &report)
{
#if defined(TABULO_ADDRESS_SANITIZER)
    const std::size_t stackSize = 4u << 20;
#else
    const std::size_t stackSize = 512u << 10;
#endif
    struct Work
    {
        bool compiled = false;
        bool searched = false;
    } work;
    auto run = [](void *argument) -> void * {
        auto *result = static_cast<Work *>(argument);
        std::u16string pattern;
        for (int level = 0; level < kMaxNestingDepth / 2; ++level)
            pattern += u"(?:a|(";
        pattern += u"b";
        for (int level = 0; level < kMaxNestingDepth / 2; ++level)
            pattern += u")*)+";
        auto compiled = Regex::compile(pattern, kIgnoreCase);
        result->compiled = std::holds_alternative<Regex>(compiled);
        if (result->compiled)
            result->searched = std::get<Regex>(compiled).search(u"aab", 0).limitExceeded;
        return nullptr;
    };
    pthread_attr_t attributes;
    pthread_attr_init(&attributes);
    pthread_attr_setstacksize(&attributes, stackSize);
    pthread_t thread;
    if (pthread_create(&thread, &attributes, run, &work) == 0)
        pthread_join(thread, nullptr);
    pthread_attr_destroy(&attributes);
    report.check("nesting", "the deepest pattern compiles on a small stack", work.compiled);
    report.check("nesting", "and its search gives up cleanly", work.searched);
}
#endif

void checkStepBudget(TestReport &report)
{
    const std::u16string as = repeated(u"a", 40);
    const auto started = Clock::now();
    const SearchResult nested = compileOrDie(u"(a+)+b").search(as, 0);
    const double elapsed = millisecondsSince(started);
    report.check("step budget", "nested quantifiers give up as too complex", "too complex", describe(nested, as));
    report.check("step budget", "giving up takes under two seconds", elapsed < 2000);
    std::printf("(a+)+b on 40 a's: too complex after %.0f ms\n", elapsed);

    const SearchResult small = compileOrDie(u"(a+)+b").search(as, 0, MatchLimits {.maxSteps = 1000});
    report.check("step budget", "a smaller budget is honoured", "too complex", describe(small, as));
    const SearchResult enough = compileOrDie(u"a+b").search(u"aab", 0, MatchLimits {.maxSteps = 1000});
    report.check("step budget", "a simple match fits a small budget", "aab@0", describe(enough, u"aab"));

    const Regex emptyForEver = compileOrDie(u"(?:a|){1000000000}");
    report.check("step budget", "a billion empty iterations give up", "too complex",
        describe(emptyForEver.search(u"b", 0), u"b"));

    // One budget covers all the matches of a Global search: 30,000 matches
    // of about 30 steps each cannot fit in 100,000 steps.
    const std::u16string words = repeated(u"ab ", 30000);
    const AllMatches all = findAll(compileOrDie(u"\\w+"), words, 0, MatchLimits {.maxSteps = 100000});
    report.check("step budget", "Global matches share one budget", all.limitExceeded);
}

void checkLongSubjects(TestReport &report)
{
    // Each of these would recurse once per unit in a recursive matcher.
    const std::u16string alternating = repeated(u"ab", 500000) + u"c";
    const MatchLimits generous {.maxSteps = 100'000'000, .maxBacktrackEntries = 16u << 20};
    const SearchResult loop = compileOrDie(u"(?:a|b)*c").search(alternating, 0, generous);
    report.check("long subjects", "a loop over a million units matches", "0+1000001",
        loop.match ? "0+" + std::to_string(loop.match->length) : describe(loop, u""));

    const SearchResult groups = compileOrDie(u"((a)|(b))*$").search(alternating.substr(0, 200000), 0, generous);
    report.check("long subjects", "a capturing loop over 200,000 units matches", "200000",
        groups.match ? std::to_string(groups.match->length) : describe(groups, u""));

    const SearchResult bounded
        = compileOrDie(u"(?:a|b)*c").search(alternating, 0, MatchLimits {.maxBacktrackEntries = 1000});
    report.check("long subjects", "backtracking memory is bounded", "too complex", describe(bounded, u""));

    const std::u16string line = repeated(u"x", 1 << 20);
    const SearchResult dotStar = compileOrDie(u".*").search(line, 0, MatchLimits {.maxBacktrackEntries = 10});
    report.check("long subjects", ".* over a megabyte needs one saved state", std::to_string(1 << 20),
        dotStar.match ? std::to_string(dotStar.match->length) : describe(dotStar, u""));
}

void checkSearchSpeed(TestReport &report)
{
    const std::u16string haystack = repeated(u"lorem ipsum dolor sit amet ", 40000) + u"needle";
    struct Row
    {
        const char *name;
        std::u16string_view pattern;
        Flags flags;
    };
    static const Row rows[] = {
        {"a literal", u"needle", {}},
        {"a literal with IgnoreCase", u"NEEDLE", kIgnoreCase},
        {"a class then a literal", u"[mn]eedle", {}},
        {"an alternation of literals", u"needle|haystack", {}},
    };
    for (const Row &row : rows) {
        const Regex regex = compileOrDie(row.pattern, row.flags);
        const auto started = Clock::now();
        const SearchResult found = regex.search(haystack, 0);
        const double elapsed = millisecondsSince(started);
        std::printf("%s in %zu KB: %.2f ms\n", row.name, haystack.size() * 2 / 1024, elapsed);
        report.check("search speed", row.name, std::to_string(haystack.size() - 6),
            found.match ? std::to_string(found.match->start) : "none");
        report.check("search speed", std::string(row.name) + " within 100 ms", elapsed < 100);
    }

    const auto started = Clock::now();
    const AllMatches words = findAll(compileOrDie(u"\\w+"), haystack);
    const double elapsed = millisecondsSince(started);
    std::printf(
        "every word of %zu KB (%zu matches): %.1f ms\n", haystack.size() * 2 / 1024, words.matches.size(), elapsed);
    report.check("search speed", "every word of a long subject", "200001", std::to_string(words.matches.size()));
    report.check("search speed", "every word within a second", elapsed < 1000);
}

} // namespace

void runLimitsTests(TestReport &report)
{
    checkNesting(report);
#if defined(__unix__)
    checkDeepestPatternOnSmallStack(report);
#endif
    checkStepBudget(report);
    checkLongSubjects(report);
    checkSearchSpeed(report);
}

} // namespace tabulo::vbs::regex::test
