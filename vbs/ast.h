#pragma once
// The syntax tree. The parser builds it with names as written; the resolver then
// binds every name to where it lives (a local slot, a field of the class, a global
// slot, a builtin) so running code never looks a name up by text.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "vbs/ast_expressions.h"
#include "vbs/ast_statements.h"
#include "vbs/builtins.h"
#include "vbs/value.h"

namespace tabulo::vbs {

// --- Declarations ------------------------------------------------------------------

enum class ProcKind : std::uint8_t { Sub, Function, PropertyGet, PropertyLet, PropertySet };

struct Parameter
{
    std::u16string name;
    bool byRef = true; // the language's default
    bool isArray = false;
};

struct Procedure
{
    ProcKind kind = ProcKind::Sub;
    std::u16string name;
    std::vector<Parameter> params;
    Block body;
    bool isPublic = true;
    bool isDefault = false;
    Position at;
    ClassDecl *owner = nullptr;
    // Filled by the resolver: slot count (parameters, then the return value of a
    // Function or Property Get, then locals), and the names for Execute and Eval.
    int slotCount = 0;
    int resultSlot = -1;
    std::vector<std::u16string> slotNames; // folded
    int withDepthMax = 0;
};

struct FieldDecl
{
    std::u16string name;
    bool isPublic = true;
    bool isArray = false;
    std::vector<ExprPtr> bounds;
};

struct PropertySet
{
    Procedure *get = nullptr;
    Procedure *let = nullptr;
    Procedure *set = nullptr;
};

struct ClassDecl
{
    std::u16string name;
    std::vector<FieldDecl> fields;
    std::vector<std::unique_ptr<Procedure>> procedures;
    Position at;
    // Filled by the resolver.
    std::vector<std::pair<std::u16string, Procedure *>> methods; // folded name -> Sub/Function
    std::vector<std::pair<std::u16string, PropertySet>> properties; // folded name -> accessors
    Procedure *initialize = nullptr;
    Procedure *terminate = nullptr;
    std::u16string defaultMember; // folded; empty when the class has none
    int fieldIndex(std::u16string_view folded) const;
    Procedure *method(std::u16string_view folded) const;
    const PropertySet *property(std::u16string_view folded) const;
};

// One AddCode / ExecuteGlobal: its procedures, classes and top-level statements.
struct Program
{
    std::vector<std::unique_ptr<Procedure>> procedures;
    std::vector<std::unique_ptr<ClassDecl>> classes;
    Block statements;
    bool optionExplicit = false;
    // Top-level code run by Execute inside a procedure sees that procedure's locals;
    // the resolver gives the top level a frame of its own otherwise.
    Procedure topLevel;
};

} // namespace tabulo::vbs
