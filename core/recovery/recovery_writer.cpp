#include "core/recovery/recovery_writer.h"

#include "core/recovery/recovery_folder.h"

#include <QFile>

namespace tabulo {

RecoveryWriter::RecoveryWriter(QString path)
    : m_path(std::move(path))
    , m_thread([this] { run(); })
{
}

RecoveryWriter::~RecoveryWriter()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_changed.notify_all();
    m_thread.join();
}

void RecoveryWriter::write(RecoveryCopy copy)
{
    ask({Request::Kind::Write, std::move(copy)});
}

void RecoveryWriter::remove()
{
    ask({Request::Kind::Remove, {}});
}

void RecoveryWriter::ask(Request request)
{
    std::optional<Request> replaced;
    {
        const std::lock_guard lock(m_mutex);
        replaced = std::exchange(m_pending, std::move(request));
    }
    m_changed.notify_all();
    // A copy replaced before it was written lets go of its text here,
    // outside the lock.
}

FileResult RecoveryWriter::finish()
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return !m_pending && !m_busy; });
    return m_lastResult;
}

void RecoveryWriter::run()
{
    std::unique_lock lock(m_mutex);
    while (true) {
        m_changed.wait(lock, [this] { return m_pending || m_stopping; });
        if (!m_pending)
            return;
        Request request = std::move(*m_pending);
        m_pending.reset();
        m_busy = true;
        lock.unlock();
        const FileResult result = carryOut(std::move(request));
        lock.lock();
        m_busy = false;
        m_lastResult = result;
        m_changed.notify_all();
    }
}

FileResult RecoveryWriter::carryOut(Request request) const
{
    if (request.kind == Request::Kind::Remove) {
        QFile file(m_path);
        if (file.exists() && !file.remove())
            return FileResult::writeFailure(m_path, file.error(), file.errorString());
        return FileResult::success();
    }
    const QByteArray bytes = request.copy.format();
    // The note's text is let go before the slow part, the disk: a key typed
    // meanwhile then changes the note without copying it first.
    request.copy = {};
    return writeRecoveryCopy(m_path, bytes);
}

} // namespace tabulo
