// The resolver's half for names and expressions: each name bound to a local slot, a
// field, a global, a builtin or a new implicit variable.
#include "vbs/resolver.h"

namespace tabulo::vbs {

int Resolver::addLocal(const std::u16string &folded)
{
    auto it = m_scope.locals.find(folded);
    if (it != m_scope.locals.end())
        return it->second;
    int slot = m_scope.procedure->slotCount++;
    m_scope.procedure->slotNames.push_back(folded);
    m_scope.locals.emplace(folded, slot);
    return slot;
}

void Resolver::name(NameExpr &n, bool assigned)
{
    const std::u16string &f = n.folded;
    // 1. Locals of the procedure (or of the procedure an Execute runs in).
    if (m_scope.procedure) {
        // The procedure's own name without arguments is its return value.
        if (m_scope.procedure->resultSlot >= 0
            && f == m_scope.procedure->slotNames[std::size_t(m_scope.procedure->resultSlot)] && !n.args.parens) {
            n.scope = NameScope::Local;
            n.slot = m_scope.procedure->resultSlot;
            return;
        }
        auto it = m_scope.locals.find(f);
        if (it != m_scope.locals.end() && it->second != m_scope.procedure->resultSlot) {
            if (auto u = m_scope.undeclared.find(f); u != m_scope.undeclared.end()) {
                // Every use of a name the procedure never declared decides alike.
                n.undeclared = true;
                n.scope = NameScope::GlobalOrLocal;
                n.slot = u->second;
                n.localSlot = it->second;
                return;
            }
            n.scope = NameScope::Local;
            n.slot = it->second;
            return;
        }
    } else if (m_scope.executeScope) {
        const auto &names = m_scope.executeScope->slotNames;
        for (std::size_t i = 0; i < names.size(); ++i) {
            if (names[i] == f && int(i) != m_scope.executeScope->resultSlot) {
                n.scope = NameScope::Local;
                n.slot = int(i);
                return;
            }
        }
    }
    // 2. The class's own fields and members.
    const ClassDecl *cls = m_scope.cls;
    if (!cls && m_scope.executeScope)
        cls = m_scope.executeScope->owner;
    if (cls) {
        int field = cls->fieldIndex(f);
        if (field >= 0) {
            n.scope = NameScope::Field;
            n.slot = field;
            return;
        }
        if (cls->method(f) || cls->property(f)) {
            n.scope = NameScope::ClassMember;
            return;
        }
    }
    // 3. Globals that exist, then builtins.
    int slot = m_globals.find(f);
    if (slot >= 0 && m_globals[slot].kind != GlobalEntry::Kind::Unset) {
        n.scope = NameScope::Global;
        n.slot = slot;
        return;
    }
    if (auto b = m_builtins.find(f); b != m_builtins.end()) {
        n.scope = NameScope::Builtin;
        n.builtin = b->second;
        return;
    }
    if (auto c = m_constants.find(f); c != m_constants.end()) {
        n.scope = NameScope::Constant;
        n.constant = c->second;
        return;
    }
    if (f == u"err") {
        n.scope = NameScope::Err;
        return;
    }
    // 4. A name seen for the first time.
    if (m_scope.procedure) {
        // Undeclared in a procedure: the global of that name when the procedure runs
        // (a script's top level, or code added later, may create it), else a variable
        // of the procedure's own.
        n.undeclared = true;
        n.scope = NameScope::GlobalOrLocal;
        n.slot = slot >= 0 ? slot : m_globals.slotOf(n.name);
        n.localSlot = addLocal(f);
        m_scope.undeclared.emplace(f, n.slot);
        (void)assigned;
        return;
    }
    n.scope = NameScope::Global;
    n.slot = slot >= 0 ? slot : m_globals.slotOf(n.name);
}

void Resolver::expr(Expr *e)
{
    if (!e)
        return;
    switch (e->kind) {
    case ExprKind::Name: {
        auto &n = static_cast<NameExpr &>(*e);
        name(n, false);
        args(n.args);
        break;
    }
    case ExprKind::Member: {
        auto &m = static_cast<MemberExpr &>(*e);
        expr(m.object.get());
        args(m.args);
        if (!m.object && m_scope.procedure)
            m_scope.procedure->withDepthMax = std::max(m_scope.procedure->withDepthMax, m.withDepth + 1);
        break;
    }
    case ExprKind::Index: {
        auto &ix = static_cast<IndexExpr &>(*e);
        expr(ix.target.get());
        args(ix.args);
        break;
    }
    case ExprKind::Unary:
        expr(static_cast<UnaryExpr &>(*e).operand.get());
        break;
    case ExprKind::Binary: {
        auto &b = static_cast<BinaryExpr &>(*e);
        expr(b.left.get());
        expr(b.right.get());
        break;
    }
    case ExprKind::Paren:
        expr(static_cast<ParenExpr &>(*e).inner.get());
        break;
    case ExprKind::Me:
        if (!m_scope.cls && !(m_scope.executeScope && m_scope.executeScope->owner))
            fail(err::InvalidMe, e->at);
        break;
    default:
        break;
    }
}

} // namespace tabulo::vbs
