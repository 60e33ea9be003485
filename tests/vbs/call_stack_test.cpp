// The call stack that holds arguments and locals: cells never move while more are
// taken, everything taken is given back, and dropping a value may use the stack again.
#include <memory>

#include <gtest/gtest.h>

#include "vbs/call_stack.h"
#include "vbs/object.h"

using namespace tabulo::vbs;

namespace {

class Counted final : public Object
{
public:
    explicit Counted(int &alive)
        : m_alive(alive)
    {
        ++m_alive;
    }
    ~Counted() override { --m_alive; }
    std::u16string typeName() const override { return u"Counted"; }

private:
    int &m_alive;
};

// An object whose destruction runs a call of its own, as a Class_Terminate does.
class CallsOnDrop final : public Object
{
public:
    explicit CallsOnDrop(CallStack &stack)
        : m_stack(stack)
    {
    }
    ~CallsOnDrop() override
    {
        CallStack::Mark mark = m_stack.mark();
        CallCell *cells = m_stack.take(3);
        for (int i = 0; i < 3; ++i)
            cells[i].value = Value::string(u"inside");
        m_stack.release(mark);
    }
    std::u16string typeName() const override { return u"CallsOnDrop"; }

private:
    CallStack &m_stack;
};

TEST(CallStack, CellsStayInPlaceWhileMoreAreTaken)
{
    CallStack stack;
    CallCell *first = stack.take(1000);
    first[999].value = Value::string(u"kept");
    // Beyond the first block, and one call bigger than any block.
    CallCell *second = stack.take(100);
    CallCell *huge = stack.take(5000);
    second[0].value = Value::integer(1);
    huge[4999].value = Value::integer(2);
    EXPECT_EQ(first[999].value.rawString(), u"kept");
}

TEST(CallStack, GivesBackAcrossBlocksAndReusesTheRoom)
{
    CallStack stack;
    CallStack::Mark start = stack.mark();
    CallCell *a = stack.take(1000);
    CallStack::Mark afterA = stack.mark();
    stack.take(100);
    stack.take(2000);
    stack.release(afterA);
    EXPECT_EQ(stack.take(24), a + 1000); // the rest of the first block
    stack.release(start);
    EXPECT_EQ(stack.take(1), a);
}

TEST(CallStack, ReleaseDropsWhatTheCellsHeld)
{
    CallStack stack;
    int alive = 0;
    CallStack::Mark mark = stack.mark();
    CallCell *cells = stack.take(2000);
    cells[0].value = Value::object(std::make_shared<Counted>(alive));
    cells[1999].value = Value::object(std::make_shared<Counted>(alive));
    cells[5].slot = &cells[0].value;
    EXPECT_EQ(alive, 2);
    stack.release(mark);
    EXPECT_EQ(alive, 0);
    CallCell *again = stack.take(6);
    EXPECT_TRUE(again[0].value.isPlain());
    EXPECT_EQ(again[5].slot, nullptr);
}

TEST(CallStack, ADroppedValueMayRunACallOfItsOwn)
{
    CallStack stack;
    CallStack::Mark mark = stack.mark();
    CallCell *outer = stack.take(4);
    outer[0].value = Value::string(u"below");
    CallStack::Mark inner = stack.mark();
    CallCell *cells = stack.take(3);
    cells[0].value = Value::object(std::make_shared<CallsOnDrop>(stack));
    cells[2].value = Value::object(std::make_shared<CallsOnDrop>(stack));
    stack.release(inner);
    EXPECT_EQ(outer[0].value.rawString(), u"below");
    EXPECT_EQ(stack.take(1), outer + 4); // everything above the inner mark came back
    stack.release(mark);
}

} // namespace
