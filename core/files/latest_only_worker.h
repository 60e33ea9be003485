#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace tabulo {

// Runs tasks one at a time on a thread of its own, where only the latest
// task asked for matters: a task asked for while another runs replaces any
// not yet begun. This is how files that follow the note (its working files,
// its recovery copy) are kept in step without a key ever waiting for the
// disk: writing a big note takes longer than the pause between two keys.
class LatestOnlyWorker
{
public:
    LatestOnlyWorker();
    // Carries out the task still asked for, then ends the thread.
    ~LatestOnlyWorker();
    LatestOnlyWorker(const LatestOnlyWorker &) = delete;
    LatestOnlyWorker &operator=(const LatestOnlyWorker &) = delete;

    void ask(std::function<void()> task);
    // Waits until the last task asked for has run. What it did is then seen
    // by the caller.
    void finish();

private:
    void run();

    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::function<void()> m_pending;
    bool m_busy = false;
    bool m_stopping = false;
    std::thread m_thread; // last: it starts once everything above is there
};

} // namespace tabulo
