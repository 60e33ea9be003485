#pragma once

#include "core/session/text_splice.h"
#include "windows/main/parts/total_colours.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <array>

class QLabel;
class QWidget;

namespace tabulo {

class MainWindowLanguage;
class NoteEditor;
class NoteSession;
class Prompts;
class TotalBox;

// The note on screen. Two editors show it, `Text1` (long lines scrolled
// sideways) and `Editor2` (lines wrapped), one at a time; the totals boxes,
// the character count, the status word and the window's caption show what
// the note session holds.
//
// A change typed in the visible editor is handed to the session as the
// splice the document reports; a change the session makes (Undo, a command,
// a load) is made in the editor as the same splice. Neither side ever copies
// the whole text for a keystroke. The hidden editor is brought up to date
// only when it is about to be shown.
class NoteView : public QObject
{
    Q_OBJECT
public:
    struct Controls
    {
        QWidget *window = nullptr; // its caption is the session's
        NoteEditor *text1 = nullptr;
        NoteEditor *editor2 = nullptr;
        TotalBox *text2 = nullptr;
        TotalBox *text3 = nullptr;
        QLabel *statusWord = nullptr; // `sbStatusBar(0)`
        QLabel *characterCount = nullptr; // `sbStatusBar(1)`
    };
    NoteView(NoteSession &session, Controls controls, Prompts *prompts, const MainWindowLanguage &language);

    NoteEditor *visibleEditor() const { return m_shown; }
    // The visible editor holding the whole note: a big note still going in
    // in slices goes in at once, for a window that selects anywhere in it.
    NoteEditor *wholeVisibleEditor() const;
    NoteEditor *text1() const { return m_controls.text1; }
    NoteEditor *editor2() const { return m_controls.editor2; }
    std::array<NoteEditor *, 2> editors() const { return {m_controls.text1, m_controls.editor2}; }
    // Shows `editor` (one of the two) in place of the other, holding the
    // note as it is, and gives it the focus.
    void showEditor(NoteEditor *editor);
    void focusEditor();

    // The visible editor's selection as note text (lines ended by CR LF).
    QString selectedNoteText() const;
    // Replaces the visible editor's selection through the session (one
    // recorded change); the caret goes to the end of what was inserted.
    void replaceSelection(const QString &noteText);
    // `TotaleSelezione`: the selection's total into `TotY`.
    void TotaleSelezione();
    // After the note was emptied: both editors show it with the caret at
    // its end, the focus in the visible one.
    void showClearedNote();

    // Undo and Redo; the caret goes where the note changed.
    void AnnullaX_Click();
    void RipetiX_Click();

    // `resetModi`: shortly after a load or a save, the note as shown becomes
    // the history's base, unmodified.
    // It stands for the note as it is now: keys typed before it fires are
    // changes it leaves unsaved.
    void scheduleHistoryReset();
    // The pending reset stands for the note as it is now (the start-up's
    // header written after it was scheduled).
    void moveHistoryResetToNow();
    bool historyResetPending() const { return resetModi.isActive(); }
    void resetModi_Timer();

    void setTotalColours(const TotalColours &colours);
    const TotalColours &totalColours() const { return m_colours; }

private:
    void onEditorContentsChange(NoteEditor *editor, int position, int removed, int added);
    void applySessionSplice(const TextSplice &splice, qsizetype editorStart, qsizetype editorEnd);
    void showSession();
    void syncHiddenEditor();
    void showChangeAt(int editorPosition);
    void Text2_Change(const QString &shown);
    void Text3_Change(const QString &shown);
    void colourTotals();

    NoteSession &m_session;
    Controls m_controls;
    NoteEditor *m_shown;
    TotalColours m_colours;
    QTimer resetModi;
    // The note's text version that the pending `resetModi` stands for.
    quint64 m_resetModiVersion = 0;
    bool m_hiddenEditorStale = false;
    // The editor is making a change the session asked for: not a new edit.
    bool m_applyingSessionChange = false;
    int m_lastSpliceCaret = 0; // where the session's last change began, in the editor
    QString m_shownStatusWord;
};

} // namespace tabulo
