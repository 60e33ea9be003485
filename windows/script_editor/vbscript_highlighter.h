#pragma once

#include "windows/script_editor/syntax_colours.h"

#include <QSyntaxHighlighter>

namespace tabulo {

// Colours VBScript in a text document, one line (block) at a time: a
// keystroke recolours only the line it changed.
class VbScriptHighlighter : public QSyntaxHighlighter
{
    Q_OBJECT
public:
    explicit VbScriptHighlighter(QTextDocument *document);

    // New colours (a theme with another background) recolour the whole
    // script.
    void setColours(const SyntaxColours &colours);
    const SyntaxColours &colours() const { return m_colours; }

protected:
    void highlightBlock(const QString &text) override;

private:
    SyntaxColours m_colours;
};

} // namespace tabulo
