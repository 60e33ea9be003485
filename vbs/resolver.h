#pragma once
// The resolver (see resolver.cpp), shared by its two source files: resolver.cpp
// (programs, procedures and statements) and resolver_names.cpp (names and expressions).
#include <unordered_map>

#include "vbs/interpreter.h"
#include "vbs/script_object.h"

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
        // Variables made by use alone, with the global slot of the same name: the global
        // wherever it exists when the procedure runs.
        std::unordered_map<std::u16string, int> undeclared;
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

} // namespace tabulo::vbs
