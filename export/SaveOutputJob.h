#pragma once
#include "export/ExportOptions.h"
#include "scan/JobContext.h"

#include <functional>
#include <optional>

class IPdfPrinter;

// Asks the person for the export's options (the "Save output" dialog); nullopt when cancelled.
using AskExportOptions = std::function<std::optional<ExportOptions>()>;

// UI-thread handler of the Save command. Refuses with a box while a job runs, or when no scanned file is
// checked in the tree; otherwise asks for the options and, unless cancelled, marks the job running and
// returns the request: the caller then runs SaveOutputThread with it on a worker thread.
std::optional<ExportRequest> OnSaveOutput(JobContext& ctx, const AskExportOptions& ask);

// Writes every email of the requested files, one file each, with an "index.csv" per output folder.
// Honours Stop between emails, reports per file and at the end, and clears the running flag. Returns the
// number of emails written. pdf is needed for the PDF format only.
int64_t SaveOutputThread(JobContext& ctx, const ExportRequest& request, IPdfPrinter* pdf);
