#include "windows/main/form1.h"

#include "core/files/text_codec.h"
#include "core/files/text_file.h"
#include "core/language/language_keys.h"
#include "ui/services/prompts.h"
#include "windows/main/colour_number.h"
#include "windows/main/note_editor.h"
#include "windows/main/total_box.h"

#include <QLabel>
#include <QTextBlock>
#include <QTextCursor>

namespace tabulo {

// The editors show the session's note. A change typed in the visible editor
// is handed to the session as the splice the document reports; a change the
// session makes (Undo, a command, a load) is made in the editor as the same
// splice. Neither side ever copies the whole text for a keystroke.

void Form1::connectNoteSignals()
{
    for (NoteEditor *editor : {m_text1, m_editor2}) {
        connect(editor->document(), &QTextDocument::contentsChange, this,
            [this, editor](
                int position, int removed, int added) { onEditorContentsChange(editor, position, removed, added); });
        connect(editor, &NoteEditor::longLineRefused, this, [this] {
            m_context.prompts->showError(this, languageText(LanguageKeys::longLineNotPasted).arg(maxNoteLineLength));
        });
    }
    connect(&m_session, &NoteSession::textSpliced, this, &Form1::applySessionSplice);
    connect(&m_session, &NoteSession::viewChanged, this, &Form1::showSession);
    connect(m_text2, &TotalBox::totalChanged, this, &Form1::Text2_Change);
    connect(m_text3, &TotalBox::totalChanged, this, &Form1::Text3_Change);
}

void Form1::setNoteText(const QString &text)
{
    m_session.setText(text);
}

namespace {

qsizetype editorLength(const NoteEditor *editor)
{
    return editor->document()->characterCount() - 1;
}

} // namespace

void Form1::onEditorContentsChange(NoteEditor *editor, int position, int removed, int added)
{
    // The hidden twin only receives copies; the visible editor is the note.
    if (m_applyingSessionChange || editor != visibleEditor())
        return;
    m_hiddenEditorStale = true;
    QString inserted;
    if (added > 0) {
        QTextCursor span(editor->document());
        span.setPosition(position);
        span.setPosition(std::min(position + added, int(editorLength(editor))), QTextCursor::KeepAnchor);
        inserted = span.selectedText();
        inserted.replace(QChar::ParagraphSeparator, u'\n');
    }
    // The document sometimes reports more than it changed (a whole block
    // re-formatted, the end of the document); a splice that does not add up
    // to the editor's length is replaced by one found by comparing texts.
    const qsizetype expected = m_session.editorLength() - removed + inserted.size();
    if (expected != editorLength(editor) || !m_session.editorChanged(position, removed, inserted))
        m_session.editorResynchronised(toCrLf(editor->editorText()));
}

void Form1::applySessionSplice(const TextSplice &splice, qsizetype editorStart, qsizetype editorEnd)
{
    NoteEditor *editor = visibleEditor();
    m_applyingSessionChange = true;
    if (editorStart == 0 && editorEnd >= editorLength(editor)) {
        // The whole note changed (a load, a new note): one assignment lays it
        // out faster than an edit of everything.
        editor->setEditorText(fromCrLf(m_session.text()));
    } else {
        QTextCursor span(editor->document());
        span.setPosition(int(editorStart));
        span.setPosition(int(std::min(editorEnd, editorLength(editor))), QTextCursor::KeepAnchor);
        span.insertText(fromCrLf(splice.inserted));
    }
    m_applyingSessionChange = false;
    m_hiddenEditorStale = true;
    m_lastSpliceCaret = int(editorStart);
    if (editorLength(editor) != m_session.editorLength())
        qWarning("The editor and the note differ after a change; the note holds the text.");
}

void Form1::showSession()
{
    m_text2->setTotal(m_session.totX());
    m_text3->setTotal(m_session.totY());
    statusPanel(1)->setText(QStringLiteral("CC: %1").arg(m_session.characterCount()));
    // Other texts may stand in the status panel (a language applied); the
    // session's word is shown when it changes.
    if (m_session.statusWord() != m_shownStatusWord) {
        m_shownStatusWord = m_session.statusWord();
        statusPanel(0)->setText(m_shownStatusWord);
    }
    if (windowTitle() != m_session.caption())
        setWindowTitle(m_session.caption());
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
    m_applyingSessionChange = true;
    hidden->setEditorText(fromCrLf(m_session.text()));
    m_applyingSessionChange = false;
    QTextCursor caret(hidden->document());
    caret.setPosition(std::min(shown->textCursor().position(), int(editorLength(hidden))));
    hidden->setTextCursor(caret);
    m_hiddenEditorStale = false;
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
}

void Form1::Text3_Change()
{
    colourTotal(m_text3, themeColours.ftb_posi, themeColours.ftb_nega);
}

QString Form1::selectedNoteText() const
{
    QString selected = visibleEditor()->textCursor().selectedText();
    selected.replace(QChar::ParagraphSeparator, u'\n');
    return toCrLf(selected);
}

void Form1::TotaleSelezione()
{
    m_session.TotaleSelezione(selectedNoteText());
}

void Form1::replaceSelection(const QString &noteText)
{
    NoteEditor *editor = visibleEditor();
    const QTextCursor selection = editor->textCursor();
    const qsizetype start = m_session.notePosition(selection.selectionStart());
    const qsizetype end = m_session.notePosition(selection.selectionEnd());
    const TextSplice splice = m_session.replace(start, end - start, noteText);
    QTextCursor caret(editor->document());
    caret.setPosition(int(m_session.editorPosition(splice.position + splice.inserted.size())));
    editor->setTextCursor(caret);
}

void Form1::startResetModi()
{
    m_resetModiVersion = m_session.textVersion();
    resetModi.start();
}

void Form1::resetModi_Timer()
{
    resetModi.stop();
    m_session.resetModiFor(m_resetModiVersion);
    visibleEditor()->setFocus();
    colourTotal(m_text2, themeColours.fta_posi, themeColours.fta_nega);
    colourTotal(m_text3, themeColours.ftb_posi, themeColours.ftb_nega);
}

void Form1::AnnullaX_Click()
{
    if (m_session.undo())
        showChangeAt(m_lastSpliceCaret);
}

void Form1::RipetiX_Click()
{
    if (m_session.redo())
        showChangeAt(m_lastSpliceCaret);
}

void Form1::showChangeAt(int editorPosition)
{
    // The caret goes where Undo or Redo changed the note, so the user sees
    // what they did.
    NoteEditor *editor = visibleEditor();
    QTextCursor caret(editor->document());
    caret.setPosition(std::clamp(editorPosition, 0, int(editorLength(editor))));
    editor->setTextCursor(caret);
    editor->ensureCursorVisible();
}

} // namespace tabulo
