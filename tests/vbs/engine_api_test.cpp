// The Engine as its callers use it: Reset, AddCode, Eval, time limit, locales.
#include <chrono>
#include <thread>

#include <gtest/gtest.h>

#include "vbs/engine.h"

using namespace tabulo::vbs;

namespace {

std::string text(const Engine &e, const Value &v)
{
    return toUtf8(e.ToText(v));
}

TEST(Engine, EvalSeesVariablesOfEarlierCode)
{
    Engine engine;
    ASSERT_TRUE(engine.AddCode(u"Dim x : x = 20"));
    Value v;
    ASSERT_TRUE(engine.Eval(u"x + 1", v));
    EXPECT_EQ(text(engine, v), "21");
}

TEST(Engine, ResetForgetsCodeVariablesAndObjects)
{
    Engine engine;
    ASSERT_TRUE(engine.AddCode(u"Function F() : F = 1 : End Function : y = 5"));
    engine.Reset();
    Value v;
    ASSERT_TRUE(engine.Eval(u"IsEmpty(y)", v));
    EXPECT_EQ(text(engine, v), "True");
    Result r = engine.AddCode(u"z = F()");
    EXPECT_FALSE(r);
}

TEST(Engine, SyntaxErrorsReportNumberLineAndColumn)
{
    Engine engine;
    Result r = engine.AddCode(u"x = 1\n  If x Then\nEnd Sub");
    ASSERT_FALSE(r);
    EXPECT_EQ(r.error.number, 1012); // "Expected 'If'": End Sub where End If belongs
    EXPECT_EQ(r.error.line, 3);
    EXPECT_EQ(r.error.source, u"Microsoft VBScript compilation error");
}

TEST(Engine, AnEndlessLoopEndsAtTheTimeLimit)
{
    Engine engine;
    engine.SetTimeout(200);
    auto start = std::chrono::steady_clock::now();
    Result r = engine.AddCode(u"On Error Resume Next\nDo : Loop");
    auto took = std::chrono::steady_clock::now() - start;
    ASSERT_FALSE(r);
    EXPECT_EQ(r.error.number, err::TimedOut);
    EXPECT_LT(took, std::chrono::seconds(3));
    // The engine stays usable after a time-out.
    EXPECT_TRUE(engine.AddCode(u"x = 1"));
}

TEST(Engine, TheHostsInterruptCheckStopsALoopThatCatchesEverything)
{
    Engine engine;
    int checks = 0;
    engine.SetInterruptCheck([&checks] { return ++checks == 3; }, 1);
    Result r = engine.AddCode(u"On Error Resume Next\nDo : x = x + 1 : Loop");
    ASSERT_FALSE(r);
    EXPECT_EQ(r.error.number, err::Interrupted);
    EXPECT_EQ(checks, 3);
    // The next call starts afresh: stopping once does not stop it.
    engine.SetInterruptCheck([] { return false; }, 1);
    EXPECT_TRUE(engine.AddCode(u"For i = 1 To 100000 : y = y + i : Next"));
}

TEST(Engine, TimeSpentInTheInterruptCheckIsNotChargedToTheTimeLimit)
{
    Engine engine;
    engine.SetTimeout(300);
    int checks = 0;
    engine.SetInterruptCheck(
        [&checks] {
            ++checks;
            std::this_thread::sleep_for(std::chrono::milliseconds(40));
            return false;
        },
        1);
    // Twenty checks spend 800 ms in the host, more than the limit; the loop itself
    // is far quicker than 300 ms.
    Result r = engine.AddCode(u"For i = 1 To 200000 : s = s + i : Next");
    EXPECT_TRUE(r) << toUtf8(r.error.description);
    EXPECT_GE(checks, 2);
}

TEST(Engine, EndlessRecursionIsOutOfStackSpace)
{
    Engine engine;
    Result r = engine.AddCode(u"Sub R() : R : End Sub : R");
    ASSERT_FALSE(r);
    EXPECT_EQ(r.error.number, 28);
}

TEST(Engine, TwoEnginesKeepTheirOwnLocale)
{
    Engine dot(Locale::english());
    Engine comma(Locale::italian());
    Value a, b;
    ASSERT_TRUE(dot.Eval(u"CDbl(\"1,5\") + 0.25", a));
    ASSERT_TRUE(comma.Eval(u"CDbl(\"1,5\") + 0.25", b));
    EXPECT_EQ(text(dot, a), "15.25");
    EXPECT_EQ(text(comma, b), "1,75");
}

TEST(Engine, Utf8EntryPointReadsNonAsciiText)
{
    Engine engine;
    ASSERT_TRUE(engine.AddCodeUtf8("s = \"perché\""));
    Value v;
    ASSERT_TRUE(engine.Eval(u"s", v));
    EXPECT_EQ(text(engine, v), "perché");
}

TEST(Engine, EnginesDoNotShareGlobals)
{
    Engine one, two;
    ASSERT_TRUE(one.AddCode(u"shared = 1"));
    Value v;
    ASSERT_TRUE(two.Eval(u"IsEmpty(shared)", v));
    EXPECT_EQ(text(two, v), "True");
}

// The calculator and the script window each own an engine: one's Rnd calls do not
// move the other's sequence.
TEST(Engine, EnginesKeepTheirOwnRandomSequence)
{
    Engine one, two;
    Value v;
    ASSERT_TRUE(one.Eval(u"Rnd", v));
    EXPECT_EQ(text(one, v), "0.7055475");
    ASSERT_TRUE(two.Eval(u"Rnd", v));
    EXPECT_EQ(text(two, v), "0.7055475");
    ASSERT_TRUE(one.Eval(u"Rnd", v));
    EXPECT_EQ(text(one, v), "0.533424");
}

TEST(Engine, ClassInstancesOutliveAReset)
{
    Engine engine;
    ASSERT_TRUE(engine.AddCode(u"Class C : Public V : Private Sub Class_Terminate() : V = 0 : End Sub : End Class\n"
                               u"Set keep = New C : keep.V = 3"));
    Value held;
    ASSERT_TRUE(engine.Eval(u"keep", held));
    engine.Reset();
    // The class text is gone; the host still holds the object and may drop it safely.
    EXPECT_EQ(text(engine, Value()), "");
    held = Value();
    SUCCEED();
}

} // namespace
