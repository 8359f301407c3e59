#pragma once
#include "scan/JobContext.h"

// The Open command before the Select File dialog: refuses (with the box) while a job runs or the last
// worker is still finishing, else sets the process-running flag and returns true.
bool BeginOpenCommand(JobContext& ctx);

// The dialog was cancelled: the flag returns to 0 and the previous scan stays as it is.
void CancelOpenCommand(JobContext& ctx);

// The dialog ended with OK (m_vecMboxFiles and m_strTempPath set): resets the window, discards the
// previous scan and starts ScanFilesThread on the frame's worker.
void StartScanFiles(JobContext& ctx);

// The worker: scans the chosen files one after the other; returns 1.
int ScanFilesThread(JobContext ctx);

// The Stop command: after a Yes, clears the flag and stops the current scanner at its next block.
void OnStopCommand(JobContext& ctx);
