// Host objects as the program's windows give them: a text box whose default member is
// its text, a list with an indexed property and For Each.
#include <stdexcept>

#include <gtest/gtest.h>

#include "vbs/convert.h"
#include "vbs/engine.h"

using namespace tabulo::vbs;

namespace {

class TextBox final : public Object
{
public:
    explicit TextBox(const Locale &locale)
        : m_locale(locale)
    {
    }
    std::u16string text;
    std::u16string typeName() const override { return u"TextBox"; }
    Value invoke(std::u16string_view name, Args args) override
    {
        if (name.empty() || sameName(name, u"Text")) {
            if (!args.empty())
                tabulo::vbs::raise(err::WrongArgumentCount);
            return Value::string(text);
        }
        if (sameName(name, u"Clear")) {
            text.clear();
            return Value();
        }
        tabulo::vbs::raise(err::NoSuchMember);
    }
    void assign(std::u16string_view name, Args args, const Value &value, bool isSet) override
    {
        if (isSet || !args.empty() || !(name.empty() || sameName(name, u"Text")))
            tabulo::vbs::raise(err::NoSuchMember);
        text = toString(value, m_locale);
    }

private:
    const Locale &m_locale;
};

class ListBox final : public Object
{
public:
    explicit ListBox(const Locale &locale)
        : m_locale(locale)
    {
    }
    std::vector<std::u16string> items;
    std::u16string typeName() const override { return u"ListBox"; }
    Value invoke(std::u16string_view name, Args args) override
    {
        if (sameName(name, u"AddItem")) {
            items.push_back(toString(args[0], m_locale));
            return Value();
        }
        if (sameName(name, u"ListCount"))
            return Value::longValue(std::int32_t(items.size()));
        if (sameName(name, u"List")) {
            if (args.size() != 1)
                tabulo::vbs::raise(err::WrongArgumentCount);
            std::int32_t i = toLong(args[0], m_locale);
            if (i < 0 || std::size_t(i) >= items.size())
                tabulo::vbs::raise(err::InvalidCall);
            return Value::string(items[std::size_t(i)]);
        }
        tabulo::vbs::raise(err::NoSuchMember);
    }
    void assign(std::u16string_view name, Args args, const Value &value, bool) override
    {
        if (!sameName(name, u"List") || args.size() != 1)
            tabulo::vbs::raise(err::NoSuchMember);
        items.at(std::size_t(toLong(args[0], m_locale))) = toString(value, m_locale);
    }
    std::vector<Value> enumerate() override
    {
        std::vector<Value> all;
        for (const auto &i : items)
            all.push_back(Value::string(i));
        return all;
    }

private:
    const Locale &m_locale;
};

struct HostFixture : ::testing::Test
{
    Engine engine;
    std::shared_ptr<TextBox> totX = std::make_shared<TextBox>(engine.locale());
    std::shared_ptr<TextBox> echo = std::make_shared<TextBox>(engine.locale());
    std::shared_ptr<ListBox> list = std::make_shared<ListBox>(engine.locale());
    void SetUp() override
    {
        engine.AddObject(u"TotX", totX);
        engine.AddObject(u"Echo", echo);
        engine.AddObject(u"ListBox", list);
    }
};

TEST_F(HostFixture, AssigningTheNameWithoutSetWritesTheDefaultProperty)
{
    ASSERT_TRUE(engine.AddCode(u"TotX = 2 * 21"));
    EXPECT_EQ(totX->text, u"42");
    ASSERT_TRUE(engine.AddCode(u"TotX = TotX & \"!\""));
    EXPECT_EQ(totX->text, u"42!");
}

TEST_F(HostFixture, ReadingTheNameGivesTheText)
{
    totX->text = u"12.5";
    ASSERT_TRUE(engine.AddCode(u"Echo.Text = TotX + 1 & \"|\" & TotX.Text & \"|\" & TypeName(TotX)"));
    EXPECT_EQ(echo->text, u"13.5|12.5|TextBox");
}

TEST_F(HostFixture, MembersAreCaseInsensitive)
{
    ASSERT_TRUE(engine.AddCode(u"echo.TEXT = \"a\" : ECHO.text = echo.Text & \"b\""));
    EXPECT_EQ(echo->text, u"ab");
}

TEST_F(HostFixture, IndexedPropertiesAndForEach)
{
    ASSERT_TRUE(engine.AddCode(u"ListBox.AddItem \"x\"\nListBox.AddItem \"y\"\nListBox.List(1) = \"z\"\n"
                               u"For Each item In ListBox : Echo.Text = Echo.Text & item : Next\n"
                               u"Echo.Text = Echo.Text & ListBox.List(0) & ListBox.ListCount"));
    EXPECT_EQ(echo->text, u"xzx2");
}

TEST_F(HostFixture, UnknownMembersFailWithError438AndAPosition)
{
    Result r = engine.AddCode(u"x = 1\nTotX.NoSuchThing");
    ASSERT_FALSE(r);
    EXPECT_EQ(r.error.number, 438);
    EXPECT_EQ(r.error.line, 2);
    EXPECT_EQ(r.error.column, 1);
}

TEST_F(HostFixture, TheCalculatorKeepsVariablesBetweenInputs)
{
    ASSERT_TRUE(engine.AddCode(u"TotX = 5 : rate = 2"));
    ASSERT_TRUE(engine.AddCode(u"TotX = 10 * rate"));
    EXPECT_EQ(totX->text, u"20");
    // An incomplete expression fails and leaves the box as it was.
    Result r = engine.AddCode(u"TotX = 10 *");
    EXPECT_FALSE(r);
    EXPECT_EQ(r.error.number, 1023);
    EXPECT_EQ(totX->text, u"20");
}

TEST_F(HostFixture, OutputWrittenBeforeAFailureStays)
{
    Result r = engine.AddCode(u"Echo.Text = \"partial\"\nx = 1 / 0\nEcho.Text = \"never\"");
    EXPECT_FALSE(r);
    EXPECT_EQ(r.error.number, 11);
    EXPECT_EQ(r.error.line, 2);
    EXPECT_EQ(echo->text, u"partial");
}

TEST_F(HostFixture, SetOnAHostNameIsRefused)
{
    Result r = engine.AddCode(u"Set TotX = Nothing");
    EXPECT_FALSE(r);
    EXPECT_EQ(r.error.number, 501);
}

} // namespace

