#pragma once
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

enum class ExportFormat { Eml, Html, Pdf, Rtf };

// What the person chose in the "Save output" dialog (or on the command line).
struct ExportOptions {
    ExportFormat eFormat = ExportFormat::Eml;
    QString strFolder;
    bool bHierarchy = false; // one folder per mailbox file below strFolder
};

// One export run: the options and the 1-based numbers of the scanned files to export, in file order.
struct ExportRequest {
    ExportOptions options;
    std::vector<int64_t> vecFileNumbers;
};

// ".eml", ".html", ".pdf" or ".rtf".
QString ExportExtension(ExportFormat format);
// "eml", "html", "pdf" or "rtf" as typed on a command line; nullopt for anything else.
std::optional<ExportFormat> ExportFormatFromName(const QString& name);
