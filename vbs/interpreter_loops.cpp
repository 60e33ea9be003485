// The loops: For (whole-number counters in 64 bits), For Each, Do and While.
#include <cmath>

#include "vbs/err_object.h"
#include "vbs/interpreter.h"
#include "vbs/operators.h"
#include "vbs/script_object.h"

namespace tabulo::vbs {

namespace {
bool isWholeNumber(const Value &v)
{
    return v.type() == Type::Integer || v.type() == Type::Long || v.type() == Type::Byte;
}
} // namespace

Flow Interpreter::execFor(const ForStmt &s, Frame &frame)
{
    const auto &var = static_cast<const NameExpr &>(*s.variable);
    // The bounds and the step are evaluated once, before the first pass.
    Value from = toNumeric(eval(*s.from, frame), m_locale);
    Value to = toNumeric(eval(*s.to, frame), m_locale);
    Value step = s.step ? toNumeric(eval(*s.step, frame), m_locale) : Value::integer(1);
    if (from.isNull() || to.isNull() || step.isNull())
        raise(err::InvalidUseOfNull);
    assignTo(var, from, false, frame);
    if (isWholeNumber(from) && isWholeNumber(to) && isWholeNumber(step)) {
        // Whole-number loops count in 64 bits; the variable shows the counter.
        const std::int64_t last = toLong(to, m_locale);
        const std::int64_t increment = toLong(step, m_locale);
        const bool wide = from.type() == Type::Long || to.type() == Type::Long || step.type() == Type::Long;
        for (;;) {
            Value *slot = variableSlot(var, frame);
            std::int64_t current;
            if (slot && isWholeNumber(*slot))
                current = slot->type() == Type::Integer ? slot->rawInteger()
                    : slot->type() == Type::Long        ? slot->rawLong()
                                                        : slot->rawByte();
            else
                current = std::int64_t(toDouble(slot ? *slot : eval(var, frame), m_locale));
            if (increment >= 0 ? current > last : current < last)
                break;
            Flow flow = execBlock(s.body, frame);
            if (flow == Flow::ExitFor)
                break;
            if (flow != Flow::Normal)
                return flow;
            tick();
            slot = variableSlot(var, frame);
            std::int64_t now;
            if (slot && isWholeNumber(*slot))
                now = slot->type() == Type::Integer ? slot->rawInteger()
                    : slot->type() == Type::Long    ? slot->rawLong()
                                                    : slot->rawByte();
            else {
                assignTo(var, add(eval(var, frame), step, m_locale), false, frame);
                continue;
            }
            std::int64_t next = now + increment;
            Value nextValue = (!wide && next >= -32768 && next <= 32767) ? Value::integer(std::int16_t(next))
                : (next >= INT32_MIN && next <= INT32_MAX)               ? Value::longValue(std::int32_t(next))
                                                                         : Value::number(double(next));
            if (slot)
                *slot = std::move(nextValue);
            else
                assignTo(var, std::move(nextValue), false, frame);
        }
        return Flow::Normal;
    }
    const double direction = toDouble(step, m_locale);
    for (;;) {
        Value current = eval(var, frame);
        Ordering o = compare(current, to, m_locale);
        if (direction >= 0 ? o == Ordering::Greater : o == Ordering::Less)
            break;
        Flow flow = execBlock(s.body, frame);
        if (flow == Flow::ExitFor)
            break;
        if (flow != Flow::Normal)
            return flow;
        tick();
        assignTo(var, add(eval(var, frame), step, m_locale), false, frame);
    }
    return Flow::Normal;
}

Flow Interpreter::execForEach(const ForEachStmt &s, Frame &frame)
{
    Value collection = eval(*s.collection, frame);
    std::vector<Value> items;
    if (collection.isArray()) {
        items = collection.rawArray().items; // a snapshot: the body may change the array
    } else if (collection.isObject()) {
        if (!collection.rawObject())
            raise(err::ObjectRequired);
        items = collection.rawObject()->enumerate();
    } else {
        raise(err::NotACollection);
    }
    for (Value &item : items) {
        const bool isObject = item.isObject();
        assignTo(*s.variable, std::move(item), isObject, frame);
        Flow flow = execBlock(s.body, frame);
        if (flow == Flow::ExitFor)
            break;
        if (flow != Flow::Normal)
            return flow;
        tick();
    }
    return Flow::Normal;
}

Flow Interpreter::execDo(const DoStmt &s, Frame &frame)
{
    for (;;) {
        if (s.condition && s.testFirst && truth(*s.condition, frame) == s.until)
            break;
        Flow flow = execBlock(s.body, frame);
        if (flow == Flow::ExitDo)
            break;
        if (flow != Flow::Normal)
            return flow;
        tick();
        if (s.condition && !s.testFirst && truth(*s.condition, frame) == s.until)
            break;
    }
    return Flow::Normal;
}

Flow Interpreter::execWhile(const WhileStmt &s, Frame &frame)
{
    while (truth(*s.condition, frame)) {
        Flow flow = execBlock(s.body, frame);
        if (flow != Flow::Normal)
            return flow;
        tick();
    }
    return Flow::Normal;
}

} // namespace tabulo::vbs
