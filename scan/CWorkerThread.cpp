#include "scan/CWorkerThread.h"

bool CWorkerThread::Start(std::function<void()> work)
{
    if (IsAlive())
        return false;
    Join();
    m_alive.store(true, std::memory_order_release);
    m_thread = std::thread([this, work = std::move(work)] {
        work();
        m_alive.store(false, std::memory_order_release);
    });
    return true;
}

void CWorkerThread::Join()
{
    if (m_thread.joinable())
        m_thread.join();
}
