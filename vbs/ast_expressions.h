#pragma once
// The expression nodes of the syntax tree (see ast.h): literals, names, members,
// indexes, operators, New and Me.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "vbs/builtins.h"
#include "vbs/value.h"

namespace tabulo::vbs {

struct Procedure;
struct ClassDecl;

struct Position
{
    int line = 0;
    int column = 0;
};

// --- Expressions -------------------------------------------------------------------

enum class ExprKind : std::uint8_t {
    Literal, // 1, "a", True, Nothing, Empty, Null
    Name, // x, x(1, 2), f(a), Me
    Member, // object.name, object.name(args), .name inside With
    Index, // (expression)(args): a call's result indexed again
    Unary, // -x, Not x
    Binary, // x + y, x And y, x Is y ...
    Paren, // (x): a value, never a reference
    New, // New ClassName
    Me,
};

enum class BinaryOp : std::uint8_t {
    Add,
    Subtract,
    Multiply,
    Divide,
    IntDivide,
    Mod,
    Power,
    Concat,
    Equal,
    NotEqual,
    Less,
    LessEqual,
    Greater,
    GreaterEqual,
    Is,
    And,
    Or,
    Xor,
    Eqv,
    Imp,
};

enum class UnaryOp : std::uint8_t { Negate, Not, Plus };

// Where a name was found by the resolver.
enum class NameScope : std::uint8_t {
    Unresolved,
    Local, // a slot of the running procedure's frame (parameters first)
    Field, // a field of Me (a Dim/Public/Private inside the class)
    ClassMember, // a method or property of Me, called without "Me."
    Global, // a slot of the engine's global table
    GlobalOrLocal, // inside a procedure, a name only the top level has used so far:
                   // the global once it exists, the procedure's own variable until then
    Builtin, // a builtin function
    Constant, // a builtin constant, already evaluated
    Err, // the Err object
};

struct Expr
{
    explicit Expr(ExprKind k)
        : kind(k)
    {
    }
    virtual ~Expr() = default;
    ExprKind kind;
    Position at;
    // Longest path to a leaf: the parser refuses trees too tall to evaluate safely.
    int height = 1;
};
using ExprPtr = std::unique_ptr<Expr>;

struct LiteralExpr : Expr
{
    LiteralExpr()
        : Expr(ExprKind::Literal)
    {
    }
    Value value;
};

// An argument list; a null entry is an argument left out (f(1, , 3)).
struct ArgList
{
    std::vector<ExprPtr> items;
    bool parens = false; // written with parentheses
};

struct NameExpr : Expr
{
    NameExpr()
        : Expr(ExprKind::Name)
    {
    }
    std::u16string name;
    std::u16string folded;
    ArgList args;
    NameScope scope = NameScope::Unresolved;
    int slot = -1;
    int localSlot = -1; // GlobalOrLocal: the procedure's slot
    bool undeclared = false; // a procedure's variable made by use alone (Option Explicit refuses it)
    const Builtin *builtin = nullptr;
    Value constant;
};

struct MemberExpr : Expr
{
    MemberExpr()
        : Expr(ExprKind::Member)
    {
    }
    ExprPtr object; // null: the innermost With object
    std::u16string name;
    ArgList args;
    int withDepth = -1; // which With (counted from the procedure's outermost) for ".name"
};

struct IndexExpr : Expr
{
    IndexExpr()
        : Expr(ExprKind::Index)
    {
    }
    ExprPtr target;
    ArgList args;
};

struct UnaryExpr : Expr
{
    UnaryExpr()
        : Expr(ExprKind::Unary)
    {
    }
    UnaryOp op = UnaryOp::Negate;
    ExprPtr operand;
};

struct BinaryExpr : Expr
{
    BinaryExpr()
        : Expr(ExprKind::Binary)
    {
    }
    BinaryOp op = BinaryOp::Add;
    ExprPtr left, right;
};

struct ParenExpr : Expr
{
    ParenExpr()
        : Expr(ExprKind::Paren)
    {
    }
    ExprPtr inner;
};

struct NewExpr : Expr
{
    NewExpr()
        : Expr(ExprKind::New)
    {
    }
    std::u16string className;
};

struct MeExpr : Expr
{
    MeExpr()
        : Expr(ExprKind::Me)
    {
    }
};

} // namespace tabulo::vbs
