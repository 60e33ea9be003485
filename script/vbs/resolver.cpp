// Binds every name in a freshly parsed program to where it lives, before any of it
// runs. Order of search: the procedure's locals, the class's fields and members, the
// globals already defined, the builtins; anything else is an implicit variable
// (local inside a procedure, global at the top level).
#include <unordered_map>

#include "interpreter.h"
#include "script_object.h"

namespace tabulo::vbs {

class Resolver
{
public:
    Resolver(GlobalTable &globals, const std::unordered_map<std::u16string, const Builtin *> &builtins,
        const std::unordered_map<std::u16string, Value> &constants)
        : m_globals(globals)
        , m_builtins(builtins)
        , m_constants(constants)
    {
    }

    void program(Program &program, const Procedure *executeScope);
    // A lone expression (Eval), seeing the locals of `executeScope` when given.
    void standalone(Expr &e, const Procedure *executeScope)
    {
        m_scope = Scope {};
        m_scope.executeScope = executeScope;
        expr(&e);
    }
    void procedure(Procedure &proc, const ClassDecl *cls);

private:
    struct Scope
    {
        Procedure *procedure = nullptr; // null at the top level
        const Procedure *executeScope = nullptr; // Execute inside a procedure: its locals
        const ClassDecl *cls = nullptr;
        std::unordered_map<std::u16string, int> locals;
        std::unordered_map<std::u16string, bool> undeclared; // locals made by use alone
    };

    void block(Block &b);
    void statement(Stmt &s);
    void expr(Expr *e);
    void args(ArgList &a)
    {
        for (auto &item : a.items)
            expr(item.get());
    }
    void name(NameExpr &n, bool assigned);
    int addLocal(const std::u16string &folded);
    void collectDeclarations(const Block &b);
    [[noreturn]] void fail(int number, Position at) const
    {
        ScriptError e;
        e.number = number;
        e.description = std::u16string(errorDescription(number));
        e.line = at.line;
        e.column = at.column;
        e.source = u"Microsoft VBScript compilation error";
        throw ScriptException(std::move(e));
    }

