#include "cli/PdfExport.h"

std::unique_ptr<QCoreApplication> CreateCliApplication(int& argc, char** argv)
{
    return std::make_unique<QCoreApplication>(argc, argv);
}

ExportRunner PdfExportRunner() { return {}; }
