// Operands of expressions: literals, names, New, Me, parentheses, members and calls
// after them (postfix), and argument lists.
#include "vbs/parser_internal.h"

namespace tabulo::vbs {

// postfix := primary { "." name [ "(" args ")" ] | "(" args ")" }
ExprPtr Parser::postfix()
{
    return postfixTail(primary());
}

ExprPtr Parser::postfixTail(ExprPtr target)
{
    for (;;) {
        if (at(TokenKind::Dot) && !peek().spaceBefore) {
            Position at = here();
            advance();
            auto m = std::make_unique<MemberExpr>();
            m->at = at;
            m->name = expectMemberName();
            m->object = std::move(target);
            if (this->at(TokenKind::LParen))
                argumentList(m->args);
            int argHeight = 0;
            for (auto &a : m->args.items)
                if (a)
                    argHeight = std::max(argHeight, a->height);
            m->height = 1 + std::max(m->object->height, argHeight);
            target = finish(std::move(m));
        } else if (at(TokenKind::LParen)) {
            auto ix = std::make_unique<IndexExpr>();
            ix->at = here();
            argumentList(ix->args);
            ix->height = target->height + 1;
            for (auto &a : ix->args.items)
                if (a)
                    ix->height = std::max(ix->height, a->height + 1);
            ix->target = std::move(target);
            target = finish(std::move(ix));
        } else {
            return target;
        }
    }
}

// args := "(" [ [expression] { "," [expression] } ] ")"
void Parser::argumentList(ArgList &args)
{
    expect(TokenKind::LParen, err::ExpectedLParen);
    args.parens = true;
    if (accept(TokenKind::RParen))
        return;
    for (;;) {
        if (at(TokenKind::Comma) || at(TokenKind::RParen))
            args.items.push_back(nullptr);
        else
            args.items.push_back(expression());
        if (accept(TokenKind::Comma))
            continue;
        expect(TokenKind::RParen, err::ExpectedRParen);
        return;
    }
}

std::unique_ptr<NameExpr> Parser::nameReference()
{
    auto n = std::make_unique<NameExpr>();
    n->at = here();
    n->name = expectName();
    n->folded = foldName(n->name);
    if (at(TokenKind::LParen)) {
        argumentList(n->args);
        for (auto &a : n->args.items)
            if (a)
                n->height = std::max(n->height, a->height + 1);
    }
    return n;
}

// primary := literal | name [args] | "(" expression ")" | "New" name | "Me" | "." name [args]
ExprPtr Parser::primary()
{
    const Token &t = peek();
    Position at = here();
    auto literal = [&](Value v) {
        auto l = std::make_unique<LiteralExpr>();
        l->at = at;
        l->value = std::move(v);
        advance();
        return l;
    };
    switch (t.kind) {
    case TokenKind::Integer: {
        double n = t.number;
        if (n >= -32768 && n <= 32767)
            return literal(Value::integer(std::int16_t(n)));
        return literal(Value::longValue(std::int32_t(n)));
    }
    case TokenKind::Number:
        return literal(Value::number(t.number));
    case TokenKind::String:
        return literal(Value::string(t.text));
    case TokenKind::Date:
        return literal(Value::date(t.number));
    case TokenKind::LParen: {
        advance();
        auto p = std::make_unique<ParenExpr>();
        p->at = at;
        p->inner = expression();
        p->height = p->inner->height + 1;
        expect(TokenKind::RParen, err::ExpectedRParen);
        return finish(std::move(p));
    }
    case TokenKind::Dot: {
        // ".name" inside With.
        if (m_withDepth == 0)
            fail(err::InvalidReference);
        advance();
        auto m = std::make_unique<MemberExpr>();
        m->at = at;
        m->name = expectMemberName();
        m->withDepth = m_withDepth - 1;
        if (this->at(TokenKind::LParen))
            argumentList(m->args);
        for (auto &a : m->args.items)
            if (a)
                m->height = std::max(m->height, a->height + 1);
        return finish(std::move(m));
    }
    case TokenKind::Identifier:
        if (!t.bracketed) {
            switch (t.keyword) {
            case Keyword::True:
                return literal(Value::boolean(true));
            case Keyword::False:
                return literal(Value::boolean(false));
            case Keyword::Empty:
                return literal(Value());
            case Keyword::Null:
                return literal(Value::null());
            case Keyword::Nothing:
                return literal(Value::nothing());
            case Keyword::Me: {
                advance();
                auto me = std::make_unique<MeExpr>();
                me->at = at;
                return me;
            }
            case Keyword::New: {
                advance();
                auto n = std::make_unique<NewExpr>();
                n->at = at;
                n->className = expectName();
                return n;
            }
            default:
                break;
            }
        }
        if (!atName())
            fail(err::ExpectedExpression);
        return finish(nameReference());
    default:
        fail(err::ExpectedExpression);
    }
}

ExprPtr Parser::standaloneExpression()
{
    ExprPtr e = expression();
    if (!atEndOfStatement() || (at(TokenKind::EndOfStatement) && peek(1).kind != TokenKind::EndOfInput))
        fail(err::ExpectedEndOfStatement);
    return e;
}

} // namespace tabulo::vbs
