#include "windows/main/parts/note_view.h"

#include "core/files/text_codec.h"
#include "core/files/text_file.h"
#include "core/language/language_keys.h"
#include "core/session/note_session.h"
#include "ui/services/prompts.h"
#include "windows/main/controls/colour_number.h"
#include "windows/main/controls/note_editor.h"
#include "windows/main/controls/total_box.h"
#include "windows/main/parts/main_window_language.h"

#include <QLabel>
#include <QTextBlock>
#include <QTextCursor>

namespace tabulo {

namespace {

// What the editor holds and what it has still to take of a note opened in
// slices: the length of the note in editor form.
qsizetype editorLength(const NoteEditor *editor)
{
    return editor->document()->characterCount() - 1 + editor->unfilledLength();
}

// A theme colour that is not a number leaves the colour as it is.
void colourBySign(TotalBox *box, const QString &total, const QString &positive, const QString &negative)
{
    if (const auto colour = colourFromNumberText(total.startsWith(QLatin1Char('-')) ? negative : positive))
        box->setTextColour(*colour);
}

} // namespace

NoteView::NoteView(NoteSession &session, Controls controls, Prompts *prompts, const MainWindowLanguage &language)
    : m_session(session)
    , m_controls(controls)
    , m_shown(controls.text1)
{
    resetModi.setObjectName(QStringLiteral("resetModi"));
    resetModi.setSingleShot(true);
    resetModi.setInterval(100);
    connect(&resetModi, &QTimer::timeout, this, &NoteView::resetModi_Timer);

    for (NoteEditor *editor : editors()) {
        connect(editor->document(), &QTextDocument::contentsChange, this,
            [this, editor](
                int position, int removed, int added) { onEditorContentsChange(editor, position, removed, added); });
        connect(editor, &NoteEditor::longLineRefused, this, [this, prompts, &language] {
            prompts->showError(
                m_controls.window, language.text(LanguageKeys::longLineNotPasted).arg(maxNoteLineLength));
        });
    }
    connect(&m_session, &NoteSession::textSpliced, this, &NoteView::applySessionSplice);
    connect(&m_session, &NoteSession::viewChanged, this, &NoteView::showSession);
    connect(m_controls.text2, &TotalBox::totalChanged, this, &NoteView::Text2_Change);
    connect(m_controls.text3, &TotalBox::totalChanged, this, &NoteView::Text3_Change);
}

void NoteView::onEditorContentsChange(NoteEditor *editor, int position, int removed, int added)
{
    // The hidden twin only receives copies; the visible editor is the note.
    if (m_applyingSessionChange || editor->isFillingIn() || editor != m_shown)
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

void NoteView::applySessionSplice(const TextSplice &splice, qsizetype editorStart, qsizetype editorEnd)
{
    NoteEditor *editor = m_shown;
    m_applyingSessionChange = true;
    if (editorStart == 0 && editorEnd >= editorLength(editor)) {
        // The whole note changed (a load, a new note): one assignment lays it
        // out faster than an edit of everything, and a big note goes in in
        // slices while the window answers.
        editor->fillEditorText(fromCrLf(m_session.text()));
    } else {
        editor->completeFill();
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

void NoteView::showSession()
{
    m_controls.text2->setTotal(m_session.totX());
    m_controls.text3->setTotal(m_session.totY());
    m_controls.characterCount->setText(QStringLiteral("CC: %1").arg(m_session.characterCount()));
    // Other texts may stand in the status panel (a language applied); the
    // session's word is shown when it changes.
    if (m_session.statusWord() != m_shownStatusWord) {
        m_shownStatusWord = m_session.statusWord();
        m_controls.statusWord->setText(m_shownStatusWord);
    }
    if (m_controls.window->windowTitle() != m_session.caption())
        m_controls.window->setWindowTitle(m_session.caption());
}

void NoteView::syncHiddenEditor()
{
    // Copying a big note into the hidden editor on every keystroke would
    // cost a full re-layout of a widget nobody sees, so the twin is brought
    // up to date when it is about to be shown.
    if (!m_hiddenEditorStale)
        return;
    NoteEditor *hidden = m_shown == text1() ? editor2() : text1();
    m_applyingSessionChange = true;
    hidden->setEditorText(fromCrLf(m_session.text()));
    m_applyingSessionChange = false;
    QTextCursor caret(hidden->document());
    caret.setPosition(std::min(m_shown->textCursor().position(), int(editorLength(hidden))));
    hidden->setTextCursor(caret);
    m_hiddenEditorStale = false;
}

void NoteView::showEditor(NoteEditor *editor)
{
    // Only an editor that was hidden needs the note copied into it.
    if (editor != m_shown)
        syncHiddenEditor();
    NoteEditor *other = editor == text1() ? editor2() : text1();
    const bool switched = editor != m_shown;
    m_shown = editor;
    other->hide();
    editor->show();
    editor->setFocus();
    // A hidden editor holds no copy of the note: it is filled again when it
    // is shown, and a big note is not kept twice.
    if (switched) {
        m_applyingSessionChange = true;
        other->setEditorText(QString());
        m_applyingSessionChange = false;
        m_hiddenEditorStale = true;
    }
}

NoteEditor *NoteView::wholeVisibleEditor() const
{
    m_shown->completeFill();
    return m_shown;
}

void NoteView::focusEditor()
{
    m_shown->setFocus();
}

void NoteView::showClearedNote()
{
    syncHiddenEditor();
    text1()->moveCaretToEnd();
    editor2()->moveCaretToEnd();
    focusEditor();
}

void NoteView::Text2_Change(const QString &shown)
{
    colourBySign(m_controls.text2, shown, m_colours.fta_posi, m_colours.fta_nega);
}

void NoteView::Text3_Change(const QString &shown)
{
    colourBySign(m_controls.text3, shown, m_colours.ftb_posi, m_colours.ftb_nega);
}

void NoteView::colourTotals()
{
    colourBySign(m_controls.text2, m_session.totX(), m_colours.fta_posi, m_colours.fta_nega);
    colourBySign(m_controls.text3, m_session.totY(), m_colours.ftb_posi, m_colours.ftb_nega);
}

void NoteView::setTotalColours(const TotalColours &colours)
{
    m_colours = colours;
    // The totals on show take the new colours now, not at their next change.
    colourTotals();
}

QString NoteView::selectedNoteText() const
{
    QString selected = m_shown->textCursor().selectedText();
    selected.replace(QChar::ParagraphSeparator, u'\n');
    return toCrLf(selected);
}

void NoteView::TotaleSelezione()
{
    m_session.TotaleSelezione(selectedNoteText());
}

void NoteView::replaceSelection(const QString &noteText)
{
    const QTextCursor selection = m_shown->textCursor();
    const qsizetype start = m_session.notePosition(selection.selectionStart());
    const qsizetype end = m_session.notePosition(selection.selectionEnd());
    const TextSplice splice = m_session.replace(start, end - start, noteText);
    QTextCursor caret(m_shown->document());
    caret.setPosition(int(m_session.editorPosition(splice.position + splice.inserted.size())));
    m_shown->setTextCursor(caret);
}

void NoteView::scheduleHistoryReset()
{
    m_resetModiVersion = m_session.textVersion();
    resetModi.start();
}

void NoteView::moveHistoryResetToNow()
{
    if (resetModi.isActive())
        m_resetModiVersion = m_session.textVersion();
}

void NoteView::resetModi_Timer()
{
    resetModi.stop();
    m_session.resetModiFor(m_resetModiVersion);
    focusEditor();
    colourTotals();
}

void NoteView::AnnullaX_Click()
{
    if (m_session.undo())
        showChangeAt(m_lastSpliceCaret);
}

void NoteView::RipetiX_Click()
{
    if (m_session.redo())
        showChangeAt(m_lastSpliceCaret);
}

void NoteView::showChangeAt(int editorPosition)
{
    // The caret goes where Undo or Redo changed the note, so the user sees
    // what they did.
    QTextCursor caret(m_shown->document());
    caret.setPosition(std::clamp(editorPosition, 0, int(editorLength(m_shown))));
    m_shown->setTextCursor(caret);
    m_shown->ensureCursorVisible();
}

} // namespace tabulo