    GlobalTable &m_globals;
    const std::unordered_map<std::u16string, const Builtin *> &m_builtins;
    const std::unordered_map<std::u16string, Value> &m_constants;
    Scope m_scope;
};

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

void Resolver::collectDeclarations(const Block &b)
{
    for (const auto &s : b) {
        switch (s->kind) {
        case StmtKind::Dim:
            for (const auto &item : static_cast<const DimStmt &>(*s).items)
                addLocal(item.name->folded);
            break;
        case StmtKind::Const:
            for (const auto &item : static_cast<const ConstStmt &>(*s).items)
                addLocal(item.first->folded);
            break;
        case StmtKind::If: {
            auto &st = static_cast<const IfStmt &>(*s);
            for (const auto &bl : st.blocks)
                collectDeclarations(bl);
            collectDeclarations(st.elseBlock);
            break;
        }
        case StmtKind::Select: {
            auto &st = static_cast<const SelectStmt &>(*s);
            for (const auto &bl : st.blocks)
                collectDeclarations(bl);
            collectDeclarations(st.elseBlock);
            break;
        }
        case StmtKind::For:
            collectDeclarations(static_cast<const ForStmt &>(*s).body);
            break;
        case StmtKind::ForEach:
            collectDeclarations(static_cast<const ForEachStmt &>(*s).body);
            break;
        case StmtKind::Do:
            collectDeclarations(static_cast<const DoStmt &>(*s).body);
            break;
        case StmtKind::While:
            collectDeclarations(static_cast<const WhileStmt &>(*s).body);
            break;
        case StmtKind::With:
            collectDeclarations(static_cast<const WithStmt &>(*s).body);
            break;
        default:
            break;
        }
    }
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
            n.scope = NameScope::Local;
            n.slot = it->second;
            n.undeclared = m_scope.undeclared.count(f) > 0;
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
        n.undeclared = true;
        m_scope.undeclared[f] = true;
        if (slot < 0) {
            n.scope = NameScope::Local;
            n.slot = addLocal(f);
        } else {
            n.scope = NameScope::GlobalOrLocal;
            n.slot = slot;
            n.localSlot = addLocal(f);
        }
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

void Resolver::block(Block &b)
{
    for (auto &s : b)
        statement(*s);
}

void Resolver::statement(Stmt &s)
{
    switch (s.kind) {
    case StmtKind::Assign: {
        auto &a = static_cast<AssignStmt &>(s);
        if (a.target->kind == ExprKind::Name) {
            auto &n = static_cast<NameExpr &>(*a.target);
            name(n, true);
            args(n.args);
        } else {
            expr(a.target.get());
        }
        expr(a.value.get());
        break;
    }
    case StmtKind::Call:
        expr(static_cast<CallStmt &>(s).call.get());
        break;
    case StmtKind::If: {
        auto &st = static_cast<IfStmt &>(s);
        for (auto &c : st.conditions)
            expr(c.get());
        for (auto &bl : st.blocks)
            block(bl);
        block(st.elseBlock);
        break;
    }
    case StmtKind::Select: {
        auto &st = static_cast<SelectStmt &>(s);
        expr(st.subject.get());
        for (auto &tests : st.tests)
            for (auto &t : tests) {
                expr(t.first.get());
                expr(t.second.get());
            }
        for (auto &bl : st.blocks)
            block(bl);
        block(st.elseBlock);
        break;
    }
    case StmtKind::For: {
        auto &st = static_cast<ForStmt &>(s);
        name(static_cast<NameExpr &>(*st.variable), true);
        expr(st.from.get());
        expr(st.to.get());
        expr(st.step.get());
        block(st.body);
        break;
    }
    case StmtKind::ForEach: {
        auto &st = static_cast<ForEachStmt &>(s);
        name(static_cast<NameExpr &>(*st.variable), true);
        expr(st.collection.get());
        block(st.body);
        break;
    }
    case StmtKind::Do: {
        auto &st = static_cast<DoStmt &>(s);
        expr(st.condition.get());
        block(st.body);
        break;
    }
    case StmtKind::While: {
        auto &st = static_cast<WhileStmt &>(s);
        expr(st.condition.get());
        block(st.body);
        break;
    }
    case StmtKind::Dim:
        for (auto &item : static_cast<DimStmt &>(s).items) {
            if (!m_scope.procedure)
                m_globals[m_globals.slotOf(item.name->name)].kind = GlobalEntry::Kind::Variable;
            name(*item.name, true);
            for (auto &bound : item.bounds)
                expr(bound.get());
        }
        break;
    case StmtKind::ReDim:
        for (auto &item : static_cast<ReDimStmt &>(s).items) {
            name(*item.name, true);
            for (auto &bound : item.bounds)
                expr(bound.get());
        }
        break;
    case StmtKind::Const:
        for (auto &[constName, value] : static_cast<ConstStmt &>(s).items) {
            if (!m_scope.procedure)
                m_globals[m_globals.slotOf(constName->name)].kind = GlobalEntry::Kind::Variable;
            name(*constName, true);
            expr(value.get());
        }
        break;
    case StmtKind::Erase:
        expr(static_cast<EraseStmt &>(s).target.get());
        break;
    case StmtKind::With: {
        auto &st = static_cast<WithStmt &>(s);
        expr(st.object.get());
        if (m_scope.procedure)
            m_scope.procedure->withDepthMax = std::max(m_scope.procedure->withDepthMax, st.depth + 1);
        block(st.body);
        break;
    }
    case StmtKind::Randomize:
        expr(static_cast<RandomizeStmt &>(s).seed.get());
        break;
    default:
        break;
    }
}

void Resolver::procedure(Procedure &proc, const ClassDecl *cls)
{
    m_scope = Scope {};
    m_scope.procedure = &proc;
    m_scope.cls = cls;
    proc.slotCount = 0;
    proc.slotNames.clear();
    for (const Parameter &p : proc.params)
        addLocal(foldName(p.name));
    if (proc.kind == ProcKind::Function || proc.kind == ProcKind::PropertyGet) {
        std::u16string folded = foldName(proc.name);
        proc.resultSlot = proc.slotCount++;
        proc.slotNames.push_back(folded);
    }
    collectDeclarations(proc.body);
    block(proc.body);
}

void Resolver::program(Program &program, const Procedure *executeScope)
{
    // Procedures and classes first: code may call them before their text.
    for (std::size_t i = 0; i < program.procedures.size(); ++i) {
        for (std::size_t k = 0; k < i; ++k)
            if (sameName(program.procedures[k]->name, program.procedures[i]->name))
                fail(err::NameRedefined, program.procedures[i]->at);
        GlobalEntry &entry = m_globals[m_globals.slotOf(program.procedures[i]->name)];
        entry.kind = GlobalEntry::Kind::Procedure;
        entry.procedure = program.procedures[i].get();
        entry.value = Value();
    }
    for (auto &cls : program.classes) {
        for (auto &proc : cls->procedures) {
            std::u16string folded = foldName(proc->name);
            if (proc->kind == ProcKind::Sub || proc->kind == ProcKind::Function) {
                if (cls->method(folded) || cls->property(folded) || cls->fieldIndex(folded) >= 0)
                    fail(err::NameRedefined, proc->at);
                cls->methods.emplace_back(folded, proc.get());
                if (folded == u"class_initialize")
                    cls->initialize = proc.get();
                if (folded == u"class_terminate")
                    cls->terminate = proc.get();
            } else {
                if (cls->method(folded) || cls->fieldIndex(folded) >= 0)
                    fail(err::NameRedefined, proc->at);
                PropertySet *set = nullptr;
                for (auto &[n, accessors] : cls->properties)
                    if (n == folded)
                        set = &accessors;
                if (!set)
                    set = &cls->properties.emplace_back(folded, PropertySet {}).second;
                Procedure *&slot = proc->kind == ProcKind::PropertyGet ? set->get
                    : proc->kind == ProcKind::PropertyLet              ? set->let
                                                                       : set->set;
                if (slot)
                    fail(err::NameRedefined, proc->at);
                slot = proc.get();
            }
            if (proc->isDefault) {
                if (!cls->defaultMember.empty())
                    fail(err::MultipleDefault, proc->at);
                cls->defaultMember = folded;
            }
        }
        for (std::size_t i = 0; i < cls->fields.size(); ++i)
            for (std::size_t k = 0; k < i; ++k)
                if (sameName(cls->fields[k].name, cls->fields[i].name))
                    fail(err::NameRedefined, cls->at);
    }
    // Top-level declarations make globals, wherever in the text they are.
    m_scope = Scope {};
    m_scope.executeScope = executeScope;
    if (executeScope) {
        // Execute inside a procedure: its code reads and writes that procedure's locals.
        program.topLevel.slotCount = executeScope->slotCount;
        program.topLevel.slotNames = executeScope->slotNames;
        program.topLevel.owner = executeScope->owner;
    }
    block(program.statements);
    for (auto &proc : program.procedures)
        procedure(*proc, nullptr);
    for (auto &cls : program.classes) {
        for (auto &field : cls->fields) {
            m_scope = Scope {};
            for (auto &bound : field.bounds)
                expr(bound.get());
        }
        for (auto &proc : cls->procedures)
            procedure(*proc, cls.get());
    }
}

void Interpreter::resolve(Program &program, const Procedure *scope)
{
    Resolver(m_globals, m_builtins, m_constants).program(program, scope);
}

void Interpreter::resolveExpression(Expr &e, const Procedure *scope)
{
    Resolver(m_globals, m_builtins, m_constants).standalone(e, scope);
}

} // namespace tabulo::vbs
