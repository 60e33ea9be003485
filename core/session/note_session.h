#pragma once

#include "core/engine/line_engine.h"
#include "core/engine/working_files.h"
#include "core/files/text_file.h"
#include "core/history/undo_history.h"
#include "core/numbers/number_format.h"
#include "core/session/line_totals.h"
#include "core/session/text_splice.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <optional>

namespace tabulo {

// The note as a document: its text, its totals, its history, its file and
// the flags that say what a change of the text does. Windows show what it
// holds and turn the user's actions into its calls; they never keep note
// state of their own. Scripts and the calculator reach the note through it
// too, so every change, whoever makes it, takes the same road.
//
// The text uses CR LF between lines and no other line end. An editor that
// keeps "\n" converts positions with editorPosition()/notePosition().
//
// The road of one change (`Text1_Change`), in this order:
//   1. `TotX` becomes "0" (and `TotY` with it);
//   2. while a note is being loaded (`Caricamento`) nothing else happens;
//   3. the character count follows the text;
//   4. a change made by Undo or Redo (`SaltaCronologia`) is not recorded and
//      clears that flag; any other change shows the modified status word and
//      is recorded in the history, the emptied note too, so that clearing a
//      note can be undone;
//   5. the note is evaluated into `TotX`, which `TotY` repeats;
//   6. the note is marked modified (`Modi`).
// The working files are written when the editing pauses: nothing reads them.
class NoteSession : public QObject
{
    Q_OBJECT
public:
    NoteSession(const QLocale &locale, QString dataFolder, QObject *parent = nullptr);

    // ---- the note
    const QString &text() const { return m_text; }
    qsizetype characterCount() const { return m_text.size(); }
    const LineTotals &lines() const { return m_lines; }
    const NumberFormat &numberFormat() const { return m_numberFormat; }
    // The length and positions in an editor that ends lines with one "\n".
    qsizetype editorLength() const { return m_text.size() - (m_lines.lineCount() - 1); }
    qsizetype editorPosition(qsizetype notePosition) const;
    qsizetype notePosition(qsizetype editorPosition) const;

    // ---- changes
    // The editor has already made this change on screen (typing, pasting);
    // positions and lengths are the editor's. Returns false when the change
    // does not fit the note as the session knows it (the caller then hands
    // over the whole text with editorResynchronised()).
    bool editorChanged(qsizetype editorPosition, qsizetype editorRemoved, const QString &editorInserted);
    void editorResynchronised(const QString &noteText);
    // A change made by a command (entry aids, find and replace, a script):
    // the editor follows through textSpliced(). Line ends in `inserted` become
    // CR LF. Returns the splice as applied.
    TextSplice replace(qsizetype position, qsizetype removedLength, QStringView inserted);
    // Assigning the whole text: one change (nothing when it is the same).
    void setText(const QString &text);

    // ---- history (`Cronologia`, `PosCronologia`)
    // Undo and Redo act only while the note is modified; false when they had
    // nowhere to go.
    bool undo();
    bool redo();
    // The note must be saved before it may be discarded (its file is gone);
    // the pause that follows comes as after an edit.
    void markModified();
    // `resetModi`: the note as it is becomes the history's base, unmodified.
    void resetModi();
    // Changes with every change of the text, loads included.
    quint64 textVersion() const { return m_textVersion; }
    // `resetModi` on behalf of a moment gone by, when the text had `version`
    // (the window's reset a little after a save, a load or New). A text
    // changed since keeps its changes unsaved and its history whole: keys
    // typed right after a save are never taken as saved. False when it did
    // nothing.
    bool resetModiFor(quint64 version);
    const UndoHistory &history() const { return m_history; }

    // ---- one change made of many (a script's run)
    // Between beginChangeGroup() and endChangeGroup() every change is made,
    // evaluated and shown as usual, but the history keeps them as one: once
    // the group ends, the note as it was before the group is one Undo away
    // and the note it left one Redo. A group that ends with the text it began
    // with records nothing. Groups nest; the outermost one records. Undo and
    // Redo do nothing while a group is open.
    void beginChangeGroup();
    void endChangeGroup();
    bool inChangeGroup() const { return m_groupDepth > 0; }

    // ---- totals (`TotX`, `TotY`), as the boxes show them
    const QString &totX() const { return m_totX; }
    const QString &totY() const { return m_totY; }
    // Setting `TotX` sets `TotY` too; an empty `TotX` shows "0".
    void setTotX(const QString &text);
    void setTotY(const QString &text);
    // `TotaleSelezione`: the total of the selected lines (note text) into
    // `TotY`; a selection in which no line counts leaves `TotY` as it was.
    void TotaleSelezione(QStringView selectedText);

