// The keywords: the table of reserved words, keywordOf and keywordText.
#include "vbs/lexer.h"

#include "vbs/value.h"

namespace tabulo::vbs {
namespace {

struct KeywordName
{
    std::u16string_view text;
    Keyword keyword;
};

constexpr KeywordName kKeywords[] = {
    {u"and", Keyword::And},
    {u"byref", Keyword::ByRef},
    {u"byval", Keyword::ByVal},
    {u"call", Keyword::Call},
    {u"case", Keyword::Case},
    {u"class", Keyword::Class},
    {u"const", Keyword::Const},
    {u"default", Keyword::Default},
    {u"dim", Keyword::Dim},
    {u"do", Keyword::Do},
    {u"each", Keyword::Each},
    {u"else", Keyword::Else},
    {u"elseif", Keyword::ElseIf},
    {u"empty", Keyword::Empty},
    {u"end", Keyword::End},
    {u"eqv", Keyword::Eqv},
    {u"erase", Keyword::Erase},
    {u"error", Keyword::Error},
    {u"exit", Keyword::Exit},
    {u"explicit", Keyword::Explicit},
    {u"false", Keyword::False},
    {u"for", Keyword::For},
    {u"function", Keyword::Function},
    {u"get", Keyword::Get},
    {u"goto", Keyword::GoTo},
    {u"if", Keyword::If},
    {u"imp", Keyword::Imp},
    {u"in", Keyword::In},
    {u"is", Keyword::Is},
    {u"let", Keyword::Let},
    {u"loop", Keyword::Loop},
    {u"me", Keyword::Me},
    {u"mod", Keyword::Mod},
    {u"new", Keyword::New},
    {u"next", Keyword::Next},
    {u"not", Keyword::Not},
    {u"nothing", Keyword::Nothing},
    {u"null", Keyword::Null},
    {u"on", Keyword::On},
    {u"option", Keyword::Option},
    {u"or", Keyword::Or},
    {u"preserve", Keyword::Preserve},
    {u"private", Keyword::Private},
    {u"property", Keyword::Property},
    {u"public", Keyword::Public},
    {u"randomize", Keyword::Randomize},
    {u"redim", Keyword::ReDim},
    {u"resume", Keyword::Resume},
    {u"select", Keyword::Select},
    {u"set", Keyword::Set},
    {u"step", Keyword::Step},
    {u"sub", Keyword::Sub},
    {u"then", Keyword::Then},
    {u"to", Keyword::To},
    {u"true", Keyword::True},
    {u"until", Keyword::Until},
    {u"wend", Keyword::Wend},
    {u"while", Keyword::While},
    {u"with", Keyword::With},
    {u"xor", Keyword::Xor},
};

} // namespace

Keyword keywordOf(std::u16string_view word)
{
    if (word.size() < 2 || word.size() > 9)
        return Keyword::None;
    std::u16string folded = foldName(word);
    for (const auto &k : kKeywords)
        if (k.text == folded)
            return k.keyword;
    return Keyword::None;
}

std::u16string_view keywordText(Keyword k)
{
    for (const auto &entry : kKeywords)
        if (entry.keyword == k)
            return entry.text;
    return u"";
}

} // namespace tabulo::vbs
