#pragma once
#include <QString>

// The refusal shown when a job is asked for while another one runs.
inline QString BusyText()
{
    return QStringLiteral("Please stop the running process to continue the process.");
}
