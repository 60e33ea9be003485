// Expressions that name something: variables, procedures and builtins by name, members
// of objects, indexes into values, New; and the argument lists they take.
#include "vbs/err_object.h"
#include "vbs/interpreter.h"
#include "vbs/operators.h"
#include "vbs/script_object.h"

namespace tabulo::vbs {

std::vector<Value> Interpreter::evalArgs(const ArgList &args, Frame &frame)
{
    std::vector<Value> values;
    values.reserve(args.items.size());
    for (const auto &a : args.items)
        values.push_back(a ? eval(*a, frame) : Value::missing());
    return values;
}

// Reading `name(args)` where name holds a value: an array element, an object's
// default member, or (without arguments) the value itself.
Value Interpreter::index(const Value &target, const ArgList &args, Frame &frame)
{
    if (!args.parens && args.items.empty())
        return target;
    if (target.isArray()) {
        std::int32_t small[8];
        std::vector<std::int32_t> large;
        std::int32_t *indices = small;
        if (args.items.size() > 8) {
            large.resize(args.items.size());
            indices = large.data();
        }
        for (std::size_t i = 0; i < args.items.size(); ++i) {
            if (!args.items[i])
                raise(err::SubscriptOutOfRange);
            indices[i] = toLong(eval(*args.items[i], frame), m_locale);
        }
        // Read the array only now: evaluating an index may have replaced it.
        if (!target.isArray())
            raise(err::TypeMismatch);
        const ArrayData &a = target.rawArray();
        std::int64_t offset = a.offsetOf(std::span<const std::int32_t>(indices, args.items.size()));
        if (offset < 0)
            raise(err::SubscriptOutOfRange);
        return a.items[std::size_t(offset)];
    }
    if (target.isObject()) {
        if (!target.rawObject())
            raise(err::ObjectVariableNotSet);
        std::vector<Value> values = evalArgs(args, frame);
        return target.rawObject()->invoke(u"", values);
    }
    if (args.items.empty())
        return target; // x() on a plain value
    raise(err::TypeMismatch);
}

Value *Interpreter::variableSlot(const NameExpr &n, Frame &frame)
{
    const NameScope scope = liveScope(n);
    const int slot = liveSlot(n, scope);
    switch (scope) {
    case NameScope::Local:
        if (n.undeclared && m_optionExplicit)
            raise(err::VariableUndefined);
        return std::size_t(slot) < frame.localCount ? frame.local(std::size_t(slot)) : nullptr;
    case NameScope::Field:
        return frame.me ? &frame.me->fields()[std::size_t(n.slot)] : nullptr;
    case NameScope::Global: {
        GlobalEntry &entry = m_globals[n.slot];
        if (entry.kind == GlobalEntry::Kind::Variable)
            return &entry.value;
        if (entry.kind == GlobalEntry::Kind::Unset) {
            if (m_optionExplicit)
                raise(err::VariableUndefined);
            entry.kind = GlobalEntry::Kind::Variable;
            return &entry.value;
        }
        return nullptr;
    }
    default:
        return nullptr;
    }
}

Value Interpreter::evalName(const NameExpr &n, Frame &frame)
{
    const NameScope scope = liveScope(n);
    switch (scope) {
    case NameScope::Local: {
        if (n.undeclared && m_optionExplicit)
            raise(err::VariableUndefined);
        const int slot = liveSlot(n, scope);
        if (std::size_t(slot) >= frame.localCount)
            raise(err::VariableUndefined);
        const Value &v = *frame.local(std::size_t(slot));
        if (!n.args.parens && n.args.items.empty())
            return v;
        return index(v, n.args, frame);
    }
    case NameScope::Field: {
        if (!frame.me)
            raise(err::ObjectRequired);
        const Value &v = frame.me->fields()[std::size_t(n.slot)];
        if (!n.args.parens && n.args.items.empty())
            return v;
        return index(v, n.args, frame);
    }
    case NameScope::ClassMember: {
        if (!frame.me)
            raise(err::ObjectRequired);
        std::vector<Value> args = evalArgs(n.args, frame);
        return invokeMember(*frame.me, n.folded, args, true);
    }
    case NameScope::Global: {
        GlobalEntry &entry = m_globals[n.slot];
        switch (entry.kind) {
        case GlobalEntry::Kind::Procedure:
            return callProcedure(*entry.procedure, nullptr, n.args, frame);
        case GlobalEntry::Kind::Unset:
            // Calling a name that is no procedure, f() or f(1), is a type mismatch.
            if (n.args.parens)
                raise(err::TypeMismatch);
            if (m_optionExplicit)
                raise(err::VariableUndefined);
            return Value();
        default: {
            if (!n.args.parens && n.args.items.empty())
                return entry.value;
            Value target = entry.value; // the arguments may change the variable
            return index(target, n.args, frame);
        }
        }
    }
    case NameScope::Builtin:
        return callBuiltin(*n.builtin, n.args, frame);
    case NameScope::Constant:
        return n.constant;
    case NameScope::Err:
        if (n.args.parens && !n.args.items.empty())
            raise(err::WrongArgumentCount);
        return Value::object(m_err);
    case NameScope::GlobalOrLocal:
    case NameScope::Unresolved:
        break;
    }
    raise(err::VariableUndefined);
}

Value Interpreter::callBuiltin(const Builtin &b, const ArgList &args, Frame &frame)
{
    if (args.items.size() < b.minArgs || args.items.size() > b.maxArgs)
        raise(err::WrongArgumentCount);
    Value small[4];
    std::vector<Value> large;
    Value *values = small;
    if (args.items.size() > 4) {
        large.resize(args.items.size());
        values = large.data();
    }
    for (std::size_t i = 0; i < args.items.size(); ++i)
        values[i] = args.items[i] ? eval(*args.items[i], frame) : Value::missing();
    CallContext call(*this, Args(values, args.items.size()));
    const auto current = running(frame);
    return b.function(call);
}

Value Interpreter::objectOf(const MemberExpr &m, Frame &frame)
{
    if (!m.object) {
        if (std::size_t(m.withDepth) >= frame.withObjects.size())
            raise(err::ObjectRequired);
        return frame.withObjects[std::size_t(m.withDepth)];
    }
    Value object = eval(*m.object, frame);
    if (!object.isObject())
        raise(err::ObjectRequired);
    if (!object.rawObject())
        raise(err::ObjectVariableNotSet);
    return object;
}

Value Interpreter::evalMember(const MemberExpr &m, Frame &frame)
{
    Value object = objectOf(m, frame);
    if (auto *script = dynamic_cast<ScriptObject *>(object.rawObject().get())) {
        // Methods of script classes take ByRef arguments: pass the variables themselves.
        const bool inside = script == frame.me;
        if (const Procedure *p = readableMember(script->cls(), foldName(m.name), inside)) {
            // obj.Items(0) on a property without parameters indexes what it returns.
            if (p->params.empty() && !m.args.items.empty()) {
                const ArgList none;
                return index(callProcedure(*p, script, none, frame), m.args, frame);
            }
            return callProcedure(*p, script, m.args, frame);
        }
        std::vector<Value> args = evalArgs(m.args, frame);
        return invokeMember(*script, m.name, args, inside);
    }
    std::vector<Value> args = evalArgs(m.args, frame);
    const auto current = running(frame);
    const std::shared_ptr<Object> &target = object.rawObject();
    if (args.empty())
        return target->invoke(m.name, args);
    try {
        return target->invoke(m.name, args);
    } catch (const ScriptException &e) {
        // match.SubMatches(0): a property without parameters, then its default member
        // with the arguments, as the language reads it.
        if (e.error().number != err::WrongArgumentCount)
            throw;
    }
    Value member = target->invoke(m.name, {});
    if (!member.isObject() && !member.isArray())
        raise(err::WrongArgumentCount);
    return indexValue(member, args);
}

Value Interpreter::evalNew(const NewExpr &n)
{
    std::u16string folded = foldName(n.className);
    if (auto it = m_classes.find(folded); it != m_classes.end())
        return Value::object(instantiate(*it->second));
    if (auto it = m_newClasses.find(folded); it != m_newClasses.end())
        return Value::object(it->second->make(*this));
    raise(err::ClassNotDefined);
}

} // namespace tabulo::vbs
