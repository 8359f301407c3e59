#pragma once
#include "scan/JobContext.h"

#include <QString>

inline QString StopRunningProcessText()
{
    return QStringLiteral("Please stop the running process to continue the process.");
}

// True, after telling the user, while a job runs or the last worker has not yet finished.
bool RefuseWhileRunning(JobContext& ctx);
