#pragma once
// The statement nodes of the syntax tree (see ast.h).
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "vbs/ast_expressions.h"

namespace tabulo::vbs {

// --- Statements --------------------------------------------------------------------

enum class StmtKind : std::uint8_t {
    Assign,
    Call,
    If,
    Select,
    For,
    ForEach,
    Do,
    While,
    Exit,
    Dim,
    ReDim,
    Erase,
    OnError,
    With,
    Const,
    Randomize,
    OptionExplicit,
    Nop,
};

struct Stmt
{
    explicit Stmt(StmtKind k)
        : kind(k)
    {
    }
    virtual ~Stmt() = default;
    StmtKind kind;
    Position at;
};
using StmtPtr = std::unique_ptr<Stmt>;
using Block = std::vector<StmtPtr>;

struct AssignStmt : Stmt
{
    AssignStmt()
        : Stmt(StmtKind::Assign)
    {
    }
    ExprPtr target; // NameExpr, MemberExpr or IndexExpr
    ExprPtr value;
    bool isSet = false;
    // s = s & a & b, obj.Text = obj.Text & a & b: the pieces after the target's own
    // value, appended where the text is when that is safe (interpreter_append.cpp).
    std::vector<const Expr *> appendPieces;
};

struct CallStmt : Stmt
{
    CallStmt()
        : Stmt(StmtKind::Call)
    {
    }
    ExprPtr call; // NameExpr or MemberExpr carrying the arguments
};

struct IfStmt : Stmt
{
    IfStmt()
        : Stmt(StmtKind::If)
    {
    }
    std::vector<ExprPtr> conditions;
    std::vector<Block> blocks;
    Block elseBlock;
};

struct CaseTest
{
    enum Kind : std::uint8_t { Value, Range, Comparison } kind = Value;
    BinaryOp comparison = BinaryOp::Equal; // Case Is < 5
    ExprPtr first, second;
};

struct SelectStmt : Stmt
{
    SelectStmt()
        : Stmt(StmtKind::Select)
    {
    }
    ExprPtr subject;
    std::vector<std::vector<CaseTest>> tests;
    std::vector<Block> blocks;
    bool hasElse = false;
    Block elseBlock;
};

struct ForStmt : Stmt
{
    ForStmt()
        : Stmt(StmtKind::For)
    {
    }
    ExprPtr variable; // a NameExpr without arguments
    ExprPtr from, to, step;
    Block body;
};

struct ForEachStmt : Stmt
{
    ForEachStmt()
        : Stmt(StmtKind::ForEach)
    {
    }
    ExprPtr variable;
    ExprPtr collection;
    Block body;
};

struct DoStmt : Stmt
{
    DoStmt()
        : Stmt(StmtKind::Do)
    {
    }
    ExprPtr condition; // null: loop until Exit Do
    bool testFirst = true; // Do While x ... Loop  vs  Do ... Loop While x
    bool until = false; // Until: loop while the condition is False
    Block body;
};

struct WhileStmt : Stmt
{
    WhileStmt()
        : Stmt(StmtKind::While)
    {
    }
    ExprPtr condition;
    Block body;
};

enum class ExitKind : std::uint8_t { Do, For, Sub, Function, Property };

struct ExitStmt : Stmt
{
    ExitStmt()
        : Stmt(StmtKind::Exit)
    {
    }
    ExitKind what = ExitKind::Sub;
};

struct DimItem
{
    std::unique_ptr<NameExpr> name;
    bool isArray = false; // Dim a() or Dim a(3)
    std::vector<ExprPtr> bounds; // upper bounds; empty for a dynamic array
};

struct DimStmt : Stmt
{
    DimStmt()
        : Stmt(StmtKind::Dim)
    {
    }
    std::vector<DimItem> items;
};

struct ReDimStmt : Stmt
{
    ReDimStmt()
        : Stmt(StmtKind::ReDim)
    {
    }
    bool preserve = false;
    std::vector<DimItem> items;
};

struct EraseStmt : Stmt
{
    EraseStmt()
        : Stmt(StmtKind::Erase)
    {
    }
    ExprPtr target;
};

struct OnErrorStmt : Stmt
{
    OnErrorStmt()
        : Stmt(StmtKind::OnError)
    {
    }
    bool resumeNext = true;
};

struct WithStmt : Stmt
{
    WithStmt()
        : Stmt(StmtKind::With)
    {
    }
    ExprPtr object;
    Block body;
    int depth = 0;
};

struct ConstStmt : Stmt
{
    ConstStmt()
        : Stmt(StmtKind::Const)
    {
    }
    std::vector<std::pair<std::unique_ptr<NameExpr>, ExprPtr>> items;
};

struct RandomizeStmt : Stmt
{
    RandomizeStmt()
        : Stmt(StmtKind::Randomize)
    {
    }
    ExprPtr seed; // null: seed from the clock
};

struct NopStmt : Stmt
{
    NopStmt()
        : Stmt(StmtKind::Nop)
    {
    }
};

} // namespace tabulo::vbs
