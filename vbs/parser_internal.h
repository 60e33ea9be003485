#pragma once
// The recursive-descent parser, shared by its source files (parser_*.cpp: statements,
// control flow, calls, declarations, expressions, operands). Each parse function
// carries its grammar rule as a comment.
#include <vector>

#include "vbs/ast.h"
#include "vbs/error.h"
#include "vbs/lexer.h"

namespace tabulo::vbs {

class Parser
{
public:
    explicit Parser(std::vector<Token> tokens)
        : m_tokens(std::move(tokens))
    {
    }

    std::unique_ptr<Program> program();
    ExprPtr standaloneExpression();

private:
    friend class NestingGuard;
    // Tokens.
    const Token &peek(std::size_t ahead = 0) const
    {
        std::size_t i = m_pos + ahead;
        return i < m_tokens.size() ? m_tokens[i] : m_tokens.back();
    }
    const Token &advance()
    {
        const Token &t = peek();
        if (m_pos < m_tokens.size() - 1)
            ++m_pos;
        return t;
    }
    bool at(TokenKind k) const { return peek().kind == k; }
    bool atKeyword(Keyword k, std::size_t ahead = 0) const
    {
        const Token &t = peek(ahead);
        return t.kind == TokenKind::Identifier && !t.bracketed && t.keyword == k;
    }
    bool accept(TokenKind k)
    {
        if (at(k)) {
            advance();
            return true;
        }
        return false;
    }
    bool acceptKeyword(Keyword k)
    {
        if (atKeyword(k)) {
            advance();
            return true;
        }
        return false;
    }
    void expect(TokenKind k, int error)
    {
        if (!accept(k))
            fail(error);
    }
    void expectKeyword(Keyword k, int error)
    {
        if (!acceptKeyword(k))
            fail(error);
    }
    // Inside a single-line If, "Else" also ends a statement: If a Then b Else c.
    bool atEndOfStatement() const
    {
        return at(TokenKind::EndOfStatement) || at(TokenKind::EndOfInput)
            || (m_singleLineIf > 0 && atKeyword(Keyword::Else));
    }
    void expectEndOfStatement();
    [[noreturn]] void fail(int error) const { fail(error, peek()); }
    [[noreturn]] void fail(int error, const Token &at) const;
    Position here() const { return {peek().line, peek().column}; }
    // A name that may be a variable: not a reserved word.
    bool atName(std::size_t ahead = 0) const;
    std::u16string expectName();
    std::u16string expectMemberName();

    // Statements (parser_statements.cpp).
    Block block(bool insideProcedure);
    bool atBlockEnd() const;
    StmtPtr statement(bool insideProcedure);
    StmtPtr ifStatement();
    Block singleLineStatements(bool stopAtElse);
    StmtPtr selectStatement();
    StmtPtr forStatement();
    StmtPtr doStatement();
    StmtPtr whileStatement();
    StmtPtr withStatement();
    StmtPtr exitStatement();
    StmtPtr dimStatement(bool redim);
    StmtPtr constStatement();
    StmtPtr onErrorStatement();
    StmtPtr eraseStatement();
    StmtPtr randomizeStatement();
    StmtPtr assignmentOrCall(bool isSet, bool isCall);
    ExprPtr callTarget();
    static std::vector<const Expr *> appendedPieces(const Expr &target, const Expr &value);
    std::size_t matchingParen(std::size_t open) const;
    void endOf(Keyword what, int error);

    // Declarations (parser_declarations.cpp).
    std::unique_ptr<Procedure> procedure(bool isPublic, bool isDefault);
    std::unique_ptr<ClassDecl> classDeclaration();
    void parameters(Procedure &proc);
    void fieldDeclarations(ClassDecl &cls, bool isPublic);

    // Expressions (parser_expressions.cpp), lowest precedence first.
    ExprPtr expression();
    ExprPtr binaryLevel(std::size_t level); // the binary operators of one precedence level
    ExprPtr notExpression();
    ExprPtr unary();
    ExprPtr exponent();
    ExprPtr postfix();
    ExprPtr primary();
    ExprPtr postfixTail(ExprPtr target);
    void argumentList(ArgList &args);
    ExprPtr binary(BinaryOp op, ExprPtr left, ExprPtr right, Position at);
    ExprPtr finish(ExprPtr e); // checks the tree height
    std::unique_ptr<NameExpr> nameReference(); // a name that can take arguments

    std::vector<Token> m_tokens;
    std::size_t m_pos = 0;
    int m_nesting = 0;
    int m_withDepth = 0;
    int m_singleLineIf = 0;
    int m_forDepth = 0;
    int m_doDepth = 0;
    const Procedure *m_procedure = nullptr; // the procedure being parsed
    bool m_inClass = false;
    Program *m_program = nullptr;
};

// Counts nesting of blocks and parenthesised expressions; too deep is error 28, as
// running the tree would be.
class NestingGuard
{
public:
    explicit NestingGuard(Parser &p);
    ~NestingGuard() { --m_parser.m_nesting; }

private:
    Parser &m_parser;
};

inline constexpr int kMaxNesting = 200;
inline constexpr int kMaxExpressionHeight = 1000;

} // namespace tabulo::vbs
