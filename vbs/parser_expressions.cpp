// Expressions by precedence, from Imp down to ^; parser_operands.cpp parses what they combine.
#include <span>

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

namespace {

// One binary operator as the source spells it: a symbol, or a keyword (Mod, And).
struct BinaryOperator
{
    TokenKind symbol; // Identifier for a keyword
    Keyword keyword;
    BinaryOp op;
};

constexpr BinaryOperator word(Keyword keyword, BinaryOp op)
{
    return {TokenKind::Identifier, keyword, op};
}
constexpr BinaryOperator symbol(TokenKind kind, BinaryOp op)
{
    return {kind, Keyword::None, op};
}

constexpr BinaryOperator kImp[] = {word(Keyword::Imp, BinaryOp::Imp)};
constexpr BinaryOperator kEqv[] = {word(Keyword::Eqv, BinaryOp::Eqv)};
constexpr BinaryOperator kXor[] = {word(Keyword::Xor, BinaryOp::Xor)};
constexpr BinaryOperator kOr[] = {word(Keyword::Or, BinaryOp::Or)};
constexpr BinaryOperator kAnd[] = {word(Keyword::And, BinaryOp::And)};
constexpr BinaryOperator kComparison[] = {
    symbol(TokenKind::Equal, BinaryOp::Equal),
    symbol(TokenKind::NotEqual, BinaryOp::NotEqual),
    symbol(TokenKind::Less, BinaryOp::Less),
    symbol(TokenKind::LessEqual, BinaryOp::LessEqual),
    symbol(TokenKind::Greater, BinaryOp::Greater),
    symbol(TokenKind::GreaterEqual, BinaryOp::GreaterEqual),
    word(Keyword::Is, BinaryOp::Is),
};
constexpr BinaryOperator kConcatenation[] = {symbol(TokenKind::Ampersand, BinaryOp::Concat)};
constexpr BinaryOperator kAdditive[]
    = {symbol(TokenKind::Plus, BinaryOp::Add), symbol(TokenKind::Minus, BinaryOp::Subtract)};
constexpr BinaryOperator kModulus[] = {word(Keyword::Mod, BinaryOp::Mod)};
constexpr BinaryOperator kIntegerDivision[] = {symbol(TokenKind::Backslash, BinaryOp::IntDivide)};
constexpr BinaryOperator kMultiplicative[]
    = {symbol(TokenKind::Star, BinaryOp::Multiply), symbol(TokenKind::Slash, BinaryOp::Divide)};

// The binary operators by precedence, lowest first; each level is left-associative:
//   level := next level { operator next level }
// Not binds between And and the comparisons (it has no row: notExpression parses it),
// the signs and ^ above * and / (unary and exponent).
constexpr std::span<const BinaryOperator> kLevels[] = {
    kImp,
    kEqv,
    kXor,
    kOr,
    kAnd,
    {},
    kComparison,
    kConcatenation,
    kAdditive,
    kModulus,
    kIntegerDivision,
    kMultiplicative,
};
constexpr std::size_t kNotLevel = 5;

} // namespace

// expression := level 0 (Imp)
ExprPtr Parser::expression()
{
    NestingGuard guard(*this);
    return binaryLevel(0);
}

ExprPtr Parser::binaryLevel(std::size_t level)
{
    if (level == std::size(kLevels))
        return unary();
    if (level == kNotLevel)
        return notExpression();
    const auto operatorHere = [&]() -> const BinaryOperator * {
        for (const BinaryOperator &o : kLevels[level])
            if (o.symbol == TokenKind::Identifier ? atKeyword(o.keyword) : at(o.symbol))
                return &o;
        return nullptr;
    };
    ExprPtr left = binaryLevel(level + 1);
    while (const BinaryOperator *o = operatorHere()) {
        Position at = here();
        advance();
        left = binary(o->op, std::move(left), binaryLevel(level + 1), at);
    }
    return left;
}

// notExpression := "Not" notExpression | comparison level
ExprPtr Parser::notExpression()
{
    if (!atKeyword(Keyword::Not))
        return binaryLevel(kNotLevel + 1);
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
