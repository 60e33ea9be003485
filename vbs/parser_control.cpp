// The control statements: If, Select Case, For, Do, While, With and Exit.

#include "vbs/parser.h"

#include "vbs/parser_internal.h"

namespace tabulo::vbs {

void Parser::endOf(Keyword what, int error)
{
    if (!acceptKeyword(Keyword::End))
        fail(err::ExpectedEnd);
    expectKeyword(what, error);
}

// if := "If" expr "Then" ( singleLine | EOS block { "ElseIf" expr "Then" block } [ "Else" block ] "End" "If" )
StmtPtr Parser::ifStatement()
{
    advance();
    auto s = std::make_unique<IfStmt>();
    s->conditions.push_back(expression());
    expectKeyword(Keyword::Then, err::ExpectedThen);
    if (!at(TokenKind::EndOfStatement) && !at(TokenKind::EndOfInput)) {
        // Single-line form: everything up to the line end.
        s->blocks.push_back(singleLineStatements(true));
        if (acceptKeyword(Keyword::Else))
            s->elseBlock = singleLineStatements(false);
        // A stray "End If" on the same line is allowed by the language.
        if (atKeyword(Keyword::End) && atKeyword(Keyword::If, 1)) {
            advance();
            advance();
        }
        return s;
    }
    s->blocks.push_back(block(m_procedure != nullptr));
    for (;;) {
        if (acceptKeyword(Keyword::ElseIf)) {
            s->conditions.push_back(expression());
            expectKeyword(Keyword::Then, err::ExpectedThen);
            s->blocks.push_back(block(m_procedure != nullptr));
        } else if (acceptKeyword(Keyword::Else)) {
            s->elseBlock = block(m_procedure != nullptr);
        } else {
            break;
        }
    }
    endOf(Keyword::If, err::ExpectedIf);
    return s;
}

Block Parser::singleLineStatements(bool stopAtElse)
{
    NestingGuard guard(*this);
    Block statements;
    if (stopAtElse)
        ++m_singleLineIf;
    for (;;) {
        if (at(TokenKind::EndOfStatement) && peek().text == u":") {
            advance();
            continue;
        }
        if (atEndOfStatement())
            break;
        StmtPtr st = statement(m_procedure != nullptr);
        if (st->kind != StmtKind::Nop)
            statements.push_back(std::move(st));
        if (at(TokenKind::EndOfStatement) && peek().text == u":" && !(peek(1).kind == TokenKind::EndOfInput))
            continue;
        break;
    }
    if (stopAtElse)
        --m_singleLineIf;
    if (!at(TokenKind::EndOfStatement) && !at(TokenKind::EndOfInput) && !(stopAtElse && atKeyword(Keyword::Else)))
        fail(err::ExpectedEndOfStatement);
    return statements;
}

// select := "Select" "Case" expr EOS { "Case" caseList block } [ "Case" "Else" block ] "End" "Select"
StmtPtr Parser::selectStatement()
{
    advance();
    expectKeyword(Keyword::Case, err::ExpectedCase);
    auto s = std::make_unique<SelectStmt>();
    s->subject = expression();
    expectEndOfStatement();
    while (accept(TokenKind::EndOfStatement)) { }
    while (acceptKeyword(Keyword::Case)) {
        if (acceptKeyword(Keyword::Else)) {
            s->hasElse = true;
            s->elseBlock = block(m_procedure != nullptr);
            break;
        }
        std::vector<CaseTest> tests;
        do {
            CaseTest test;
            if (acceptKeyword(Keyword::Is)) {
                test.kind = CaseTest::Comparison;
                switch (peek().kind) {
                case TokenKind::Equal:
                    test.comparison = BinaryOp::Equal;
                    break;
                case TokenKind::NotEqual:
                    test.comparison = BinaryOp::NotEqual;
                    break;
                case TokenKind::Less:
                    test.comparison = BinaryOp::Less;
                    break;
                case TokenKind::LessEqual:
                    test.comparison = BinaryOp::LessEqual;
                    break;
                case TokenKind::Greater:
                    test.comparison = BinaryOp::Greater;
                    break;
                case TokenKind::GreaterEqual:
                    test.comparison = BinaryOp::GreaterEqual;
                    break;
                default:
                    fail(err::SyntaxError);
                }
                advance();
                test.first = expression();
            } else {
                test.first = expression();
                if (acceptKeyword(Keyword::To)) {
                    test.kind = CaseTest::Range;
                    test.second = expression();
                }
            }
            tests.push_back(std::move(test));
        } while (accept(TokenKind::Comma));
        s->tests.push_back(std::move(tests));
        s->blocks.push_back(block(m_procedure != nullptr));
    }
    endOf(Keyword::Select, err::ExpectedSelect);
    return s;
}

// for := "For" name "=" expr "To" expr [ "Step" expr ] block "Next" [name]
//      | "For" "Each" name "In" expr block "Next" [name]
StmtPtr Parser::forStatement()
{
    advance();
    ++m_forDepth;
    StmtPtr result;
    if (acceptKeyword(Keyword::Each)) {
        auto s = std::make_unique<ForEachStmt>();
        if (!atName())
            fail(err::InvalidForVariable);
        s->variable = nameReference();
        expectKeyword(Keyword::In, err::ExpectedIn);
        s->collection = expression();
        s->body = block(m_procedure != nullptr);
        result = std::move(s);
    } else {
        auto s = std::make_unique<ForStmt>();
        if (!atName() || peek(1).kind == TokenKind::LParen)
            fail(err::InvalidForVariable);
        s->variable = nameReference();
        expect(TokenKind::Equal, err::ExpectedEquals);
        s->from = expression();
        expectKeyword(Keyword::To, err::ExpectedTo);
        s->to = expression();
        if (acceptKeyword(Keyword::Step))
            s->step = expression();
        s->body = block(m_procedure != nullptr);
        result = std::move(s);
    }
    if (!acceptKeyword(Keyword::Next))
        fail(err::ExpectedNext);
    if (atName())
        advance();
    --m_forDepth;
    return result;
}

// do := "Do" [ ("While" | "Until") expr ] block "Loop" [ ("While" | "Until") expr ]
StmtPtr Parser::doStatement()
{
    advance();
    ++m_doDepth;
    auto s = std::make_unique<DoStmt>();
    if (atKeyword(Keyword::While) || atKeyword(Keyword::Until)) {
        s->until = atKeyword(Keyword::Until);
        advance();
        s->condition = expression();
    } else if (!atEndOfStatement()) {
        fail(err::ExpectedWhileUntilOrEnd);
    }
    s->body = block(m_procedure != nullptr);
    if (!acceptKeyword(Keyword::Loop))
        fail(err::ExpectedLoop);
    if (atKeyword(Keyword::While) || atKeyword(Keyword::Until)) {
        if (s->condition)
            fail(err::ExpectedEndOfStatement);
        s->until = atKeyword(Keyword::Until);
        s->testFirst = false;
        advance();
        s->condition = expression();
    }
    --m_doDepth;
    return s;
}

// while := "While" expr block "Wend"
StmtPtr Parser::whileStatement()
{
    advance();
    auto s = std::make_unique<WhileStmt>();
    s->condition = expression();
    s->body = block(m_procedure != nullptr);
    expectKeyword(Keyword::Wend, err::ExpectedWend);
    return s;
}

// with := "With" expr block "End" "With"
StmtPtr Parser::withStatement()
{
    advance();
    auto s = std::make_unique<WithStmt>();
    s->object = expression();
    s->depth = m_withDepth++;
    s->body = block(m_procedure != nullptr);
    --m_withDepth;
    endOf(Keyword::With, err::ExpectedWith);
    return s;
}

// exit := "Exit" ("Do" | "For" | "Sub" | "Function" | "Property")
StmtPtr Parser::exitStatement()
{
    advance();
    auto s = std::make_unique<ExitStmt>();
    auto inProc = [&](ProcKind a, ProcKind b = ProcKind::Sub, bool two = false) {
        return m_procedure && (m_procedure->kind == a || (two && m_procedure->kind == b));
    };
    if (acceptKeyword(Keyword::Do)) {
        if (m_doDepth == 0)
            fail(err::InvalidExit);
        s->what = ExitKind::Do;
    } else if (acceptKeyword(Keyword::For)) {
        if (m_forDepth == 0)
            fail(err::InvalidExit);
        s->what = ExitKind::For;
    } else if (acceptKeyword(Keyword::Sub)) {
        if (!inProc(ProcKind::Sub))
            fail(err::InvalidExit);
        s->what = ExitKind::Sub;
    } else if (acceptKeyword(Keyword::Function)) {
        if (!inProc(ProcKind::Function))
            fail(err::InvalidExit);
        s->what = ExitKind::Function;
    } else if (acceptKeyword(Keyword::Property)) {
        if (!m_procedure || m_procedure->kind < ProcKind::PropertyGet)
            fail(err::InvalidExit);
        s->what = ExitKind::Property;
    } else {
        fail(err::InvalidExit);
    }
    return s;
}

} // namespace tabulo::vbs
