// Statements that start with a name: assignments and calls, where the parser has to
// tell `f (a) + 1, b` (a call with arguments) from `f(a, b) = 1` (an assignment).
#include "vbs/parser_internal.h"

namespace tabulo::vbs {

std::size_t Parser::matchingParen(std::size_t open) const
{
    int depth = 0;
    for (std::size_t i = open; i < m_tokens.size(); ++i) {
        if (m_tokens[i].kind == TokenKind::LParen)
            ++depth;
        else if (m_tokens[i].kind == TokenKind::RParen && --depth == 0)
            return i;
        else if (m_tokens[i].kind == TokenKind::EndOfStatement || m_tokens[i].kind == TokenKind::EndOfInput)
            return i;
    }
    return m_tokens.size() - 1;
}

// The callee of a statement: name { "." name } with each "(...)" that belongs to the
// chain. A "(" whose group is followed by an operator or a comma starts the first
// argument instead: `Echo (a + b) * 2, c`.
ExprPtr Parser::callTarget()
{
    ExprPtr target;
    auto groupBelongsToChain = [&] {
        std::size_t close = matchingParen(m_pos);
        if (m_tokens[close].kind != TokenKind::RParen)
            return true; // let the parser report it
        const Token &after = close + 1 < m_tokens.size() ? m_tokens[close + 1] : m_tokens.back();
        return after.kind == TokenKind::EndOfStatement || after.kind == TokenKind::EndOfInput
            || after.kind == TokenKind::Equal || after.kind == TokenKind::LParen
            || (after.kind == TokenKind::Dot && !after.spaceBefore)
            || (m_singleLineIf > 0 && after.kind == TokenKind::Identifier && after.keyword == Keyword::Else);
    };
    Position at = here();
    if (accept(TokenKind::Dot)) {
        if (m_withDepth == 0)
            fail(err::InvalidReference);
        auto m = std::make_unique<MemberExpr>();
        m->at = at;
        m->name = expectMemberName();
        m->withDepth = m_withDepth - 1;
        if (this->at(TokenKind::LParen) && groupBelongsToChain())
            argumentList(m->args);
        target = std::move(m);
    } else if (atKeyword(Keyword::Me)) {
        // Me.Value = 1, Me.Walk n: a member of the instance, as class code often writes.
        advance();
        auto me = std::make_unique<MeExpr>();
        me->at = at;
        target = std::move(me);
        if (!this->at(TokenKind::Dot) || peek().spaceBefore)
            fail(err::ExpectedStatement);
    } else {
        if (!atName())
            fail(err::ExpectedStatement);
        auto n = std::make_unique<NameExpr>();
        n->at = at;
        n->name = advance().text;
        n->folded = foldName(n->name);
        if (this->at(TokenKind::LParen) && groupBelongsToChain())
            argumentList(n->args);
        target = std::move(n);
    }
    for (;;) {
        if (this->at(TokenKind::Dot) && !peek().spaceBefore) {
            Position mat = here();
            advance();
            auto m = std::make_unique<MemberExpr>();
            m->at = mat;
            m->name = expectMemberName();
            m->object = std::move(target);
            if (this->at(TokenKind::LParen) && groupBelongsToChain())
                argumentList(m->args);
            target = std::move(m);
        } else if (this->at(TokenKind::LParen) && groupBelongsToChain()
            && ((target->kind == ExprKind::Name && static_cast<NameExpr &>(*target).args.parens)
                || (target->kind == ExprKind::Member && static_cast<MemberExpr &>(*target).args.parens)
                || target->kind == ExprKind::Index)) {
            auto ix = std::make_unique<IndexExpr>();
            ix->at = here();
            argumentList(ix->args);
            ix->target = std::move(target);
            target = std::move(ix);
        } else {
            break;
        }
    }
    return target;
}

namespace {

// Whether two operands name the same thing without arguments: the variable `s`, or
// the member `obj.Text` (or `.Text` of the same With) of the same plain name.
bool sameAppendTarget(const Expr &a, const Expr &b)
{
    if (a.kind != b.kind)
        return false;
    if (a.kind == ExprKind::Name) {
        const auto &x = static_cast<const NameExpr &>(a);
        const auto &y = static_cast<const NameExpr &>(b);
        return !x.args.parens && !y.args.parens && x.folded == y.folded;
    }
    if (a.kind != ExprKind::Member)
        return false;
    const auto &x = static_cast<const MemberExpr &>(a);
    const auto &y = static_cast<const MemberExpr &>(b);
    if (x.args.parens || y.args.parens || !x.args.items.empty() || !y.args.items.empty() || !sameName(x.name, y.name))
        return false;
    if (!x.object || !y.object)
        return !x.object && !y.object && x.withDepth == y.withDepth;
    return x.object->kind == ExprKind::Name && sameAppendTarget(*x.object, *y.object);
}

} // namespace

// s = s & a & b, obj.Text = obj.Text & a & b: the pieces after the target's own
// value, so the text can grow where it is (interpreter_append.cpp); empty otherwise.
std::vector<const Expr *> Parser::appendedPieces(const Expr &target, const Expr &value)
{
    std::vector<const Expr *> pieces;
    const Expr *e = &value;
    while (e->kind == ExprKind::Binary && static_cast<const BinaryExpr *>(e)->op == BinaryOp::Concat) {
        const auto *b = static_cast<const BinaryExpr *>(e);
        pieces.push_back(b->right.get());
        e = b->left.get();
    }
    if (pieces.empty() || !sameAppendTarget(target, *e))
        return {};
    return {pieces.rbegin(), pieces.rend()};
}

// assignment := ["Set"] target "=" expr ;  call := ["Call"] target [args]
StmtPtr Parser::assignmentOrCall(bool isSet, bool isCall)
{
    ExprPtr target = isCall ? postfix() : callTarget();
    if (!isCall && accept(TokenKind::Equal)) {
        if (target->kind == ExprKind::Member) {
            // fine: obj.x = 1, .x = 1
        } else if (target->kind != ExprKind::Name && target->kind != ExprKind::Index) {
            fail(err::SyntaxError);
        }
        auto s = std::make_unique<AssignStmt>();
        s->isSet = isSet;
        s->target = std::move(target);
        s->value = expression();
        if (!isSet)
            s->appendPieces = appendedPieces(*s->target, *s->value);
        return s;
    }
    if (isSet)
        fail(err::ExpectedEquals);
    auto s = std::make_unique<CallStmt>();
    ArgList *args = nullptr;
    if (target->kind == ExprKind::Name)
        args = &static_cast<NameExpr &>(*target).args;
    else if (target->kind == ExprKind::Member)
        args = &static_cast<MemberExpr &>(*target).args;
    else if (!isCall)
        fail(err::ExpectedStatement);
    if (atEndOfStatement()) {
        if (!isCall && args && args->parens && args->items.size() == 1 && args->items[0]) {
            // Foo (x): the parentheses make x a value, so a ByRef parameter cannot change it.
            auto p = std::make_unique<ParenExpr>();
            p->at = args->items[0]->at;
            p->height = args->items[0]->height + 1;
            p->inner = std::move(args->items[0]);
            args->items[0] = std::move(p);
            args->parens = false;
        } else if (!isCall && args && args->parens && args->items.size() > 1) {
            fail(err::NoParensCallingSub);
        }
    } else {
        if (isCall || !args || args->parens)
            fail(err::ExpectedEndOfStatement);
        for (;;) {
            if (at(TokenKind::Comma))
                args->items.push_back(nullptr);
            else
                args->items.push_back(expression());
            if (!accept(TokenKind::Comma))
                break;
            if (atEndOfStatement()) {
                args->items.push_back(nullptr);
                break;
            }
        }
    }
    s->call = std::move(target);
    return s;
}

} // namespace tabulo::vbs
