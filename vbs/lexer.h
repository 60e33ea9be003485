#pragma once
// Turns script text into tokens. Keywords come out as identifiers with a keyword
// code, because after a dot (obj.Type, Err.Raise) or in some statements they are plain
// names. Line ends and ":" both end a statement; "_" at a line's end continues it.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "vbs/value.h"

namespace tabulo::vbs {

enum class Keyword : std::uint8_t {
    None,
    And,
    ByRef,
    ByVal,
    Call,
    Case,
    Class,
    Const,
    Default,
    Dim,
    Do,
    Each,
    Else,
    ElseIf,
    Empty,
    End,
    Eqv,
    Erase,
    Error,
    Exit,
    Explicit,
    False,
    For,
    Function,
    Get,
    GoTo,
    If,
    Imp,
    In,
    Is,
    Let,
    Loop,
    Me,
    Mod,
    New,
    Next,
    Not,
    Nothing,
    Null,
    On,
    Option,
    Or,
    Preserve,
    Private,
    Property,
    Public,
    ReDim,
    Resume,
    Select,
    Set,
    Step,
    Sub,
    Then,
    To,
    True,
    Until,
    Wend,
    While,
    With,
    Xor,
    Randomize,
};

enum class TokenKind : std::uint8_t {
    EndOfInput,
    EndOfStatement,
    Identifier,
    Integer,
    Number,
    String,
    Date,
    LParen,
    RParen,
    Comma,
    Dot,
    Plus,
    Minus,
    Star,
    Slash,
    Backslash,
    Caret,
    Ampersand,
    Equal,
    NotEqual,
    Less,
    LessEqual,
    Greater,
    GreaterEqual,
};

struct Token
{
    TokenKind kind = TokenKind::EndOfInput;
    Keyword keyword = Keyword::None; // for identifiers that are keywords
    int line = 1;
    int column = 1;
    bool spaceBefore = false; // whitespace (or a line start) right before the token
    bool bracketed = false; // an identifier written as [name]
    std::u16string text; // identifier as written, string literal contents
    double number = 0; // numeric and date literals
};

// Reads the whole text; raises a ScriptException with a syntax error number
// (1032 Invalid character, 1033 Unterminated string constant, ...) and the position.
std::vector<Token> tokenize(std::u16string_view source);

Keyword keywordOf(std::u16string_view word);
std::u16string_view keywordText(Keyword k);

} // namespace tabulo::vbs
