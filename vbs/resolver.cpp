// Binds every name in a freshly parsed program to where it lives, before any of it
// runs. Order of search: the procedure's locals, the class's fields and members, the
// globals already defined, the builtins; anything else is an implicit variable
// (local inside a procedure, global at the top level).
#include "vbs/resolver.h"

namespace tabulo::vbs {

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
