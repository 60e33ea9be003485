// s = s & a & b and obj.Text = obj.Text & a & b, the ways scripts build long texts a
// line at a time: the pieces are added where the text is, instead of the whole text
// being copied at every line, which made building a 1 MB output take seconds.
//
// The language reads the text before it evaluates the pieces. Appending afterwards
// is only the same when evaluating the pieces cannot change the text: so they are
// first checked to run no script code (codeFree), and a piece whose value is an
// object, which running its default member may do, joins the text as it was.
#include "vbs/interpreter.h"
#include "vbs/operators.h"
#include "vbs/script_object.h"

namespace tabulo::vbs {
namespace {

constexpr std::size_t kMaxAppendedPieces = 8;

} // namespace

// The value of a variable or constant that a name stands for, looked at without
// creating or calling anything; null when the name is something else.
const Value *Interpreter::peekVariable(const NameExpr &n, Frame &frame)
{
    const NameScope scope = liveScope(n);
    const int slot = liveSlot(n, scope);
    switch (scope) {
    case NameScope::Local:
        if (n.undeclared && m_optionExplicit)
            return nullptr;
        return std::size_t(slot) < frame.localCount ? frame.local(std::size_t(slot)) : nullptr;
    case NameScope::Field:
        return frame.me ? &frame.me->fields()[std::size_t(slot)] : nullptr;
    case NameScope::Global: {
        const GlobalEntry &entry = m_globals[slot];
        const bool variable = entry.kind == GlobalEntry::Kind::Variable || entry.kind == GlobalEntry::Kind::Constant;
        return variable ? &entry.value : nullptr;
    }
    case NameScope::Constant:
        return &n.constant;
    default:
        return nullptr;
    }
}

// Whether evaluating `e` surely runs no script code: literals, constants, variables
// that hold no object, operators and builtin functions over those. A piece itself
// (`outermost`) may also be an element of an array, which may be an object: the
// caller looks at the values it gets.
bool Interpreter::codeFree(const Expr &e, Frame &frame, bool outermost)
{
    switch (e.kind) {
    case ExprKind::Literal:
        return true;
    case ExprKind::Paren:
        return codeFree(*static_cast<const ParenExpr &>(e).inner, frame, outermost);
    case ExprKind::Unary:
        return codeFree(*static_cast<const UnaryExpr &>(e).operand, frame, false);
    case ExprKind::Binary: {
        const auto &b = static_cast<const BinaryExpr &>(e);
        return codeFree(*b.left, frame, false) && codeFree(*b.right, frame, false);
    }
    case ExprKind::Name:
        break;
    default:
        return false;
    }
    const auto &n = static_cast<const NameExpr &>(e);
    if (n.scope == NameScope::Builtin) {
        if (n.builtin->runsScript)
            return false;
        for (const auto &item : n.args.items)
            if (item && !codeFree(*item, frame, false))
                return false;
        return true;
    }
    const Value *v = peekVariable(n, frame);
    if (!v || v->isObject())
        return false;
    if (!n.args.parens && n.args.items.empty())
        return !v->isArray(); // a builtin would read an array's elements, objects maybe
    if (!outermost || !v->isArray())
        return false;
    for (const auto &item : n.args.items)
        if (!item || !codeFree(*item, frame, false))
            return false;
    return true;
}

bool Interpreter::appendInPlace(const AssignStmt &s, Frame &frame)
{
    const auto &pieces = s.appendPieces;
    if (pieces.size() > kMaxAppendedPieces)
        return false;
    for (const Expr *piece : pieces)
        if (!codeFree(*piece, frame, true))
            return false;

    // Where the text is: a variable holding a string, or an object's member that
    // the object can grow itself.
    Value *slot = nullptr;
    std::shared_ptr<Object> object;
    std::u16string_view member;
    if (s.target->kind == ExprKind::Name) {
        const auto &n = static_cast<const NameExpr &>(*s.target);
        if (liveScope(n) == NameScope::Global && m_globals[n.slot].kind == GlobalEntry::Kind::HostObject) {
            object = m_globals[n.slot].value.rawObject(); // `Echo = Echo & line`: its default member
        } else {
            slot = variableSlot(n, frame);
            if (!slot || !slot->isString())
                return false;
        }
    } else {
        const auto &m = static_cast<const MemberExpr &>(*s.target);
        if (m.object) {
            // A plain name (the parser saw to that): a variable or a host object,
            // not a function that would run now and again in the assignment.
            const auto &holderName = static_cast<const NameExpr &>(*m.object);
            const bool hostObject = liveScope(holderName) == NameScope::Global
                && m_globals[holderName.slot].kind == GlobalEntry::Kind::HostObject;
            if (!hostObject && !peekVariable(holderName, frame))
                return false;
        }
        Value holder = objectOf(m, frame);
        object = holder.rawObject();
        member = m.name;
    }
    if (object && !object->canAppendTo(member))
        return false;

    Value values[kMaxAppendedPieces];
    bool anyObject = false;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        values[i] = eval(*pieces[i], frame);
        anyObject = anyObject || values[i].isObject();
    }
    const std::size_t base = slot ? slot->rawString().size() : 0;
    const auto join = [&] {
        std::u16string tail;
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            const Value &v = values[i];
            if (v.isNull())
                continue;
            std::u16string converted;
            const std::u16string &text = v.isString() ? v.rawString() : (converted = toString(v, m_locale));
            // Refused before the copy: a string at the limit is expensive to copy.
            if (base + tail.size() + text.size() > kMaxStringLength)
                raise(err::OutOfMemory);
            tail += text;
        }
        return tail;
    };
    if (anyObject) {
        Value before = slot ? *slot : object->invoke(member, {});
        Value joined = concatenate(before, Value::string(join()), m_locale);
        assignTo(*s.target, std::move(joined), false, frame);
        return true;
    }
    const std::u16string tail = join();
    if (slot)
        slot->appendString(tail);
    else
        object->appendTo(member, tail);
    return true;
}

} // namespace tabulo::vbs
