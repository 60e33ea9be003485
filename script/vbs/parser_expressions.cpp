#include "parser_internal.h"

namespace tabulo::vbs {

ExprPtr Parser::finish(ExprPtr e)
{
    if (e->height > kMaxExpressionHeight)
        fail(err::OutOfStack);
    return e;
}

ExprPtr Parser::binary(BinaryOp op, ExprPtr left, ExprPtr right, Position at)
{
    auto b = std::make_unique<BinaryExpr>();
    b->op = op;
    b->at = at;
    b->height = 1 + std::max(left->height, right->height);
    b->left = std::move(left);
    b->right = std::move(right);
    return finish(std::move(b));
}

// expression := impExpression
ExprPtr Parser::expression()
{
    NestingGuard guard(*this);
    return impExpression();
}

// impExpression := eqvExpression { "Imp" eqvExpression }
ExprPtr Parser::impExpression()
{
    ExprPtr left = eqvExpression();
    while (atKeyword(Keyword::Imp)) {
        Position at = here();
        advance();
        left = binary(BinaryOp::Imp, std::move(left), eqvExpression(), at);
    }
    return left;
}

// eqvExpression := xorExpression { "Eqv" xorExpression }
ExprPtr Parser::eqvExpression()
{
    ExprPtr left = xorExpression();
    while (atKeyword(Keyword::Eqv)) {
        Position at = here();
        advance();
        left = binary(BinaryOp::Eqv, std::move(left), xorExpression(), at);
    }
    return left;
}

// xorExpression := orExpression { "Xor" orExpression }
ExprPtr Parser::xorExpression()
{
    ExprPtr left = orExpression();
    while (atKeyword(Keyword::Xor)) {
        Position at = here();
        advance();
        left = binary(BinaryOp::Xor, std::move(left), orExpression(), at);
    }
    return left;
}

// orExpression := andExpression { "Or" andExpression }
ExprPtr Parser::orExpression()
{
    ExprPtr left = andExpression();
    while (atKeyword(Keyword::Or)) {
        Position at = here();
        advance();
        left = binary(BinaryOp::Or, std::move(left), andExpression(), at);
    }
    return left;
}

// andExpression := notExpression { "And" notExpression }
ExprPtr Parser::andExpression()
{
    ExprPtr left = notExpression();
    while (atKeyword(Keyword::And)) {
        Position at = here();
        advance();
        left = binary(BinaryOp::And, std::move(left), notExpression(), at);
    }
    return left;
}

// notExpression := "Not" notExpression | comparison
ExprPtr Parser::notExpression()
{
    if (!atKeyword(Keyword::Not))
        return comparison();
    Position at = here();
    advance();
    NestingGuard guard(*this);
    auto u = std::make_unique<UnaryExpr>();
    u->op = UnaryOp::Not;
    u->at = at;
    u->operand = notExpression();
    u->height = u->operand->height + 1;
    return finish(std::move(u));
}

// comparison := concatenation { ("=" | "<>" | "<" | "<=" | ">" | ">=" | "Is") concatenation }
ExprPtr Parser::comparison()
{
    ExprPtr left = concatenation();
    for (;;) {
        BinaryOp op;
        switch (peek().kind) {
        case TokenKind::Equal:
            op = BinaryOp::Equal;
            break;
        case TokenKind::NotEqual:
            op = BinaryOp::NotEqual;
            break;
        case TokenKind::Less:
            op = BinaryOp::Less;
            break;
        case TokenKind::LessEqual:
            op = BinaryOp::LessEqual;
            break;
        case TokenKind::Greater:
            op = BinaryOp::Greater;
            break;
        case TokenKind::GreaterEqual:
            op = BinaryOp::GreaterEqual;
            break;
        default:
            if (!atKeyword(Keyword::Is))
                return left;
            op = BinaryOp::Is;
        }
        Position at = here();
        advance();
        left = binary(op, std::move(left), concatenation(), at);
    }
}

// concatenation := additive { "&" additive }
ExprPtr Parser::concatenation()
{
    ExprPtr left = additive();
    while (at(TokenKind::Ampersand)) {
        Position at = here();
        advance();
        left = binary(BinaryOp::Concat, std::move(left), additive(), at);
    }
    return left;
}

// additive := modulus { ("+" | "-") modulus }
ExprPtr Parser::additive()
{
    ExprPtr left = modulus();
    while (at(TokenKind::Plus) || at(TokenKind::Minus)) {
        BinaryOp op = at(TokenKind::Plus) ? BinaryOp::Add : BinaryOp::Subtract;
        Position at = here();
        advance();
        left = binary(op, std::move(left), modulus(), at);
    }
    return left;
}

// modulus := integerDivision { "Mod" integerDivision }
ExprPtr Parser::modulus()
{
    ExprPtr left = integerDivision();
    while (atKeyword(Keyword::Mod)) {
        Position at = here();
        advance();
        left = binary(BinaryOp::Mod, std::move(left), integerDivision(), at);
    }
    return left;
}

// integerDivision := multiplicative { "\" multiplicative }
ExprPtr Parser::integerDivision()
{
    ExprPtr left = multiplicative();
    while (at(TokenKind::Backslash)) {
        Position at = here();
        advance();
        left = binary(BinaryOp::IntDivide, std::move(left), multiplicative(), at);
    }
    return left;
}

// multiplicative := unary { ("*" | "/") unary }
ExprPtr Parser::multiplicative()
{
    ExprPtr left = unary();
    while (at(TokenKind::Star) || at(TokenKind::Slash)) {
        BinaryOp op = at(TokenKind::Star) ? BinaryOp::Multiply : BinaryOp::Divide;
        Position at = here();
        advance();
        left = binary(op, std::move(left), unary(), at);
    }
    return left;
}

// unary := ("-" | "+") unary | exponent        (so -2 ^ 2 is -4)
ExprPtr Parser::unary()
{
    if (!at(TokenKind::Minus) && !at(TokenKind::Plus))
        return exponent();
    Position at = here();
    UnaryOp op = peek().kind == TokenKind::Minus ? UnaryOp::Negate : UnaryOp::Plus;
    advance();
    NestingGuard guard(*this);
    auto u = std::make_unique<UnaryExpr>();
    u->op = op;
    u->at = at;
    u->operand = unary();
    u->height = u->operand->height + 1;
    return finish(std::move(u));
}

// exponent := postfix { "^" ( "-" exponent | postfix ) }
ExprPtr Parser::exponent()
{
    ExprPtr left = postfix();
    while (at(TokenKind::Caret)) {
        Position at = here();
        advance();
        ExprPtr right;
        if (this->at(TokenKind::Minus) || this->at(TokenKind::Plus))
            right = unary();
        else
            right = postfix();
        left = binary(BinaryOp::Power, std::move(left), std::move(right), at);
    }
    return left;
}

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
