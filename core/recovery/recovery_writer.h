#pragma once

#include "core/files/text_file.h"
#include "core/recovery/recovery_copy.h"

#include <QString>

#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

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
    ~RecoveryWriter();
    RecoveryWriter(const RecoveryWriter &) = delete;
    RecoveryWriter &operator=(const RecoveryWriter &) = delete;

    void write(RecoveryCopy copy);
    void remove();
    // Waits until the file is as last asked for; how that last step went.
    FileResult finish();

private:
    struct Request
    {
        enum class Kind { Write, Remove } kind;
        RecoveryCopy copy;
    };
    void ask(Request request);
    void run();
    FileResult carryOut(Request request) const;

    const QString m_path;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::optional<Request> m_pending;
    bool m_busy = false;
    bool m_stopping = false;
    FileResult m_lastResult = FileResult::success();
    std::thread m_thread; // last: it starts once everything above is there
};

} // namespace tabulo
