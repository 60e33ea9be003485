#include "windows/main/parts/note_recovery.h"

#include "core/language/language_keys.h"
#include "core/recovery/recovery_folder.h"
#include "core/recovery/recovery_writer.h"
#include "core/session/note_session.h"
#include "ui/services/prompts.h"
#include "windows/main/controls/note_editor.h"
#include "windows/main/parts/main_window_language.h"
#include "windows/main/parts/note_view.h"

#include <QDir>

namespace tabulo {

NoteRecovery::NoteRecovery(QWidget *window, const ProgramContext &context, NoteSession &session, NoteView &view,
    const MainWindowLanguage &language)
    : m_window(window)
    , m_context(context)
    , m_session(session)
    , m_view(view)
    , m_language(language)
    , m_folder(std::make_unique<RecoveryFolder>(context.dataFolder()))
{
    connect(&m_session, &NoteSession::editingPaused, this, &NoteRecovery::keepCopy);
    connect(&m_session, &NoteSession::modifiedChanged, this, [this](bool modified) {
        if (!modified)
            dropCopy();
    });
}

NoteRecovery::~NoteRecovery()
{
    // The writer finishes what it was asked before the lock goes.
    m_writer.reset();
}

QString NoteRecovery::ownCopyPath() const
{
    return m_folder->ownCopyPath();
}

void NoteRecovery::finishWriting()
{
    if (m_writer)
        m_writer->finish();
}

void NoteRecovery::keepCopy()
{
    if (!m_session.modi() || m_keptVersion == m_session.textVersion())
        return;
    // A Data folder that cannot hold the copy costs nothing but the copy:
    // the text is still on screen, and saving it is what the user is asked.
    if (!m_writer) {
        if (!m_folder->claimOwnPlace())
            return;
        m_writer = std::make_unique<RecoveryWriter>(m_folder->ownCopyPath());
    }
    m_writer->write({m_session.hasFile() ? m_session.caption() : QString(), m_session.text()});
    m_keptVersion = m_session.textVersion();
}

void NoteRecovery::dropCopy()
{
    if (!m_keptVersion)
        return;
    m_writer->remove();
    m_keptVersion.reset();
}

void NoteRecovery::quitCleanly()
{
    m_writer.reset();
    m_folder->releaseOwnPlace();
    m_keptVersion.reset();
}

void NoteRecovery::offerLeftCopies()
{
    for (const std::unique_ptr<LeftCopy> &left : m_folder->claimLeftCopies()) {
        // One note at a time: after one is taken back the others wait for
        // the next start.
        if (!offer(*left))
            break;
    }
}

bool NoteRecovery::offer(LeftCopy &left)
{
    const std::optional<RecoveryCopy> copy = left.read();
    if (!copy) {
        const QString keptAt = left.setAside();
        m_context.prompts->showError(
            m_window, m_language.text(LanguageKeys::recoveryCopyUnreadable).arg(QDir::toNativeSeparators(keptAt)));
        return true;
    }
    const QString written = m_context.locale.toString(left.lastWritten(), QLocale::ShortFormat);
    const QString question = copy->noteFile.isEmpty()
        ? m_language.text(LanguageKeys::recoverNoteWithoutFile).arg(written)
        : m_language.text(LanguageKeys::recoverNote).arg(copy->noteFile, written);
    switch (m_context.prompts->askYesNoCancel(m_window, question)) {
    case Prompts::Answer::Yes:
        break;
    case Prompts::Answer::No:
        left.discard();
        return true;
    case Prompts::Answer::Cancel:
        return true; // kept, and asked about again at the next start
    }
    m_session.restoreUnsaved(copy->text, copy->noteFile.isEmpty() ? NoteSession::untitledCaption() : copy->noteFile);
    m_view.visibleEditor()->moveCaretToEnd();
    m_view.focusEditor();
    // The copy becomes this program's own, so the text is never without
    // one; where it cannot be moved, a copy of the note is written first.
    if (m_folder->claimOwnPlace() && left.adoptAs(m_folder->ownCopyPath())) {
        if (!m_writer)
            m_writer = std::make_unique<RecoveryWriter>(m_folder->ownCopyPath());
        m_keptVersion = m_session.textVersion();
    } else {
        keepCopy();
        if (m_writer && m_writer->finish().ok)
            left.discard();
    }
    return false;
}

} // namespace tabulo
