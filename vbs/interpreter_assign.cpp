// Assignment: to variables, array elements (nested ones too) and members of objects.
#include "vbs/err_object.h"
#include "vbs/interpreter.h"
#include "vbs/operators.h"
#include "vbs/script_object.h"

namespace tabulo::vbs {

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

} // namespace tabulo::vbs
