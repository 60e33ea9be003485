#pragma once

#include "core/files/latest_only_worker.h"
#include "core/files/text_file.h"
#include "core/recovery/recovery_copy.h"

#include <QString>

#include <optional>

namespace tabulo {

// Keeps one recovery copy file in step with what it was last asked to
// hold, on a thread of its own: the copy of a big note takes longer to
// write than the pause between two keys, and no key may wait for it. The
// text handed over shares the note's data (QString is implicitly shared),
// so asking costs nothing; the note is copied only if it changes while the
// thread still reads it.
//
// Only the latest request matters: a copy asked for while another is being
// written replaces any not yet begun, and a removal replaces them all, so
// the file never holds an older state than the one asked for last.
class RecoveryWriter
{
public:
    explicit RecoveryWriter(QString path);
    // Carries out what is still asked for, then ends the thread.
    ~RecoveryWriter() = default;
    RecoveryWriter(const RecoveryWriter &) = delete;
    RecoveryWriter &operator=(const RecoveryWriter &) = delete;

    void write(RecoveryCopy copy);
    void remove();
    // Waits until the file is as last asked for; how that last step went.
    FileResult finish();

private:
    FileResult carryOut(std::optional<RecoveryCopy> copy) const;

    const QString m_path;
    FileResult m_lastResult = FileResult::success(); // set by the worker's thread
    LatestOnlyWorker m_worker; // last: its thread uses everything above
};

} // namespace tabulo
