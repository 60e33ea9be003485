#include "vbs/parser.h"

#include "vbs/parser_internal.h"

namespace tabulo::vbs {

NestingGuard::NestingGuard(Parser &p)
    : m_parser(p)
{
    if (++m_parser.m_nesting > kMaxNesting) {
        --m_parser.m_nesting;
        m_parser.fail(err::OutOfStack);
    }
}

void Parser::fail(int error, const Token &at) const
{
    ScriptError e;
    e.number = error;
    e.description = std::u16string(errorDescription(error));
    e.line = at.line;
    e.column = at.column;
    throw ScriptException(std::move(e));
}

void Parser::expectEndOfStatement()
{
    if (at(TokenKind::EndOfInput))
        return;
    if (!accept(TokenKind::EndOfStatement))
        fail(err::ExpectedEndOfStatement);
}

namespace {
// Words that are reserved in statements but are fine as variable and member names.
bool isSoftKeyword(Keyword k)
{
    switch (k) {
    case Keyword::None:
    case Keyword::Default:
    case Keyword::Error:
    case Keyword::Explicit:
    case Keyword::Get:
    case Keyword::Let:
    case Keyword::Preserve:
    case Keyword::Property:
    case Keyword::Resume:
    case Keyword::Step:
    case Keyword::Randomize:
        return true;
    default:
        return false;
    }
}
} // namespace

bool Parser::atName(std::size_t ahead) const
{
    const Token &t = peek(ahead);
    return t.kind == TokenKind::Identifier && (t.bracketed || isSoftKeyword(t.keyword));
}

std::u16string Parser::expectName()
{
    if (!atName())
        fail(err::ExpectedIdentifier);
    return advance().text;
}

std::u16string Parser::expectMemberName()
{
    if (!at(TokenKind::Identifier))
        fail(err::ExpectedIdentifier);
    return advance().text;
}

std::unique_ptr<Program> Parser::program()
{
    auto program = std::make_unique<Program>();
    m_program = program.get();
    program->statements = block(false);
    if (!at(TokenKind::EndOfInput)) {
        // A block ended on a word that closes nothing here.
        if (atKeyword(Keyword::Loop))
            fail(err::LoopWithoutDo);
        if (atKeyword(Keyword::Next))
            fail(err::UnexpectedNext);
        fail(err::ExpectedStatement);
    }
    return program;
}

bool Parser::atBlockEnd() const
{
    if (!at(TokenKind::Identifier) || peek().bracketed)
        return false;
    switch (peek().keyword) {
    case Keyword::End:
    case Keyword::Else:
    case Keyword::ElseIf:
    case Keyword::Loop:
    case Keyword::Next:
    case Keyword::Wend:
    case Keyword::Case:
        return true;
    default:
        return false;
    }
}

// block := { statement endOfStatement }
Block Parser::block(bool insideProcedure)
{
    NestingGuard guard(*this);
    Block statements;
    for (;;) {
        while (accept(TokenKind::EndOfStatement)) { }
        if (at(TokenKind::EndOfInput) || atBlockEnd())
            return statements;
        StmtPtr s = statement(insideProcedure);
        if (s->kind != StmtKind::Nop)
            statements.push_back(std::move(s));
        expectEndOfStatement();
    }
}

StmtPtr Parser::statement(bool insideProcedure)
{
    Position at = here();
    const Token &t = peek();
    StmtPtr result;
    if (t.kind == TokenKind::Dot) {
        result = assignmentOrCall(false, false);
    } else if (t.kind != TokenKind::Identifier) {
        fail(err::ExpectedStatement);
    } else if (t.bracketed) {
        result = assignmentOrCall(false, false);
    } else {
        switch (t.keyword) {
        case Keyword::Dim:
            advance();
            result = dimStatement(false);
            break;
        case Keyword::ReDim:
            advance();
            result = dimStatement(true);
            break;
        case Keyword::Const:
            advance();
            result = constStatement();
            break;
        case Keyword::If:
            result = ifStatement();
            break;
        case Keyword::Select:
            result = selectStatement();
            break;
        case Keyword::For:
            result = forStatement();
            break;
        case Keyword::Do:
            result = doStatement();
            break;
        case Keyword::While:
            result = whileStatement();
            break;
        case Keyword::With:
            result = withStatement();
            break;
        case Keyword::Exit:
            result = exitStatement();
            break;
        case Keyword::On:
            result = onErrorStatement();
            break;
        case Keyword::Erase:
            result = eraseStatement();
            break;
        case Keyword::Randomize:
            result = randomizeStatement();
            break;
        case Keyword::Call:
            advance();
            result = assignmentOrCall(false, true);
            break;
        case Keyword::Me:
            result = assignmentOrCall(false, false);
            break;
        case Keyword::Set:
            advance();
            result = assignmentOrCall(true, false);
            break;
        case Keyword::Let:
            advance();
            result = assignmentOrCall(false, false);
            break;
        case Keyword::Option:
            advance();
            expectKeyword(Keyword::Explicit, err::SyntaxError);
            if (m_program)
                m_program->optionExplicit = true;
            result = std::make_unique<NopStmt>();
            break;
        case Keyword::Public:
        case Keyword::Private: {
            if (insideProcedure)
                fail(err::ExpectedStatement);
            bool isPublic = t.keyword == Keyword::Public;
            advance();
            bool isDefault = acceptKeyword(Keyword::Default);
            if (atKeyword(Keyword::Sub) || atKeyword(Keyword::Function) || atKeyword(Keyword::Property)) {
                m_program->procedures.push_back(procedure(isPublic, isDefault));
                result = std::make_unique<NopStmt>();
            } else if (isDefault) {
                fail(err::DefaultPlacement);
            } else if (acceptKeyword(Keyword::Const)) {
                result = constStatement();
            } else {
                result = dimStatement(false);
            }
            break;
        }
        case Keyword::Sub:
        case Keyword::Function:
            if (insideProcedure)
                fail(err::ExpectedStatement);
            m_program->procedures.push_back(procedure(true, false));
            result = std::make_unique<NopStmt>();
            break;
        case Keyword::Property:
            if (atKeyword(Keyword::Get, 1) || atKeyword(Keyword::Let, 1) || atKeyword(Keyword::Set, 1))
                fail(err::MustBeInClass);
            result = assignmentOrCall(false, false);
            break;
        case Keyword::Class:
            if (insideProcedure)
                fail(err::ExpectedStatement);
            m_program->classes.push_back(classDeclaration());
            result = std::make_unique<NopStmt>();
            break;
        case Keyword::Loop:
            fail(err::LoopWithoutDo);
        case Keyword::Next:
            fail(err::UnexpectedNext);
        case Keyword::Wend:
        case Keyword::End:
        case Keyword::Else:
        case Keyword::ElseIf:
        case Keyword::Case:
            fail(err::ExpectedStatement);
        default:
            if (!isSoftKeyword(t.keyword))
                fail(err::ExpectedStatement);
            result = assignmentOrCall(false, false);
        }
    }
    result->at = at;
    return result;
}

// dim := ("Dim" | "ReDim" ["Preserve"]) name [ "(" [bounds] ")" ] { "," ... }
StmtPtr Parser::dimStatement(bool redim)
{
    bool preserve = redim && acceptKeyword(Keyword::Preserve);
    std::vector<DimItem> items;
    do {
        DimItem item;
        item.name = std::make_unique<NameExpr>();
        item.name->at = here();
        item.name->name = expectName();
        item.name->folded = foldName(item.name->name);
        if (accept(TokenKind::LParen)) {
            item.isArray = true;
            if (!accept(TokenKind::RParen)) {
                do
                    item.bounds.push_back(expression());
                while (accept(TokenKind::Comma));
                expect(TokenKind::RParen, err::ExpectedRParen);
            }
            if (item.bounds.size() > 60)
                fail(err::SubscriptOutOfRange);
        }
        if (redim && item.bounds.empty())
            fail(err::ExpectedLParen);
        items.push_back(std::move(item));
    } while (accept(TokenKind::Comma));
    if (redim) {
        auto s = std::make_unique<ReDimStmt>();
        s->preserve = preserve;
        s->items = std::move(items);
        return s;
    }
    auto s = std::make_unique<DimStmt>();
    s->items = std::move(items);
    return s;
}

// const := "Const" name "=" expr { "," name "=" expr }
StmtPtr Parser::constStatement()
{
    auto s = std::make_unique<ConstStmt>();
    do {
        auto name = std::make_unique<NameExpr>();
        name->at = here();
        name->name = expectName();
        name->folded = foldName(name->name);
        expect(TokenKind::Equal, err::ExpectedEquals);
        s->items.emplace_back(std::move(name), expression());
    } while (accept(TokenKind::Comma));
    return s;
}

// onError := "On" "Error" ( "Resume" "Next" | "GoTo" "0" )
StmtPtr Parser::onErrorStatement()
{
    advance();
    expectKeyword(Keyword::Error, err::SyntaxError);
    auto s = std::make_unique<OnErrorStmt>();
    if (acceptKeyword(Keyword::Resume)) {
        expectKeyword(Keyword::Next, err::SyntaxError);
        s->resumeNext = true;
    } else if (acceptKeyword(Keyword::GoTo)) {
        if (!at(TokenKind::Integer) || peek().number != 0)
            fail(err::SyntaxError);
        advance();
        s->resumeNext = false;
    } else {
        fail(err::SyntaxError);
    }
    return s;
}

// erase := "Erase" name
StmtPtr Parser::eraseStatement()
{
    advance();
    auto s = std::make_unique<EraseStmt>();
    s->target = nameReference();
    return s;
}

// randomize := "Randomize" [expr]
StmtPtr Parser::randomizeStatement()
{
    advance();
    auto s = std::make_unique<RandomizeStmt>();
    if (!atEndOfStatement())
        s->seed = expression();
    return s;
}

std::unique_ptr<Program> parseProgram(std::u16string_view source)
{
    Parser parser(tokenize(source));
    return parser.program();
}

ExprPtr parseExpression(std::u16string_view source)
{
    Parser parser(tokenize(source));
    return parser.standaloneExpression();
}

} // namespace tabulo::vbs
