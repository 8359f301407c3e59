#include "persist/SnapshotCommands.h"

#include "display/BlankPreviewPage.h"
#include "persist/SnapshotFile.h"
#include "scan/ProcessGuard.h"
#include "scan/ScannedFiles.h"
#include "scan/StatusTime.h"

namespace {

constexpr int kLogViewerTab = 0;
constexpr int kLoadedFileImage = 0;

void ResetScanResult(JobContext& ctx)
{
    ctx.frame.m_nFileCount = 0;
    ctx.ui.TreeDeleteAllItems();
    ctx.ui.ListDeleteAll();
    ctx.ui.ClearPreview();
    ctx.frame.m_strPreviewFile = CreateBlankPreviewPage(ctx.app.m_strTempPath);
    ctx.ui.NavigatePreview(ctx.frame.m_strPreviewFile);
    ctx.ui.ShowPane(kLogViewerTab);
    DiscardScannedFiles(ctx.frame);
}

// The stored flags are derived again from the path; the offsets are taken as they are.
void AddRecord(JobContext& ctx, SnapshotRecord& record)
{
    ctx.app.m_strCurrentFile = record.strPath;
    ++ctx.frame.m_nFileCount;
    const HTreeItem fileItem = InsertFileItem(ctx, record.strPath, kLoadedFileImage);
    MboxFileScanner& scanner = AddScannedFile(ctx, record.strPath);
    scanner.m_offsets = std::move(record.offsets);
    if (scanner.Open(record.strPath))
        InsertFolderItem(ctx, fileItem, record.strPath, MessageCount(scanner.m_offsets));
}

SnapshotOutcome ReadRecords(JobContext& ctx, SnapshotReader& reader)
{
    for (;;) {
        SnapshotRecord record;
        switch (reader.Next(record)) {
        case SnapshotReader::Status::Record:
            AddRecord(ctx, record);
            break;
        case SnapshotReader::Status::End:
            return SnapshotOutcome::Done;
        case SnapshotReader::Status::Damaged:
            return SnapshotOutcome::Damaged;
        }
    }
}

void Finish(JobContext& ctx, const QString& message)
{
    ctx.ui.OutputLine(message);
    ctx.ui.MessageBox(message);
}

} // namespace

SnapshotOutcome OnSaveSnapshot(JobContext& ctx)
{
    if (RefuseWhileRunning(ctx))
        return SnapshotOutcome::NotRun;
    if (!ctx.ui.TreeHasItems()) {
        ctx.ui.MessageBox(QStringLiteral("Please select file to recover data."));
        return SnapshotOutcome::NotRun;
    }
    ctx.ui.SetWaitCursor(true);
    const QString path = ctx.ui.ChooseSnapshotToSave();
    if (path.isEmpty()) {
        ctx.ui.SetWaitCursor(false);
        return SnapshotOutcome::NotRun;
    }
    ctx.app.g_bProcessRunning = 1;
    ctx.ui.ShowPane(kLogViewerTab);
    ctx.ui.OutputLine(QStringLiteral(" file is saving for Snapshot.    ") + StatusTimeText());
    const bool written = WriteSnapshot(path, ctx.frame.m_vecScannedFiles);
    ctx.app.g_bProcessRunning = 0;
    ctx.ui.SetWaitCursor(false);
    if (written)
        return SnapshotOutcome::Done;
    ctx.ui.MessageBox(QStringLiteral("The snapshot file could not be written."));
    return SnapshotOutcome::FileFailed;
}

SnapshotOutcome OnLoadSnapshot(JobContext& ctx)
{
    if (RefuseWhileRunning(ctx))
        return SnapshotOutcome::NotRun;
    const QString path = ctx.ui.ChooseSnapshotToLoad();
    if (path.isEmpty())
        return SnapshotOutcome::NotRun;
    ctx.app.g_bProcessRunning = 1;
    ResetScanResult(ctx);
    SnapshotReader reader;
    if (!reader.Open(path)) {
        ctx.app.g_bProcessRunning = 0;
        return SnapshotOutcome::FileFailed;
    }
    ctx.ui.OutputLine(QStringLiteral("Loading Snapshot. "));
    const SnapshotOutcome outcome = ReadRecords(ctx, reader);
    ctx.ui.ShowProgressBar(false);
    ctx.app.g_bProcessRunning = 0;
    Finish(ctx, outcome == SnapshotOutcome::Done
               ? QStringLiteral("Loading snapshot process completed.")
               : QStringLiteral("The snapshot file is damaged; the files stored before the damage were loaded."));
    return outcome;
}
