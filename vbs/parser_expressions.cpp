// Expressions by precedence, from Imp down to ^; parser_operands.cpp parses what they combine.
#include "vbs/parser_internal.h"

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

} // namespace tabulo::vbs
