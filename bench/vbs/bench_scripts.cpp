// Script benchmarks: the loop, string-append and recursion targets of the interpreter.
//   bench_vbs_scripts            full sizes, prints the figures and the targets
//   bench_vbs_scripts --quick    small sizes, for the test run that checks it still works
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>

#include "vbs/engine.h"

using namespace tabulo::vbs;

namespace {

struct Case
{
    const char *name;
    std::u16string code;
    double targetSeconds;
    const char *expected; // the value of `result` afterwards
};

std::u16string number(long n)
{
    std::u16string s;
    for (char c : std::to_string(n))
        s += char16_t(c);
    return s;
}

} // namespace

int main(int argc, char **argv)
{
    const bool quick = argc > 1 && std::strcmp(argv[1], "--quick") == 0;
    const long loops = quick ? 10000 : 10000000;
    const long appends = quick ? 2000 : 200000;
    const long fibN = quick ? 10 : 25;
    const Case cases[] = {
        {"loop of s = s + i", u"s = 0\nFor i = 1 To " + number(loops) + u"\n    s = s + i\nNext\nresult = s", 1.0,
            nullptr},
        {"string appends s = s & \"x\"",
            u"s = \"\"\nFor i = 1 To " + number(appends) + u"\n    s = s & \"x\"\nNext\nresult = Len(s)", 0.2, nullptr},
        {"recursive fib",
            u"Function Fib(n)\n    If n < 2 Then Fib = n Else Fib = Fib(n - 1) + Fib(n - 2)\nEnd Function\nresult = "
            u"Fib("
                + number(fibN) + u")",
            0.1, quick ? "55" : "75025"},
    };
    int failures = 0;
    for (const Case &c : cases) {
        Engine engine;
        engine.SetTimeout(0);
        // CPU time is what the targets are about; wall time also shows what a shared,
        // busy machine did to the run.
        auto start = std::chrono::steady_clock::now();
        std::clock_t cpuStart = std::clock();
        Result r = engine.AddCode(c.code);
        double cpu = double(std::clock() - cpuStart) / CLOCKS_PER_SEC;
        double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        Value result;
        engine.Eval(u"result", result);
        std::string shown = toUtf8(engine.ToText(result));
        if (!r) {
            std::printf("%-30s FAILED: %s\n", c.name, toUtf8(r.error.description).c_str());
            ++failures;
            continue;
        }
        if (c.expected && shown != c.expected) {
            std::printf("%-30s wrong result %s\n", c.name, shown.c_str());
            ++failures;
        }
        std::printf("%-30s %8.3f s CPU  %8.3f s wall  (target %.1f s)  result %s\n", c.name, cpu, wall, c.targetSeconds,
            shown.c_str());
    }
    return failures == 0 ? 0 : 1;
}
