#pragma once

#include "windows/script_editor/vbscript_syntax.h"

#include <QColor>

namespace tabulo {

// The colours of a script's keywords, strings, comments and the rest,
// chosen for the background they stand on: the editor takes the note's
// theme colours, and a dark theme needs light colours to be read.
struct SyntaxColours
{
    QColor keyword, hostObject, string, comment, number, date;
    // The line numbers beside the text and the band they stand in.
    QColor gutterText, gutterBackground;
    // The line a script stopped at with an error.
    QColor errorLine;

    QColor colourOf(SyntaxKind kind) const;
};

// Colours that read well on `background`; `text` is the theme's colour of
// plain text, from which the line numbers are derived.
SyntaxColours syntaxColoursFor(const QColor &background, const QColor &text);

// The contrast between two colours by the usual measure of legibility: 1
// for equal colours, 21 for black on white.
double contrastRatio(const QColor &a, const QColor &b);

} // namespace tabulo
