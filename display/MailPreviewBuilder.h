#pragma once
#include "scan/JobContext.h"

// UI-thread handler of a click on an email-list row. Refuses (false, with the box) while a job runs;
// otherwise remembers the row, clears the preview, marks the job running and returns true: the caller
// then runs ShowMailPreviewThread on a worker thread.
bool OnShowMailPreview(JobContext& ctx, int64_t row);

// Writes the email of the remembered row to a ".mht" preview file in the temp folder, shows its header
// texts and attachment rows and points the preview at it. Clears the running flag; returns 1.
int ShowMailPreviewThread(JobContext& ctx);
