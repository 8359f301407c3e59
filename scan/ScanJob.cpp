#include "scan/ScanJob.h"

#include "platform/TempFolder.h"
#include "scan/ProcessGuard.h"
#include "scan/ScannedFiles.h"
#include "scan/StatusTime.h"

namespace {

constexpr int kLogViewerTab = 0;
constexpr int kScannedFileImage = 1;
constexpr int64_t kProgressRange = 1000;

void Status(JobContext& ctx, const QString& line) { ctx.ui.OutputLine(line); }

bool IsRunning(const CAppMembers& app) { return app.g_bProcessRunning.load(std::memory_order_relaxed) != 0; }

// The earlier current file says nothing about this selection, so the first chosen path is shown.
QString SelectedPath(const CAppMembers& app)
{
    return app.m_vecMboxFiles.isEmpty() ? app.m_strCurrentFile : app.m_vecMboxFiles.first();
}

void ResetWindow(JobContext& ctx)
{
    ctx.ui.ClearPreview();
    ctx.ui.LogDeleteAll();
    ctx.ui.TreeDeleteAllItems();
    ctx.ui.ListDeleteAll();
    ctx.frame.m_nFileCount = 0;
    ctx.ui.ShowPane(kLogViewerTab);
}

void ScanOneFile(JobContext& ctx, const QString& path)
{
    ctx.app.m_strCurrentFile = path;
    ++ctx.frame.m_nFileCount;
    const HTreeItem fileItem = InsertFileItem(ctx, path, kScannedFileImage);
    MboxFileScanner& scanner = AddScannedFile(ctx, path);
    if (!scanner.Open(path))
        return;
    Status(ctx, QStringLiteral("Processing File: ") + path);
    if (ctx.frame.m_bCurIsImm)
        scanner.ScanMimeVersion(path);
    else
        scanner.ScanFromLines();
    const uint64_t count = MessageCount(scanner.m_offsets);
    Status(ctx, QStringLiteral("Total number of emails found: (%1)").arg(count));
    InsertFolderItem(ctx, fileItem, path, count);
}

} // namespace

bool BeginOpenCommand(JobContext& ctx)
{
    if (RefuseWhileRunning(ctx))
        return false;
    ctx.app.g_bProcessRunning = 1;
    return true;
}

void CancelOpenCommand(JobContext& ctx) { ctx.app.g_bProcessRunning = 0; }

void StartScanFiles(JobContext& ctx)
{
    EmptyFolder(GetTempFolder(ctx.app.m_strTempPath));
    const QString selected = SelectedPath(ctx.app);
    ResetWindow(ctx);
    ctx.ui.SetCaptionText(selected);
    Status(ctx, QStringLiteral("Kavren MBOX to PST Conversion process starts.  ") + StatusTimeText());
    Status(ctx, selected + QStringLiteral(" File is selected for conversion...."));
    ctx.ui.ShowProgressBar(true);
    ctx.ui.ProgressRange(0, kProgressRange);
    DiscardScannedFiles(ctx.frame);
    ctx.frame.m_worker.Start([ctx] { ScanFilesThread(ctx); });
}

int ScanFilesThread(JobContext ctx)
{
    for (qsizetype i = 0; i < ctx.app.m_vecMboxFiles.size(); ++i) {
        ScanOneFile(ctx, ctx.app.m_vecMboxFiles[i]);
        if (!IsRunning(ctx.app))
            break;
    }
    ctx.app.m_vecMboxFiles.clear();
    ctx.ui.ShowProgressBar(false);
    ctx.ui.ProgressRange(0, kProgressRange);
    ctx.app.g_bProcessRunning = 0;
    const QString done = QStringLiteral(
        "Scanning process completed for selected file, click on folder to see recovered email items.");
    Status(ctx, done);
    ctx.ui.MessageBox(done);
    return 1;
}

void OnStopCommand(JobContext& ctx)
{
    if (ctx.app.g_bProcessRunning.load(std::memory_order_relaxed) != 1)
        return;
    if (!ctx.ui.AskYesNo(QStringLiteral("Are you sure to stop the running process?")))
        return;
    ctx.app.g_bProcessRunning = 0;
    if (MboxFileScanner* scanner = ctx.frame.m_pCurScanner.load())
        scanner->m_bContinue = false;
}
