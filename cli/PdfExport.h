#pragma once
#include "export/ExportOptions.h"
#include "scan/JobContext.h"

#include <QCoreApplication>
#include <QStringList>
#include <functional>
#include <memory>

// PDF pages are printed by the window's web engine, so only the window's build of orlanda-cli exports PDFs:
// it links pdf/WebPdfExport.cpp, any other build pdf/NoPdfExport.cpp.

// Runs an export job to the end and returns the number of emails it wrote.
using ExportRunner = std::function<int64_t(JobContext& ctx, const ExportRequest& request)>;

// The application object for argv: what a PDF export needs to print, else a QCoreApplication.
std::unique_ptr<QCoreApplication> CreateCliApplication(int& argc, char** argv);
// Runs a PDF export; empty when this build cannot print PDFs.
ExportRunner PdfExportRunner();

// Whether the arguments after "export" ask for PDF; defined with the export command.
bool ExportAsksForPdf(const QStringList& args);
