#pragma once

#include "ui/services/program_context.h"

#include <QObject>

#include <memory>
#include <optional>

class QWidget;

namespace tabulo {

class LeftCopy;
class MainWindowLanguage;
class NoteSession;
class NoteView;
class RecoveryFolder;
class RecoveryWriter;

// The note's recovery copy (core/recovery/): while the note has unsaved
// changes a copy of it is kept in the Data folder, written when the editing
// pauses and never on a keystroke; it goes when nothing is left unsaved (a
// save, a load, New, a discard) and at a clean quit. At start-up the copies
// left by programs that are no longer running are offered back, one at a
// time, until the user takes one.
class NoteRecovery : public QObject
{
    Q_OBJECT
public:
    NoteRecovery(QWidget *window, const ProgramContext &context, NoteSession &session, NoteView &view,
        const MainWindowLanguage &language);
    // Without a clean quit the copy stays for the next start.
    ~NoteRecovery() override;

    // Asks about each copy left behind: Yes puts its text in the note as
    // unsaved changes of its file, No deletes it, Cancel keeps it for the
    // next start.
    void offerLeftCopies();
    // The quit has asked about every change: the copy is not needed.
    void quitCleanly();

    // Where this program keeps its copy; empty when the Data folder cannot
    // hold one.
    QString ownCopyPath() const;
    // Waits until the copy on disk is as last asked for.
    void finishWriting();

private:
    void keepCopy();
    void dropCopy();
    // False when the user took the copy into the note.
    bool offer(LeftCopy &left);

    QWidget *m_window;
    const ProgramContext &m_context;
    NoteSession &m_session;
    NoteView &m_view;
    const MainWindowLanguage &m_language;
    std::unique_ptr<RecoveryFolder> m_folder;
    std::unique_ptr<RecoveryWriter> m_writer;
    // The note's text version the copy on disk holds, if there is one.
    std::optional<quint64> m_keptVersion;
};

} // namespace tabulo
