// Bad input of every kind comes back as a syntax error with its number and position,
// never as a crash and never as success.
#include <gtest/gtest.h>

#include "vbs/engine.h"

using namespace tabulo::vbs;

namespace {

struct BadInput
{
    const char *name;
    const char *code;
    int number;
    int line;
    int column;
};

class SyntaxErrors : public ::testing::TestWithParam<BadInput>
{
};

TEST_P(SyntaxErrors, ReportNumberLineAndColumn)
{
    const BadInput &c = GetParam();
    Engine engine;
    Result r = engine.AddCodeUtf8(c.code);
    ASSERT_FALSE(r);
    EXPECT_EQ(r.error.number, c.number);
    EXPECT_EQ(r.error.line, c.line);
    EXPECT_EQ(r.error.column, c.column);
}

INSTANTIATE_TEST_SUITE_P(Inputs, SyntaxErrors,
    ::testing::Values(BadInput {"ifWithoutCondition", "If", 1023, 1, 3},
        BadInput {"truncatedBlock", "If x Then", 1014, 1, 10}, BadInput {"truncatedFor", "For i = 1 To", 1023, 1, 13},
        BadInput {"classWithoutEnd", "Class A\n", 1014, 2, 1}, BadInput {"unterminatedString", "x = \"abc", 1033, 1, 5},
        BadInput {"openParentheses", "x = (((", 1023, 1, 8}, BadInput {"binaryGarbage", "\x01\x02\xff", 1032, 1, 1},
        BadInput {"doWithoutLoop", "Do\nx=1", 1019, 2, 4}, BadInput {"strayNext", "x = 1\nNext", 1055, 2, 1},
        BadInput {"strayEndIf", "End If", 1024, 1, 1}, BadInput {"doubleDot", "x..y = 1", 1010, 1, 3},
        BadInput {"halfOnError", "On Error", 1002, 1, 9}, BadInput {"constWithoutValue", "Const x", 1011, 1, 8},
        BadInput {"propertyOutsideClass", "Property Get x", 1048, 1, 1},
        BadInput {"truncatedDate", "x = #1/2", 1002, 1, 5}, BadInput {"exitSubAtTopLevel", "Exit Sub", 1039, 1, 9},
        BadInput {"meOutsideClass", "x = Me", 1037, 1, 5},
        BadInput {"nestedSub", "Sub A()\nSub B()\nEnd Sub\nEnd Sub", 1024, 2, 1},
        BadInput {"continuationAtEnd", "x = _", 1023, 1, 6},
        BadInput {"defaultOnField", "Class C\nPublic Default x\nEnd Class", 1056, 2, 16},
        BadInput {"initializeWithArguments", "Class C\nSub Class_Initialize(a)\nEnd Sub\nEnd Class", 1053, 2, 24},
        BadInput {"numberRunningIntoName", "x = 12abc", 1025, 1, 7}),

    [](const auto &info) { return std::string(info.param.name); });

TEST(SyntaxErrors, NestingTooDeepToRunIsRefusedWithAPosition)
{
    Engine engine;
    Result r = engine.AddCode(u"x = " + std::u16string(300, u'(') + u"1" + std::u16string(300, u')'));
    ASSERT_FALSE(r);
    EXPECT_EQ(r.error.number, 28);
    EXPECT_EQ(r.error.line, 1);
    EXPECT_GT(r.error.column, 150);
}

TEST(SyntaxErrors, LongOperatorChainsAreRefusedNotOverflowed)
{
    Engine engine;
    std::u16string chain = u"x = 1";
    for (int i = 0; i < 5000; ++i)
        chain += u" + 1";
    Result r = engine.AddCode(chain);
    ASSERT_FALSE(r);
    EXPECT_EQ(r.error.number, 28);
}

TEST(SyntaxErrors, NothingRunsWhenTheCodeDoesNotCompile)
{
    Engine engine;
    ASSERT_FALSE(engine.AddCode(u"ran = 1\nIf"));
    Value v;
    ASSERT_TRUE(engine.Eval(u"IsEmpty(ran)", v));
    EXPECT_EQ(engine.ToText(v), u"True");
}

} // namespace
