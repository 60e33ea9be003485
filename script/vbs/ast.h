#pragma once
// The syntax tree. The parser builds it with names as written; the resolver then
// binds every name to where it lives (a local slot, a field of the class, a global
// slot, a builtin) so running code never looks a name up by text.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "builtins.h"
#include "value.h"

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
    // s = s & a & b ...: the pieces appended in place when the target holds a string.
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
