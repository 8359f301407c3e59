#include "scan/ProcessGuard.h"

bool RefuseWhileRunning(JobContext& ctx)
{
    if (ctx.app.g_bProcessRunning.load(std::memory_order_relaxed) == 0 && !ctx.frame.m_worker.IsAlive())
        return false;
    ctx.ui.MessageBox(StopRunningProcessText());
    return true;
}
