#include "form1.h"

#include "colour_number.h"
#include "files/text_codec.h"
#include "note_editor.h"
#include "total_box.h"

#include <QLabel>
#include <QTextCursor>

namespace tabulo {

void Form1::connectNoteSignals()
{
    connect(m_text1, &QPlainTextEdit::textChanged, this, [this] { onEditorChanged(m_text1); });
    connect(m_editor2, &QPlainTextEdit::textChanged, this, [this] { onEditorChanged(m_editor2); });
    connect(m_text2, &TotalBox::totalChanged, this, &Form1::Text2_Change);
    connect(m_text3, &TotalBox::totalChanged, this, &Form1::Text3_Change);
    for (NoteEditor *editor : {m_text1, m_editor2}) {
        connect(editor, &QPlainTextEdit::selectionChanged, this, &Form1::showSelectionLength);
        // Lines selected with the mouse show their own total in the second box.
        connect(editor, &NoteEditor::mouseReleased, this, [this, editor] {
            if (editor == visibleEditor() && editor->textCursor().selectedText().size() > 2)
                TotaleSelezione();
        });
    }
}

QString Form1::noteText() const
{
    return toCrLf(visibleEditor()->editorText());
}

void Form1::setNoteText(const QString &text)
{
    visibleEditor()->setEditorText(fromCrLf(text));
}

void Form1::onEditorChanged(NoteEditor *editor)
{
    // The hidden twin only receives copies; the visible editor is the note.
    if (editor != visibleEditor())
        return;
    Text1_Change();
}

void Form1::syncHiddenEditor()
{
    // Copying a big note into the hidden editor on every keystroke would
    // cost a full re-layout of a widget nobody sees, so the twin is brought
    // up to date when it is about to be shown.
    if (!m_hiddenEditorStale)
        return;
    NoteEditor *shown = visibleEditor();
    NoteEditor *hidden = shown == m_text1 ? m_editor2 : m_text1;
    const QSignalBlocker quiet(hidden);
    hidden->setEditorText(shown->editorText());
    hidden->setTextCursor(QTextCursor(hidden->document()));
    QTextCursor caret = hidden->textCursor();
    caret.setPosition(std::min(shown->textCursor().position(), hidden->document()->characterCount() - 1));
    hidden->setTextCursor(caret);
    m_hiddenEditorStale = false;
}

void Form1::Text1_Change()
{
    const QString text = visibleEditor()->editorText();
    m_text2->setTotal(QStringLiteral("0"));
    m_hiddenEditorStale = true;
    if (m_caricamento)
        return;

    // Every character counts, the two of each CR LF line break included.
    const qsizetype lineBreaks = visibleEditor()->document()->blockCount() - 1;
    statusPanel(1)->setText(QStringLiteral("CC: %1").arg(text.size() + lineBreaks));

    if (m_saltaCronologia) {
        // The change was Undo or Redo putting back a recorded state.
        m_saltaCronologia = 0;
    } else {
        statusPanel(0)->setText(m_testoModificato);
        m_history.record(text);
    }

    // Only the last running total is shown: the totals box never needs the
    // intermediate ones.
    const Evaluation evaluation = m_engine.evaluate(text);
    m_workingFiles.writeEvaluation(text);
    if (evaluation.countedLines > 0)
        showTotalIn(m_text2, evaluation.total);
    m_modi = 1;
}

void Form1::showTotalIn(TotalBox *box, double total)
{
    box->setTotal(m_numberFormat.format(total));
}

void Form1::colourTotal(TotalBox *box, const QString &positive, const QString &negative)
{
    // A theme colour that is not a number leaves the colour as it is.
    const QString &chosen = box->text().startsWith(QLatin1Char('-')) ? negative : positive;
    if (const auto colour = colourFromNumberText(chosen))
        box->setTextColour(*colour);
}

void Form1::Text2_Change()
{
    colourTotal(m_text2, themeColours.fta_posi, themeColours.fta_nega);
    if (m_text2->text().isEmpty())
        m_text2->setTotal(QStringLiteral("0"));
    m_text3->setTotal(m_text2->text());
}

void Form1::Text3_Change()
{
    colourTotal(m_text3, themeColours.ftb_posi, themeColours.ftb_nega);
}

void Form1::TotaleSelezione()
{
    // The selection's own total goes to the second box; a selection in which
    // no line counts leaves that box as it was.
    syncHiddenEditor();
    const QString selected = visibleEditor()->textCursor().selectedText().replace(QChar::ParagraphSeparator, u'\n');
    const Evaluation evaluation = m_engine.evaluate(selected);
    m_workingFiles.writeEvaluation(selected);
    if (evaluation.countedLines > 0)
        showTotalIn(m_text3, evaluation.total);
    if (evaluation.total > 0) {
        if (auto colour = colourFromNumberText(themeColours.ftb_posi))
            m_text3->setTextColour(*colour);
    } else if (evaluation.total < 0) {
        if (auto colour = colourFromNumberText(themeColours.ftb_nega))
            m_text3->setTextColour(*colour);
    }
}

void Form1::showSelectionLength()
{
    // Lengths count line breaks as the two characters of CR LF.
    const QString selected = visibleEditor()->textCursor().selectedText();
    statusPanel(2)->setText(QStringLiteral("Sel: %1").arg(selected.size() + selected.count(QChar::ParagraphSeparator)));
}

void Form1::resetModi_Timer()
{
    resetModi.stop();
    m_modi = 0;
    NuovoFile.clear();
    NoteEditor *editor = visibleEditor();
    m_history.reset(editor->editorText());
    editor->setFocus();
    statusPanel(0)->setText(QStringLiteral("Ok"));
    colourTotal(m_text2, themeColours.fta_posi, themeColours.fta_nega);
    colourTotal(m_text3, themeColours.ftb_posi, themeColours.ftb_nega);
}

namespace {

// Puts the caret where a restored text first differs from the one it
// replaces, so Undo and Redo show what they changed.
void placeCaretAtFirstDifference(NoteEditor *editor, const QString &before, const QString &after)
{
    const qsizetype shorter = std::min(before.size(), after.size());
    qsizetype at = 0;
    while (at < shorter && before[at] == after[at])
        ++at;
    QTextCursor caret(editor->document());
    caret.setPosition(int(at));
    editor->setTextCursor(caret);
    editor->ensureCursorVisible();
}

} // namespace

void Form1::AnnullaX_Click()
{
    if (m_modi == 1)
        showRecordedState(m_history.undo());
}

void Form1::RipetiX_Click()
{
    if (m_modi == 1)
        showRecordedState(m_history.redo());
}

void Form1::showRecordedState(const std::optional<QString> &restored)
{
    if (!restored)
        return;
    NoteEditor *editor = visibleEditor();
    const QString before = editor->editorText();
    m_saltaCronologia = 1;
    // An entry equal to the text on screen raises no change to consume the
    // flag; left set, it would swallow the next real edit.
    if (!editor->setEditorText(*restored))
        m_saltaCronologia = 0;
    placeCaretAtFirstDifference(editor, before, *restored);
}

} // namespace tabulo
