// `Out.Text = Out.Text & line`: a host object that can grow its text is asked to,
// instead of the interpreter reading and assigning all of it at every line, and the
// result is what the language's read, join and assign would give.
#include <gtest/gtest.h>

#include "vbs/convert.h"
#include "vbs/engine.h"

using namespace tabulo::vbs;

namespace {

// The output buffer of a script host: Text (the default member) and Other, of which
// only Text can be grown in place.
class Output final : public Object
{
public:
    explicit Output(const Locale &locale)
        : m_locale(locale)
    {
    }
    std::u16string text, other;
    int appends = 0, assigns = 0;

    std::u16string typeName() const override { return u"TextBox"; }
    Value invoke(std::u16string_view name, Args) override { return Value::string(isText(name) ? text : other); }
    void assign(std::u16string_view name, Args, const Value &value, bool) override
    {
        ++assigns;
        (isText(name) ? text : other) = toString(value, m_locale);
    }
    bool canAppendTo(std::u16string_view name) const override { return isText(name); }
    void appendTo(std::u16string_view name, std::u16string_view more) override
    {
        ASSERT_TRUE(isText(name));
        ++appends;
        text += more;
    }

private:
    static bool isText(std::u16string_view name) { return name.empty() || sameName(name, u"Text"); }
    const Locale &m_locale;
};

struct AppendCase
{
    const char *name;
    const char16_t *script;
    const char16_t *text; // Out.Text afterwards
    int appends, assigns;
};

class AppendInPlace : public ::testing::TestWithParam<AppendCase>
{
};

TEST_P(AppendInPlace, GivesTheLanguagesResult)
{
    const AppendCase &c = GetParam();
    Engine engine;
    auto out = std::make_shared<Output>(engine.locale());
    engine.AddObject(u"Out", out);
    const Result r = engine.AddCode(c.script);
    ASSERT_TRUE(r) << toUtf8(r.error.description) << " at line " << r.error.line;
    EXPECT_EQ(toUtf8(out->text), toUtf8(c.text));
    EXPECT_EQ(out->appends, c.appends);
    EXPECT_EQ(out->assigns, c.assigns);
}

const AppendCase kCases[] = {
    {"MemberInALoop", u"For i = 1 To 3 : Out.Text = Out.Text & \"line \" & i & vbLf : Next",
        u"line 1\nline 2\nline 3\n", 3, 0},
    {"DefaultMember", u"Out = Out & \"a\" & 1.5 & Null & True", u"a1.5True", 1, 0},
    {"CaseOfTheMemberName", u"Out.text = Out.TEXT & \"x\"", u"x", 1, 0},
    {"WithBlock", u"With Out : .Text = .Text & \"w\" : .Text = .Text & \"v\" : End With", u"wv", 2, 0},
    {"VariableHoldingTheObject", u"Set o = Out : o.Text = o.Text & \"v\"", u"v", 1, 0},
    {"InsideAProcedure", u"Sub Add(s) : Out.Text = Out.Text & s : End Sub : Add \"p\" : Add \"q\"", u"pq", 2, 0},
    {"BuiltinPieces", u"Out.Text = Out.Text & UCase(\"ab\") & Mid(\"xyz\", 2, 1) & Chr(33)", u"ABy!", 1, 0},
    {"ArrayElementPiece", u"a = Array(\"e0\", \"e1\") : Out.Text = Out.Text & a(1)", u"e1", 1, 0},
    // A function may change the text before it is joined: the text as it was counts.
    {"FunctionPieceRunsFirst",
        u"Function F() : Out.Text = \"lost\" : F = \"f\" : End Function : Out.Text = \"a\" : Out.Text = Out.Text & F()",
        u"af", 0, 3},
    {"ObjectPieceReadAfterTheText",
        u"Class C : Public Default Property Get V() : Out.Text = \"lost\" : V = \"c\" : End Property : End Class\n"
        u"Set c = New C : Out.Text = \"a\" : Out.Text = Out.Text & c",
        u"ac", 0, 3},
    {"ObjectInAnArrayElement",
        u"Class C : Public Default Property Get V() : Out.Text = \"lost\" : V = \"c\" : End Property : End Class\n"
        u"Set c = New C : arr = Array(c) : Out.Text = \"a\" : Out.Text = Out.Text & arr(0)",
        u"ac", 0, 3},
    {"EvalRunsCode", u"Out.Text = Out.Text & Eval(\"1 + 1\")", u"2", 0, 1},
    // Not the same member, or not a member that can grow: read, join, assign.
    {"AnotherMember", u"Out.Text = Out.Other & \"x\"", u"x", 0, 1},
    {"MemberThatCannotGrow", u"Out.Other = Out.Other & \"x\" : Out.Text = Out.Other", u"x", 0, 2},
    {"TextNotFirst", u"Out.Text = \"<\" & Out.Text & \">\"", u"<>", 0, 1},
};

INSTANTIATE_TEST_SUITE_P(
    Engine, AppendInPlace, ::testing::ValuesIn(kCases), [](const auto &info) { return std::string(info.param.name); });

} // namespace
