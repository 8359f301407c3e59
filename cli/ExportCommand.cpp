#include "cli/CommandTable.h"
#include "cli/PdfExport.h"

#include "export/ExportFolderCheck.h"
#include "export/SaveOutputJob.h"
#include "scan/ScannedFiles.h"

namespace {

// Reads "--format F --out DIR [--hierarchy] FILE..." into request and files; "" or the usage error.
QString ParseExportArgs(const QStringList& args, ExportRequest& request, QStringList& files)
{
    bool haveFormat = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        const bool valued = arg == QLatin1String("--format") || arg == QLatin1String("--out");
        if (valued && i + 1 >= args.size())
            return arg + QStringLiteral(" needs a value");
        if (arg == QLatin1String("--format")) {
            const std::optional<ExportFormat> format = ExportFormatFromName(args[++i]);
            if (!format)
                return QStringLiteral("unknown format ") + args[i];
            request.options.eFormat = *format;
            haveFormat = true;
        } else if (arg == QLatin1String("--out")) {
            request.options.strFolder = CliSession::AbsolutePath(args[++i]);
        } else if (arg == QLatin1String("--hierarchy")) {
            request.options.bHierarchy = true;
        } else {
            files << CliSession::AbsolutePath(arg);
        }
    }
    if (!haveFormat || request.options.strFolder.isEmpty() || files.isEmpty())
        return QStringLiteral("export needs --format, --out and at least one FILE");
    return ExportFolderProblem(request.options.strFolder);
}

} // namespace

bool ExportAsksForPdf(const QStringList& args)
{
    ExportRequest request;
    QStringList files;
    return ParseExportArgs(args, request, files).isEmpty() && request.options.eFormat == ExportFormat::Pdf;
}

int RunExportCommand(CliSession& session, const QStringList& args)
{
    ExportRequest request;
    QStringList files;
    const QString problem = ParseExportArgs(args, request, files);
    if (!problem.isEmpty())
        return Fail(2, problem);
    const bool pdf = request.options.eFormat == ExportFormat::Pdf;
    const ExportRunner pdfRunner = PdfExportRunner();
    if (pdf && !pdfRunner)
        return Fail(2, QStringLiteral("PDF needs the web engine, which this build of orlanda-cli lacks"));
    session.Scan(files);
    JobContext& ctx = session.Context();
    bool allOpened = true;
    int64_t emails = 0;
    for (size_t i = 0; i < ctx.frame.m_vecScannedFiles.size(); ++i) {
        const ScannedFileEntry& entry = ctx.frame.m_vecScannedFiles[i];
        const bool opened = entry.pScanner && entry.pScanner->IsOpen();
        allOpened = allOpened && opened;
        emails += opened ? static_cast<int64_t>(MessageCount(entry.pScanner->m_offsets)) : 0;
        request.vecFileNumbers.push_back(static_cast<int64_t>(i) + 1);
    }
    // Every file counts as checked; the job runs as the window's worker would run it.
    ctx.app.g_bProcessRunning.store(1, std::memory_order_relaxed);
    const int64_t written = pdf ? pdfRunner(ctx, request) : SaveOutputThread(ctx, request, nullptr);
    if (!allOpened)
        return Fail(1, QStringLiteral("a named file could not be opened"));
    if (written < emails)
        return Fail(1, QStringLiteral("%1 of %2 emails could not be saved").arg(emails - written).arg(emails));
    return 0;
}
