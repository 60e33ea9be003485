#include "windows/script_editor/vbscript_highlighter.h"

#include <QTextCharFormat>

namespace tabulo {

VbScriptHighlighter::VbScriptHighlighter(QTextDocument *document)
    : QSyntaxHighlighter(document)
    , m_colours(syntaxColoursFor(Qt::white, Qt::black))
{
}

void VbScriptHighlighter::setColours(const SyntaxColours &colours)
{
    m_colours = colours;
    rehighlight();
}

void VbScriptHighlighter::highlightBlock(const QString &text)
{
    for (const SyntaxSpan &span : vbscriptSpans(text)) {
        QTextCharFormat format;
        format.setForeground(m_colours.colourOf(span.kind));
        if (span.kind == SyntaxKind::Keyword)
            format.setFontWeight(QFont::Bold);
        else if (span.kind == SyntaxKind::Comment)
            format.setFontItalic(true);
        setFormat(int(span.start), int(span.length), format);
    }
}

} // namespace tabulo
