// Expressions: the dispatch over node kinds, operators, literals and Me.
#include "vbs/err_object.h"
#include "vbs/interpreter.h"
#include "vbs/operators.h"
#include "vbs/script_object.h"

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

} // namespace tabulo::vbs
