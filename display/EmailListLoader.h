#pragma once
#include "scan/JobContext.h"

// UI-thread handler of a click on a tree item's label. Refuses (false, with the box) while a job runs;
// otherwise marks the job running, empties the temp folder, blanks the preview and returns true: the
// caller then runs ShowFolderMailsThread on a worker thread.
bool OnShowFolderMails(JobContext& ctx, HTreeItem item);

// Lists the emails of the clicked folder item's mailbox file. Returns 1 after a run, 0 when the item is
// not a folder item of a scanned file. Clears the running flag on every exit.
int ShowFolderMailsThread(JobContext& ctx);