namespace {

// A host object that fails the C++ way instead of raising a script error.
class Throwing final : public Object
{
public:
    std::u16string typeName() const override { return u"Throwing"; }
    Value invoke(std::u16string_view, Args) override { throw std::runtime_error("host failure"); }
};

TEST(HostFailures, AForeignExceptionFailsTheCallAndTheEngineGoesOn)
{
    Engine engine;
    engine.AddObject(u"Bad", std::make_shared<Throwing>());
    Result r = engine.AddCode(u"On Error Resume Next\nx = Bad.Anything");
    ASSERT_FALSE(r);
    EXPECT_EQ(r.error.number, 51);
    EXPECT_TRUE(engine.AddCode(u"y = 1"));
}

} // namespace

namespace {

// A host object whose method resets the engine that is running the script.
class Resetter final : public Object
{
public:
    Engine *engine = nullptr;
    std::u16string typeName() const override { return u"Resetter"; }
    Value invoke(std::u16string_view, Args) override
    {
        engine->Reset();
        return Value();
    }
};

TEST(HostFailures, AResetAskedForDuringARunWaitsForItsEnd)
{
    Engine engine;
    auto resetter = std::make_shared<Resetter>();
    resetter->engine = &engine;
    engine.AddObject(u"R", resetter);
    ASSERT_TRUE(engine.AddCode(u"x = 1\nR.Now\nx = x + 1\ny = x"));
    Value v;
    ASSERT_TRUE(engine.Eval(u"IsEmpty(y)", v));
    EXPECT_EQ(engine.ToText(v), u"True"); // the reset happened, after the run
}

} // namespace
