#pragma once

#include <QList>
#include <QStringView>

namespace tabulo {

// What a stretch of a script line is, for its colour.
enum class SyntaxKind {
    Keyword,
    HostObject, // a name under which the program hands an object to the script
    String,
    Comment,
    Number,
    Date,
};

struct SyntaxSpan
{
    qsizetype start = 0;
    qsizetype length = 0;
    SyntaxKind kind = SyntaxKind::Keyword;

    friend bool operator==(const SyntaxSpan &, const SyntaxSpan &) = default;
};

// The coloured stretches of one line of VBScript, in order; plain names,
// operators and spaces are left out. A line is enough: comments, strings
// and date literals never continue on the next line, so typing in a long
// script colours only the line being typed.
//
// The rules follow the program's interpreter rather than the letter of the
// language: "Rem" as a whole word starts a comment wherever it stands, and
// "&" followed by a digit is an octal number, as the interpreter reads them.
QList<SyntaxSpan> vbscriptSpans(QStringView line);

// True for the names of the host objects (Tabulo, Text, TotX, ...), in any
// case, as the script sees them.
bool isHostObjectName(QStringView word);

} // namespace tabulo
