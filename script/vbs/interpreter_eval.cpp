// Expressions.
#include "err_object.h"
#include "interpreter.h"
#include "operators.h"
#include "script_object.h"

namespace tabulo::vbs {

// Kept small, the rarer kinds in functions of their own: every node of every expression
// passes through here.
Value Interpreter::eval(const Expr &e, Frame &frame)
{
    switch (e.kind) {
    case ExprKind::Literal:
        return static_cast<const LiteralExpr &>(e).value;
    case ExprKind::Name: {
        const auto &n = static_cast<const NameExpr &>(e);
        if (const Value *v = plainValue(n, frame))
            return *v;
        if (n.scope == NameScope::Global && m_globals[n.slot].kind == GlobalEntry::Kind::Procedure)
            return callProcedure(*m_globals[n.slot].procedure, nullptr, n.args, frame);
        return evalName(n, frame);
    }
    case ExprKind::Binary:
        return evalBinary(static_cast<const BinaryExpr &>(e), frame);
    case ExprKind::Member:
        return evalMember(static_cast<const MemberExpr &>(e), frame);
    case ExprKind::Index:
        return evalIndex(static_cast<const IndexExpr &>(e), frame);
    case ExprKind::Unary:
        return evalUnary(static_cast<const UnaryExpr &>(e), frame);
    case ExprKind::Paren:
        return eval(*static_cast<const ParenExpr &>(e).inner, frame);
    case ExprKind::New:
        return evalNew(static_cast<const NewExpr &>(e));
    case ExprKind::Me:
        return meValue(frame);
    }
    return Value();
}

Value Interpreter::evalIndex(const IndexExpr &ix, Frame &frame)
{
    Value target = eval(*ix.target, frame);
    return index(target, ix.args, frame);
}

Value Interpreter::evalUnary(const UnaryExpr &u, Frame &frame)
{
    Value v = eval(*u.operand, frame);
    switch (u.op) {
    case UnaryOp::Negate:
        return negate(v, m_locale);
    case UnaryOp::Not:
        return logicalNot(v, m_locale);
    case UnaryOp::Plus:
        return v.isObject() ? valueOf(v) : v;
    }
    return v;
}

Value Interpreter::meValue(Frame &frame) const
{
    if (!frame.me)
        raise(err::InvalidMe, u"Invalid use of 'Me' keyword");
    // While Class_Terminate runs the object can no longer be shared.
    std::shared_ptr<ScriptObject> self = frame.me->weak_from_this().lock();
    if (!self)
        return Value::nothing();
    return Value::object(std::move(self));
}

// A constant in the source: 10, "10", -1 (the parser makes -1 a negated literal).
bool isLiteral(const Expr &e)
{
    if (e.kind == ExprKind::Literal)
        return true;
    if (e.kind == ExprKind::Unary)
        return isLiteral(*static_cast<const UnaryExpr &>(e).operand);
    if (e.kind == ExprKind::Paren)
        return isLiteral(*static_cast<const ParenExpr &>(e).inner);
    return false;
}

namespace {
bool isWholeNumber(const Value &v)
{
    return v.type() == Type::Integer || v.type() == Type::Long;
}

// Integer and Long operands, those of counters and recursion, with the general rules
// worked out: the result is an Integer when both are, a Long otherwise, and widens
// (to Long, then Double) only when it does not fit. False for other operators.
bool wholeNumberOperation(BinaryOp op, const Value &left, const Value &right, Value &result)
{
    const bool bothInteger = left.type() == Type::Integer && right.type() == Type::Integer;
    const std::int64_t a = left.type() == Type::Integer ? left.rawInteger() : left.rawLong();
    const std::int64_t b = right.type() == Type::Integer ? right.rawInteger() : right.rawLong();
    std::int64_t r;
    switch (op) {
    case BinaryOp::Add:
        r = a + b;
        break;
    case BinaryOp::Subtract:
        r = a - b;
        break;
    case BinaryOp::Multiply:
        r = a * b;
        break;
    case BinaryOp::Equal:
        result = Value::boolean(a == b);
        return true;
    case BinaryOp::NotEqual:
        result = Value::boolean(a != b);
        return true;
    case BinaryOp::Less:
        result = Value::boolean(a < b);
        return true;
    case BinaryOp::LessEqual:
        result = Value::boolean(a <= b);
        return true;
    case BinaryOp::Greater:
        result = Value::boolean(a > b);
        return true;
    case BinaryOp::GreaterEqual:
        result = Value::boolean(a >= b);
        return true;
    default:
        return false;
    }
    if (bothInteger && r >= INT16_MIN && r <= INT16_MAX)
        result = Value::integer(std::int16_t(r));
    else if (r >= INT32_MIN && r <= INT32_MAX)
        result = Value::longValue(std::int32_t(r));
    else
        result = Value::number(double(r));
    return true;
}
} // namespace

Value Interpreter::evalBinary(const BinaryExpr &b, Frame &frame)
{
    Value left = eval(*b.left, frame);
    Value right = eval(*b.right, frame);
    if (isWholeNumber(left) && isWholeNumber(right)) {
        Value result;
        if (wholeNumberOperation(b.op, left, right, result))
            return result;
    }
    auto comparison = [&] {
        CompareHints hints;
        hints.leftIsLiteral = isLiteral(*b.left);
        hints.rightIsLiteral = isLiteral(*b.right);
        return compare(left, right, m_locale, hints);
    };
    switch (b.op) {
    case BinaryOp::Add:
        return add(left, right, m_locale);
    case BinaryOp::Subtract:
        return subtract(left, right, m_locale);
    case BinaryOp::Multiply:
        return multiply(left, right, m_locale);
    case BinaryOp::Divide:
        return divide(left, right, m_locale);
    case BinaryOp::IntDivide:
        return integerDivide(left, right, m_locale);
    case BinaryOp::Mod:
        return modulo(left, right, m_locale);
    case BinaryOp::Power:
        return power(left, right, m_locale);
    case BinaryOp::Concat:
        // a & b & c: the left side is mostly the fresh result of the & before it,
        // which then grows where it is instead of being copied at every step.
        if (left.isString()) {
            if (right.isString())
                left.appendString(right.rawString());
            else if (!right.isNull())
                left.appendString(toString(right, m_locale));
            return left;
        }
        return concatenate(left, right, m_locale);
    case BinaryOp::And:
        return logicalAnd(left, right, m_locale);
    case BinaryOp::Or:
        return logicalOr(left, right, m_locale);
    case BinaryOp::Xor:
        return logicalXor(left, right, m_locale);
    case BinaryOp::Eqv:
        return logicalEqv(left, right, m_locale);
    case BinaryOp::Imp:
        return logicalImp(left, right, m_locale);
    case BinaryOp::Is:
        return Value::boolean(sameObject(left, right));
    case BinaryOp::Equal:
    case BinaryOp::NotEqual:
    case BinaryOp::Less:
    case BinaryOp::LessEqual:
    case BinaryOp::Greater:
    case BinaryOp::GreaterEqual: {
        Ordering o = comparison();
        if (o == Ordering::Null)
            return Value::null();
        switch (b.op) {
        case BinaryOp::Equal:
            return Value::boolean(o == Ordering::Equal);
        case BinaryOp::NotEqual:
            return Value::boolean(o != Ordering::Equal);
        case BinaryOp::Less:
            return Value::boolean(o == Ordering::Less);
        case BinaryOp::LessEqual:
            return Value::boolean(o != Ordering::Greater);
        case BinaryOp::Greater:
            return Value::boolean(o == Ordering::Greater);
        default:
            return Value::boolean(o != Ordering::Less);
        }
    }
    }
    return Value();
}

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
    Frame *saved = m_currentFrame;
    m_currentFrame = &frame;
    struct Restore
    {
        Frame *&f;
        Frame *v;
        ~Restore() { f = v; }
    } restore {m_currentFrame, saved};
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
    Frame *saved = m_currentFrame;
    m_currentFrame = &frame;
    struct Restore
    {
        Frame *&f;
        Frame *v;
        ~Restore() { f = v; }
    } restore {m_currentFrame, saved};
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
