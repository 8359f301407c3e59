#pragma once
#include <atomic>
#include <functional>
#include <thread>

// The one worker thread of the jobs. A new job is refused while the previous worker is still alive,
// so the UI thread never waits for a worker that may be sending to it.
class CWorkerThread {
public:
    CWorkerThread() = default;
    ~CWorkerThread() { Join(); }
    CWorkerThread(const CWorkerThread&) = delete;
    CWorkerThread& operator=(const CWorkerThread&) = delete;

    // Starts work on a new thread; false (and nothing started) while the previous one is still alive.
    bool Start(std::function<void()> work);
    bool IsAlive() const { return m_alive.load(std::memory_order_acquire); }
    void Join();

private:
    std::thread m_thread;
    std::atomic<bool> m_alive{false};
};
