#include "vbs/parser_internal.h"

namespace tabulo::vbs {

// params := "(" [ ["ByVal" | "ByRef"] name ["()"] { "," ... } ] ")"
void Parser::parameters(Procedure &proc)
{
    if (!accept(TokenKind::LParen))
        return;
    if (accept(TokenKind::RParen))
        return;
    do {
        Parameter p;
        if (acceptKeyword(Keyword::ByVal))
            p.byRef = false;
        else
            acceptKeyword(Keyword::ByRef);
        p.name = expectName();
        if (accept(TokenKind::LParen)) {
            expect(TokenKind::RParen, err::ExpectedRParen);
            p.isArray = true;
        }
        for (const Parameter &other : proc.params)
            if (sameName(other.name, p.name))
                fail(err::NameRedefined);
        proc.params.push_back(std::move(p));
    } while (accept(TokenKind::Comma));
    expect(TokenKind::RParen, err::ExpectedRParen);
}

// procedure := ("Sub" | "Function" | "Property" ("Get" | "Let" | "Set")) name [params]
//              block "End" ("Sub" | "Function" | "Property")
std::unique_ptr<Procedure> Parser::procedure(bool isPublic, bool isDefault)
{
    if (m_procedure)
        fail(err::ExpectedStatement);
    auto proc = std::make_unique<Procedure>();
    proc->at = here();
    proc->isPublic = isPublic;
    proc->isDefault = isDefault;
    Keyword closing;
    if (acceptKeyword(Keyword::Sub)) {
        proc->kind = ProcKind::Sub;
        closing = Keyword::Sub;
    } else if (acceptKeyword(Keyword::Function)) {
        proc->kind = ProcKind::Function;
        closing = Keyword::Function;
    } else {
        expectKeyword(Keyword::Property, err::SyntaxError);
        if (!m_inClass)
            fail(err::MustBeInClass);
        if (acceptKeyword(Keyword::Get))
            proc->kind = ProcKind::PropertyGet;
        else if (acceptKeyword(Keyword::Let))
            proc->kind = ProcKind::PropertyLet;
        else if (acceptKeyword(Keyword::Set))
            proc->kind = ProcKind::PropertySet;
        else
            fail(err::ExpectedLetSetGet);
        closing = Keyword::Property;
    }
    if (isDefault && proc->kind != ProcKind::Function && proc->kind != ProcKind::Sub
        && proc->kind != ProcKind::PropertyGet)
        fail(err::DefaultOnlyOnGet);
    if (isDefault && !isPublic)
        fail(err::DefaultNeedsPublic);
    proc->name = expectName();
    parameters(*proc);
    if ((proc->kind == ProcKind::PropertyLet || proc->kind == ProcKind::PropertySet) && proc->params.empty())
        fail(err::PropertyNeedsArgument);
    if (m_inClass && (sameName(proc->name, u"Class_Initialize") || sameName(proc->name, u"Class_Terminate"))
        && !proc->params.empty())
        fail(err::InitTerminateArgs);
    expectEndOfStatement();
    m_procedure = proc.get();
    int savedWith = m_withDepth, savedFor = m_forDepth, savedDo = m_doDepth;
    m_withDepth = m_forDepth = m_doDepth = 0;
    proc->body = block(true);
    m_withDepth = savedWith;
    m_forDepth = savedFor;
    m_doDepth = savedDo;
    m_procedure = nullptr;
    int error = closing == Keyword::Sub ? err::ExpectedSub
        : closing == Keyword::Function  ? err::ExpectedFunction
                                        : err::ExpectedProperty;
    if (!acceptKeyword(Keyword::End))
        fail(err::ExpectedEnd);
    expectKeyword(closing, error);
    return proc;
}

// fields := name ["(" [bounds] ")"] { "," ... }   (after Public, Private or Dim in a class)
void Parser::fieldDeclarations(ClassDecl &cls, bool isPublic)
{
    do {
        FieldDecl f;
        f.isPublic = isPublic;
        f.name = expectName();
        if (accept(TokenKind::LParen)) {
            f.isArray = true;
            if (!accept(TokenKind::RParen)) {
                do
                    f.bounds.push_back(expression());
                while (accept(TokenKind::Comma));
                expect(TokenKind::RParen, err::ExpectedRParen);
            }
        }
        cls.fields.push_back(std::move(f));
    } while (accept(TokenKind::Comma));
}

// class := "Class" name EOS { member EOS } "End" "Class"
std::unique_ptr<ClassDecl> Parser::classDeclaration()
{
    advance();
    auto cls = std::make_unique<ClassDecl>();
    cls->at = here();
    cls->name = expectName();
    expectEndOfStatement();
    m_inClass = true;
    for (;;) {
        while (accept(TokenKind::EndOfStatement)) { }
        if (at(TokenKind::EndOfInput))
            fail(err::ExpectedEnd);
        if (acceptKeyword(Keyword::End)) {
            expectKeyword(Keyword::Class, err::ExpectedClass);
            break;
        }
        bool isPublic = true;
        bool isDefault = false;
        bool hadModifier = false;
        if (atKeyword(Keyword::Public) || atKeyword(Keyword::Private)) {
            isPublic = atKeyword(Keyword::Public);
            hadModifier = true;
            advance();
            isDefault = acceptKeyword(Keyword::Default);
        }
        if (atKeyword(Keyword::Sub) || atKeyword(Keyword::Function) || atKeyword(Keyword::Property)) {
            auto proc = procedure(isPublic, isDefault);
            proc->owner = cls.get();
            cls->procedures.push_back(std::move(proc));
        } else if (isDefault) {
            fail(err::DefaultPlacement);
        } else if (acceptKeyword(Keyword::Dim) || hadModifier) {
            fieldDeclarations(*cls, isPublic);
        } else {
            fail(err::ExpectedStatement);
        }
        expectEndOfStatement();
    }
    m_inClass = false;
    return cls;
}

} // namespace tabulo::vbs
