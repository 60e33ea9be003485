#include "core/files/latest_only_worker.h"

#include <utility>

namespace tabulo {

LatestOnlyWorker::LatestOnlyWorker()
    : m_thread([this] { run(); })
{
}

LatestOnlyWorker::~LatestOnlyWorker()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_changed.notify_all();
    m_thread.join();
}

void LatestOnlyWorker::ask(std::function<void()> task)
{
    std::function<void()> replaced;
    {
        const std::lock_guard lock(m_mutex);
        replaced = std::exchange(m_pending, std::move(task));
    }
    m_changed.notify_all();
    // A task replaced before it ran lets go of what it holds (a note's
    // text) here, outside the lock.
}

void LatestOnlyWorker::finish()
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return !m_pending && !m_busy; });
}

void LatestOnlyWorker::run()
{
    std::unique_lock lock(m_mutex);
    while (true) {
        m_changed.wait(lock, [this] { return m_pending || m_stopping; });
        if (!m_pending)
            return;
        std::function<void()> task = std::exchange(m_pending, nullptr);
        m_busy = true;
        lock.unlock();
        task();
        task = nullptr;
        lock.lock();
        m_busy = false;
        m_changed.notify_all();
    }
}

} // namespace tabulo
