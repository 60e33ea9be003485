#pragma once

#include "windows/script_editor/syntax_colours.h"

#include <QPlainTextEdit>

namespace tabulo {

class VbScriptHighlighter;

// The script editor's text box: VBScript colours, line numbers in a gutter
// at the left, long lines scrolled rather than wrapped, and the keys a
// programmer expects: Tab and Shift+Tab indent and outdent with spaces,
// Enter keeps the indentation of the line above.
class ScriptTextEdit : public QPlainTextEdit
{
    Q_OBJECT
public:
    // Tab moves to the next multiple of this many columns.
    static constexpr int indentWidth = 4;

    explicit ScriptTextEdit(QWidget *parent = nullptr);

    // Replaces the whole text (a script just loaded): coloured at once,
    // unmodified, with an empty undo history.
    void setScript(const QString &text);

    // Colours the text for a background (syntax, gutter, the error line).
    void setColours(const SyntaxColours &colours);
    VbScriptHighlighter *highlighter() const { return m_highlighter; }

    // Marks a line (0-based block number) as where a script stopped with an
    // error, until the text is next changed; -1 clears the mark.
    void markErrorLine(int block);
    int markedErrorLine() const { return m_errorBlock; }

    int lineNumberAreaWidth() const;
    QWidget *lineNumberArea() const { return m_lineNumbers; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    friend class LineNumberArea;
    void paintLineNumbers(QPaintEvent *event);
    void updateMargins();
    void followScroll(const QRect &rect, int dy);
    void showErrorMark();

    void insertIndent();
    // Adds (or, outdenting, removes) one level of indentation on every line
    // the selection touches, as one step of the undo history.
    void indentLines(bool outdent);
    void newLineKeepingIndent();

    QWidget *m_lineNumbers = nullptr;
    VbScriptHighlighter *m_highlighter = nullptr;
    SyntaxColours m_colours;
    int m_errorBlock = -1;
};

} // namespace tabulo
