// Procedures, class instances, members and assignment.
#include "err_object.h"
#include "interpreter.h"
#include "operators.h"
#include "script_object.h"

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
    Frame *saved = m_currentFrame;
    m_currentFrame = &frame;
    struct Restore
    {
        Frame *&f;
        Frame *v;
        ~Restore() { f = v; }
    } restore {m_currentFrame, saved};
    execBlock(p.body, frame);
    if (p.resultSlot >= 0)
        return std::move(locals[std::size_t(p.resultSlot)].value);
    return Value();
}

const Procedure *Interpreter::readableMember(const ClassDecl &cls, const std::u16string &folded, bool fromInside) const
{
    const std::u16string &name = folded.empty() ? cls.defaultMember : folded;
    if (name.empty())
        return nullptr;
    if (const Procedure *m = cls.method(name))
        return (m->isPublic || fromInside) ? m : nullptr;
    if (const PropertySet *p = cls.property(name))
        if (p->get && (p->get->isPublic || fromInside))
            return p->get;
    return nullptr;
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

Value Interpreter::invokeMember(ScriptObject &self, std::u16string_view name, Args args, bool fromInside)
{
    const ClassDecl &cls = self.cls();
    std::u16string folded = foldName(name);
    if (folded.empty()) {
        if (cls.defaultMember.empty())
            raise(err::NoSuchMember);
        folded = cls.defaultMember;
    }
    if (const Procedure *p = readableMember(cls, folded, fromInside)) {
        if (p->params.empty() && !args.empty())
            return indexValue(callWithValues(*p, &self, {}), args);
        return callWithValues(*p, &self, args);
    }
    int field = cls.fieldIndex(folded);
    if (field >= 0 && (cls.fields[std::size_t(field)].isPublic || fromInside))
        return indexValue(self.fields()[std::size_t(field)], args);
    raise(err::NoSuchMember);
}

void Interpreter::assignMember(
    ScriptObject &self, std::u16string_view name, Args args, const Value &value, bool isSet, bool fromInside)
{
    const ClassDecl &cls = self.cls();
    std::u16string folded = foldName(name);
    if (folded.empty()) {
        if (cls.defaultMember.empty())
            raise(err::NoSuchMember);
        folded = cls.defaultMember;
    }
    if (const PropertySet *p = cls.property(folded)) {
        const Procedure *proc = isSet ? p->set : p->let;
        if (!proc)
            proc = isSet ? p->let : p->set;
        if (!proc || (!proc->isPublic && !fromInside))
            raise(err::NoSuchMember);
        std::vector<Value> all(args.begin(), args.end());
        all.push_back(value);
        callWithValues(*proc, &self, all);
        return;
    }
    int field = cls.fieldIndex(folded);
    if (field >= 0 && (cls.fields[std::size_t(field)].isPublic || fromInside)) {
        Value &slot = self.fields()[std::size_t(field)];
        if (args.empty())
            storeVariable(slot, value, isSet);
        else
            assignElement(slot, args, value, isSet);
        return;
    }
    raise(err::NoSuchMember);
}

void Interpreter::storeVariable(Value &slot, Value value, bool isSet)
{
    if (isSet) {
        if (!value.isObject())
            raise(err::ObjectRequired);
    } else if (value.isObject()) {
        value = valueOf(value);
    }
    slot = std::move(value);
}

void Interpreter::assignElement(Value &slot, Args indices, Value value, bool isSet)
{
    if (slot.isArray()) {
        std::vector<std::int32_t> at;
        for (const Value &v : indices)
            at.push_back(toLong(v, m_locale));
        std::int64_t offset = slot.rawArray().offsetOf(at);
        if (offset < 0)
            raise(err::SubscriptOutOfRange);
        if (isSet && !value.isObject())
            raise(err::ObjectRequired);
        if (!isSet && value.isObject())
            value = valueOf(value);
        slot.mutableArray().items[std::size_t(offset)] = std::move(value);
        return;
    }
    if (slot.isObject()) {
        if (!slot.rawObject())
            raise(err::ObjectVariableNotSet);
        std::shared_ptr<Object> object = slot.rawObject();
        object->assign(u"", indices, value, isSet);
        return;
    }
    raise(err::TypeMismatch);
}

void Interpreter::assignTo(const Expr &target, Value value, bool isSet, Frame &frame)
{
    // A Let assignment takes the value of an object (its default member), wherever it goes.
    if (!isSet && value.isObject())
        value = valueOf(value);
    switch (target.kind) {
    case ExprKind::Name: {
        const auto &n = static_cast<const NameExpr &>(target);
        const bool indexed = n.args.parens && !n.args.items.empty();
        if (n.scope == NameScope::ClassMember) {
            if (!frame.me)
                raise(err::ObjectRequired);
            std::vector<Value> args = evalArgs(n.args, frame);
            assignMember(*frame.me, n.folded, args, value, isSet, true);
            return;
        }
        if (liveScope(n) == NameScope::Global) {
            GlobalEntry &entry = m_globals[n.slot];
            if (entry.kind == GlobalEntry::Kind::HostObject) {
                // A named host object is not a variable: a plain assignment writes its
                // default member (TotX = 5 sets the box's text).
                if (isSet)
                    raise(err::IllegalAssignment);
                std::vector<Value> args = evalArgs(n.args, frame);
                std::shared_ptr<Object> object = entry.value.rawObject();
                if (!object)
                    raise(err::ObjectVariableNotSet);
                object->assign(u"", args, value, false);
                return;
            }
            if (entry.kind == GlobalEntry::Kind::Constant || entry.kind == GlobalEntry::Kind::Procedure)
                raise(err::IllegalAssignment);
        }
        if (n.scope == NameScope::Builtin || n.scope == NameScope::Constant || n.scope == NameScope::Err)
            raise(err::IllegalAssignment);
        if (indexed) {
            std::vector<Value> args = evalArgs(n.args, frame);
            Value *slot = variableSlot(n, frame);
            if (!slot)
                raise(err::TypeMismatch);
            assignElement(*slot, args, std::move(value), isSet);
            return;
        }
        Value *slot = variableSlot(n, frame);
        if (!slot)
            raise(err::IllegalAssignment);
        storeVariable(*slot, std::move(value), isSet);
        return;
    }
    case ExprKind::Member: {
        const auto &m = static_cast<const MemberExpr &>(target);
        Value object = objectOf(m, frame);
        std::vector<Value> args = evalArgs(m.args, frame);
        if (auto *script = dynamic_cast<ScriptObject *>(object.rawObject().get())) {
            assignMember(*script, m.name, args, value, isSet, script == frame.me);
            return;
        }
        object.rawObject()->assign(m.name, args, value, isSet);
        return;
    }
    case ExprKind::Index: {
        const auto &ix = static_cast<const IndexExpr &>(target);
        if (Value *element = nestedElement(ix, frame)) {
            storeVariable(*element, std::move(value), isSet);
            return;
        }
        Value holder = eval(*ix.target, frame);
        std::vector<Value> args = evalArgs(ix.args, frame);
        if (!holder.isObject())
            raise(err::IllegalAssignment);
        if (!holder.rawObject())
            raise(err::ObjectVariableNotSet);
        holder.rawObject()->assign(u"", args, value, isSet);
        return;
    }
    default:
        raise(err::IllegalAssignment);
    }
}

// a(1)(2) = v on an array of arrays: every index is evaluated first, then the arrays
// are walked (each made unshared) down to the element.
Value *Interpreter::nestedElement(const IndexExpr &ix, Frame &frame)
{
    std::vector<const ArgList *> lists;
    const Expr *e = &ix;
    while (e->kind == ExprKind::Index) {
        lists.push_back(&static_cast<const IndexExpr *>(e)->args);
        e = static_cast<const IndexExpr *>(e)->target.get();
    }
    if (e->kind != ExprKind::Name)
        return nullptr;
    const auto &n = static_cast<const NameExpr &>(*e);
    if (n.args.items.empty())
        return nullptr;
    lists.push_back(&n.args);
    std::vector<std::vector<std::int32_t>> indices;
    for (auto it = lists.rbegin(); it != lists.rend(); ++it) {
        std::vector<std::int32_t> &at = indices.emplace_back();
        for (const auto &item : (*it)->items) {
            if (!item)
                raise(err::SubscriptOutOfRange);
            at.push_back(toLong(eval(*item, frame), m_locale));
        }
    }
    Value *slot = variableSlot(n, frame);
    for (const auto &at : indices) {
        if (!slot || !slot->isArray())
            return nullptr;
        std::int64_t offset = slot->rawArray().offsetOf(at);
        if (offset < 0)
            raise(err::SubscriptOutOfRange);
        slot = &slot->mutableArray().items[std::size_t(offset)];
    }
    return slot;
}

std::shared_ptr<ScriptObject> Interpreter::instantiate(const ClassDecl &cls)
{
    auto object = std::make_shared<ScriptObject>(*this, cls);
    Frame frame;
    for (std::size_t i = 0; i < cls.fields.size(); ++i) {
        const FieldDecl &f = cls.fields[i];
        if (!f.isArray)
            continue;
        Value array;
        if (f.bounds.empty()) {
            array = Value::array(std::vector<Value> {});
            array.mutableArray().dims.clear();
        } else {
            std::vector<std::int32_t> upper;
            for (const auto &b : f.bounds)
                upper.push_back(toLong(eval(*b, frame), m_locale));
            array = Value::array(std::span<const std::int32_t>(upper));
            array.mutableArray().fixedSize = true;
        }
        object->fields()[i] = std::move(array);
    }
    if (cls.initialize)
        callWithValues(*cls.initialize, object.get(), {});
    return object;
}

void Interpreter::runTerminate(ScriptObject &self)
{
    if (!self.cls().terminate || m_aborting)
        return;
    try {
        callWithValues(*self.cls().terminate, &self, {});
    } catch (const ScriptException &) {
        // An error in Class_Terminate has nowhere to go: the object is already gone
        // from the script's point of view.
    } catch (...) {
        // Nothing may leave a destructor; a host object's own exception included.
    }
}

// --- ScriptObject ----------------------------------------------------------------------

ScriptObject::ScriptObject(Interpreter &interpreter, const ClassDecl &cls)
    : m_interpreter(interpreter)
    , m_interpreterAlive(interpreter.alive())
    , m_cls(cls)
    , m_className(cls.name)
    , m_fields(cls.fields.size())
{
}

ScriptObject::~ScriptObject()
{
    if (*m_interpreterAlive && m_cls.terminate) {
        m_terminating = true;
        m_interpreter.runTerminate(*this);
    }
}

Value ScriptObject::invoke(std::u16string_view name, Args args)
{
    if (!*m_interpreterAlive)
        raise(err::ObjectRequired);
    return m_interpreter.invokeMember(*this, name, args, false);
}

void ScriptObject::assign(std::u16string_view name, Args args, const Value &value, bool isSet)
{
    if (!*m_interpreterAlive)
        raise(err::ObjectRequired);
    m_interpreter.assignMember(*this, name, args, value, isSet, false);
}

std::vector<Value> ScriptObject::enumerate()
{
    raise(err::NotACollection);
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
