// Procedures: calls with their arguments and locals, and reading an indexed value.
#include "vbs/err_object.h"
#include "vbs/interpreter.h"
#include "vbs/operators.h"
#include "vbs/script_object.h"

namespace tabulo::vbs {

namespace {
// Room on the interpreter's call stack for one call, given back however the call ends.
class CallRoom
{
public:
    explicit CallRoom(CallStack &stack)
        : m_stack(stack)
        , m_mark(stack.mark())
    {
    }
    ~CallRoom() { m_stack.release(m_mark); }
    CallRoom(const CallRoom &) = delete;
    CallRoom &operator=(const CallRoom &) = delete;

private:
    CallStack &m_stack;
    CallStack::Mark m_mark;
};
} // namespace

Value Interpreter::callProcedure(const Procedure &p, ScriptObject *me, const ArgList &args, Frame &caller)
{
    const std::size_t count = args.items.size();
    if (count != p.params.size())
        raise(err::WrongArgumentCount);
    // The arguments, then the procedure's locals: one piece of the call stack.
    CallRoom room(m_callStack);
    CallCell *arguments = m_callStack.take(count + std::size_t(p.slotCount));
    // An array element passed ByRef is copied in and written back after the call: a
    // pointer into the array could dangle if the procedure resized it.
    struct WriteBack
    {
        Value *array;
        std::vector<std::int32_t> indices;
        std::size_t arg;
    };
    std::unique_ptr<std::vector<WriteBack>> writeBacks; // made only when needed: calls are hot
    for (std::size_t i = 0; i < count; ++i) {
        const Expr *e = args.items[i].get();
        CallCell &argument = arguments[i];
        argument.slot = &argument.value;
        if (!e) {
            argument.value = Value::missing();
            continue;
        }
        if (p.params[i].byRef && e->kind == ExprKind::Name) {
            const auto &n = static_cast<const NameExpr &>(*e);
            Value *slot = variableSlot(n, caller);
            if (slot && !n.args.parens) {
                argument.slot = slot;
                continue;
            }
            if (slot && slot->isArray() && !n.args.items.empty()) {
                std::vector<std::int32_t> indices;
                for (const auto &index : n.args.items) {
                    if (!index)
                        raise(err::SubscriptOutOfRange);
                    indices.push_back(toLong(eval(*index, caller), m_locale));
                }
                std::int64_t offset = slot->rawArray().offsetOf(indices);
                if (offset < 0)
                    raise(err::SubscriptOutOfRange);
                argument.value = slot->rawArray().items[std::size_t(offset)];
                if (!writeBacks)
                    writeBacks = std::make_unique<std::vector<WriteBack>>();
                writeBacks->push_back({slot, std::move(indices), i});
                continue;
            }
        }
        argument.value = eval(*e, caller);
    }
    Value result = runProcedure(p, me, arguments, count, arguments + count);
    if (!writeBacks)
        return result;
    for (WriteBack &w : *writeBacks) {
        if (!w.array->isArray())
            continue;
        std::int64_t offset = w.array->rawArray().offsetOf(w.indices);
        if (offset >= 0)
            w.array->mutableArray().items[std::size_t(offset)] = std::move(arguments[w.arg].value);
    }
    return result;
}

Value Interpreter::callWithValues(const Procedure &p, ScriptObject *me, Args args)
{
    if (args.size() != p.params.size())
        raise(err::WrongArgumentCount);
    CallRoom room(m_callStack);
    CallCell *arguments = m_callStack.take(args.size() + std::size_t(p.slotCount));
    for (std::size_t i = 0; i < args.size(); ++i)
        arguments[i].slot = &args[i];
    return runProcedure(p, me, arguments, args.size(), arguments + args.size());
}

Value Interpreter::runProcedure(
    const Procedure &p, ScriptObject *me, const CallCell *arguments, std::size_t count, CallCell *locals)
{
    enterCall();
    struct Leave
    {
        Interpreter *i;
        ~Leave() { i->leaveCall(); }
    } leave {this};
    // The instance must outlive its own method, even if the method drops the last
    // reference the script held (Set x = Nothing inside x.Method).
    std::shared_ptr<ScriptObject> keepAlive = me ? me->weak_from_this().lock() : nullptr;
    const std::size_t localCount = std::size_t(p.slotCount);
    for (std::size_t i = 0; i < localCount; ++i) {
        locals[i].value = Value();
        locals[i].slot = &locals[i].value;
    }
    for (std::size_t i = 0; i < count && i < localCount; ++i) {
        if (p.params[i].byRef)
            locals[i].slot = arguments[i].slot;
        else
            locals[i].value = *arguments[i].slot;
    }
    Frame frame;
    frame.procedure = &p;
    frame.me = me;
    frame.locals = locals;
    frame.localCount = localCount;
    const auto current = running(frame);
    execBlock(p.body, frame);
    if (p.resultSlot >= 0)
        return std::move(locals[std::size_t(p.resultSlot)].value);
    return Value();
}

Value Interpreter::indexValue(const Value &target, Args indices)
{
    if (indices.empty())
        return target;
    if (target.isArray()) {
        std::vector<std::int32_t> at;
        for (const Value &v : indices)
            at.push_back(toLong(v, m_locale));
        std::int64_t offset = target.rawArray().offsetOf(at);
        if (offset < 0)
            raise(err::SubscriptOutOfRange);
        return target.rawArray().items[std::size_t(offset)];
    }
    if (target.isObject()) {
        if (!target.rawObject())
            raise(err::ObjectVariableNotSet);
        return target.rawObject()->invoke(u"", indices);
    }
    raise(err::TypeMismatch);
}

ProcedureReference::ProcedureReference(Interpreter &interpreter, const Procedure &procedure)
    : m_interpreter(interpreter)
    , m_interpreterAlive(interpreter.alive())
    , m_procedure(procedure)
{
}

Value ProcedureReference::invoke(std::u16string_view name, Args args)
{
    if (!name.empty() || !*m_interpreterAlive)
        raise(err::NoSuchMember);
    return m_interpreter.callWithValues(m_procedure, nullptr, args);
}

} // namespace tabulo::vbs