    // ---- state
    bool modi() const { return m_modi; }
    const QString &statusWord() const { return m_statusWord; }
    // `TestoModificato`, the status word shown after each recorded change.
    void setModifiedWord(const QString &word) { m_testoModificato = word; }

    // ---- the note's file, kept as the window's caption
    const QString &caption() const { return m_caption; }
    void setCaption(const QString &caption);
    // A note has no file of its own when its caption is empty or begins with
    // the product name.
    bool hasFile() const;
    static QString untitledCaption();

    // Reads a note file and makes it the note, unmodified, with its path as
    // caption. A file that cannot be read leaves the note as it was.
    FileResult load(const QString &path);
    // Makes `text` the note, as load() does with a file's text.
    void loadText(const QString &text, const QString &caption);
    // Makes `text` the note as unsaved changes of the file `caption` names
    // (a recovery copy taken back): modified, with the modified status word.
    void restoreUnsaved(const QString &text, const QString &caption);
    // Writes the note to `path` and makes that its file. A failed save
    // changes nothing: the note stays modified, its history whole.
    FileResult saveAs(const QString &path);
    // `PulisciNota`: an empty note without a file.
    void PulisciNota();

    // "1" while a New, or the quit, waits for a Save As to finish.
    bool NuovoFile = false;
    bool NuovoFileInUscita = false;

    // Writes the working files now rather than when editing pauses.
    void writeWorkingFiles();
    // No working file is written after this returns (the quit removes them).
    void stopWorkingFiles();
    const WorkingFiles &workingFiles() const { return m_workingFiles; }

signals:
    // The note changed by a command: the editor must make the same change.
    // `editorStart` and `editorEnd` are the replaced range in the editor's
    // positions before the change; the splice's are the note's.
    void textSpliced(const tabulo::TextSplice &splice, qsizetype editorStart, qsizetype editorEnd);
    // Totals, status word, character count or caption changed.
    void viewChanged();
    // `Modi` changed: the note now has unsaved changes, or no longer has.
    void modifiedChanged(bool modified);
    // The note has not changed for a moment (the working files' pause):
    // time for work too slow for every keystroke.
    void editingPaused();

private:
    void Text1_Change(const TextSplice &splice);
    // A change made by a command rather than in the editor.
    void changeByCommand(const TextSplice &splice);
    void apply(const TextSplice &splice);
    void record(const TextSplice &splice);
    void evaluateNote();
    bool restore(const std::optional<QString> &entry);
    void scheduleWorkingFiles(std::optional<QString> selection);
    void setModi(bool modified);

    NumberFormat m_numberFormat;
    LineEngine m_engine;
    LineTotals m_lines;
    WorkingFiles m_workingFiles;
    UndoHistory m_history;
    QTimer m_workingFilesTimer;

    QString m_text;
    QString m_totX = QStringLiteral("0");
    QString m_totY = QStringLiteral("0");
    QString m_caption;
    QString m_statusWord;
    QString m_testoModificato;
    // The selection last evaluated, which the working files then show
    // instead of the note.
    std::optional<QString> m_evaluatedSelection;

    quint64 m_textVersion = 0;
    bool m_modi = false;
    bool m_caricamento = false;
    bool m_saltaCronologia = false;
    // The history's current entry is the text as it is, so the next change
    // can be recorded as the edit it is rather than found by comparing.
    bool m_historyFollowsText = true;

    // The open change group: how deep, the text it began with (or that a
    // reset inside it made the base) and whether the history followed it.
    int m_groupDepth = 0;
    QString m_groupBase;
    bool m_groupBaseFollowed = true;
};

// Keeps a change group open for as long as it lives. A session deleted
// meanwhile is left alone.
class NoteChangeGroup
{
public:
    explicit NoteChangeGroup(NoteSession &session)
        : m_session(&session)
    {
        session.beginChangeGroup();
    }
    ~NoteChangeGroup()
    {
        if (m_session)
            m_session->endChangeGroup();
    }
    NoteChangeGroup(const NoteChangeGroup &) = delete;
    NoteChangeGroup &operator=(const NoteChangeGroup &) = delete;

private:
    QPointer<NoteSession> m_session;
};

} // namespace tabulo
