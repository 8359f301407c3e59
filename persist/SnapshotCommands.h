#pragma once
#include "scan/JobContext.h"

enum class SnapshotOutcome {
    NotRun,     // refused, nothing to save, or the chooser was cancelled
    Done,
    FileFailed, // the chosen snapshot could not be written or opened
    Damaged,    // the load stopped at a damaged record; the records before it were loaded
};

// Save Snapshot: writes every scanned file with its offset table to the file the user chooses.
SnapshotOutcome OnSaveSnapshot(JobContext& ctx);

// Load Snapshot: replaces the current scan by the one in the file the user chooses and rebuilds the tree.
SnapshotOutcome OnLoadSnapshot(JobContext& ctx);
