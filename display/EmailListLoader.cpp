#include "display/EmailListLoader.h"

#include "display/BlankPreviewPage.h"
#include "display/BusyText.h"
#include "display/EmailSlice.h"
#include "display/EmailSummary.h"
#include "display/HeaderText.h"
#include "display/ImmMarkers.h"
#include "platform/TempFolder.h"

#include <QElapsedTimer>
#include <new>

namespace {


const QString kDoneText = QStringLiteral("Click on emails items to see preview.");

// Rows go to the window in batches the eye cannot tell from one-by-one: the first at once, then every
// 256 rows or 50 ms, whichever comes first.
constexpr size_t kBatchRows = 256;
constexpr qint64 kBatchMilliseconds = 50;

class RowBatcher {
public:
    RowBatcher(IMainFrame& ui, const QString& name, int64_t total) : m_ui(ui), m_name(name), m_total(total)
    {
        m_timer.start();
    }

    void Add(EmailRow row) { m_rows.push_back(std::move(row)); }

    bool Due() const
    {
        return !m_rows.empty()
            && (m_sent == 0 || m_rows.size() >= kBatchRows || m_timer.elapsed() >= kBatchMilliseconds);
    }

    // Sends the pending rows, then the caption with the last row's index and the email count.
    void Flush()
    {
        if (m_rows.empty())
            return;
        m_ui.ListAppendRows(m_rows);
        m_sent += static_cast<int64_t>(m_rows.size());
        m_rows.clear();
        m_ui.SetCaptionText(QStringLiteral("%1 [%2 / %3]").arg(m_name).arg(m_sent - 1).arg(m_total));
        m_timer.restart();
    }

private:
    IMainFrame& m_ui;
    const QString& m_name;
    const int64_t m_total;
    std::vector<EmailRow> m_rows;
    int64_t m_sent = 0;
    QElapsedTimer m_timer;
};

// The buffers one listing reuses from email to email: the email's bytes and the copy of its header lines.
struct ListBuffers {
    QByteArray email;
    QByteArray headers;
};

// The summary of an .imm email: its markers and raw header lines are read from the whole bytes.
EmailSummary ReadImmSummary(MboxFileScanner& scanner, QByteArray& buffer)
{
    CollectImFilePaths(buffer, scanner.m_vecImmAttachments);
    EmailSummary summary = ReadEmailSummary(buffer, true, scanner.m_vecImmAttachments);
    // .imm headers that the parser misses are taken from the raw lines.
    if (summary.strFrom.isEmpty())
        summary.strFrom = FindRawHeaderLine(buffer, "From");
    if (summary.strSubject.isEmpty())
        summary.strSubject = FindRawHeaderLine(buffer, "Subject");
    if (summary.strTo.isEmpty())
        summary.strTo = FindRawHeaderLine(buffer, "To");
    scanner.m_vecImmAttachments.clear();
    return summary;
}

// Reads email i and builds its row; false when a buffer cannot be allocated.
bool ReadEmailRow(MboxFileScanner& scanner, bool bIsImm, int64_t i, ListBuffers& buffers, EmailRow& row)
{
    try {
        if (!ReadEmailSlice(scanner, scanner.m_offsets[i], scanner.m_offsets[i + 1], buffers.email))
            return false;
        EmailSummary summary = bIsImm ? ReadImmSummary(scanner, buffers.email)
                                      : ReadMboxEmailSummary(buffers.email, buffers.headers);
        row.strTo = std::move(summary.strTo);
        row.strFrom = std::move(summary.strFrom);
        row.strSubject = std::move(summary.strSubject);
        row.strDate = std::move(summary.strDate);
        row.bHasAttachment = summary.bHasAttachment;
        row.nItemData = i;
        return true;
    } catch (const std::bad_alloc&) {
        scanner.m_vecImmAttachments.clear();
        return false;
    }
}

// Adds one row per email in file order until the end or until the running flag is cleared.
void AppendEmailRows(JobContext& ctx, MboxFileScanner& scanner, const QString& name, int64_t total)
{
    RowBatcher batcher(ctx.ui, name, total);
    const bool bIsImm = ctx.frame.m_bCurIsImm;
    ListBuffers buffers;
    for (int64_t i = 0; i < total; ++i) {
        if (batcher.Due()) {
            batcher.Flush();
            ctx.ui.ProgressPos(i);
        }
        if (ctx.app.g_bProcessRunning.load(std::memory_order_relaxed) == 0)
            break;
        EmailRow row;
        row.strName = name;
        if (ReadEmailRow(scanner, bIsImm, i, buffers, row))
            batcher.Add(std::move(row));
    }
    batcher.Flush();
}

// The clicked item's file entry, or null when the item is not a folder item of a scanned file.
ScannedFileEntry* FolderEntry(JobContext& ctx, QString& path)
{
    const HTreeItem parent = ctx.ui.TreeGetParent(ctx.frame.m_hClickedItem);
    if (parent == kNoTreeItem)
        return nullptr;
    path = ctx.ui.TreeGetItemText(parent);
    const int64_t k = ctx.ui.TreeGetItemData(ctx.frame.m_hClickedItem);
    if (k <= 0 || k > static_cast<int64_t>(ctx.frame.m_vecScannedFiles.size()))
        return nullptr;
    return &ctx.frame.m_vecScannedFiles[k - 1];
}

} // namespace

bool OnShowFolderMails(JobContext& ctx, HTreeItem item)
{
    ctx.frame.m_hClickedItem = item;
    if (ctx.app.g_bProcessRunning.load(std::memory_order_relaxed) != 0) {
        ctx.ui.TreeReselectItem(item);
        ctx.ui.MessageBox(BusyText());
        return false;
    }
    ctx.app.g_bProcessRunning.store(1, std::memory_order_relaxed);
    EmptyFolder(GetTempFolder(ctx.app.m_strTempPath));
    ctx.ui.ClearPreview();
    ctx.frame.m_strPreviewFile.clear();
    ctx.frame.m_strPreviewFile = CreateBlankPreviewPage(ctx.app.m_strTempPath);
    ctx.ui.NavigatePreview(ctx.frame.m_strPreviewFile);
    ctx.ui.ShowPane(0);
    return true;
}

int ShowFolderMailsThread(JobContext& ctx)
{
    QString path;
    ScannedFileEntry* entry = FolderEntry(ctx, path);
    if (!entry) {
        ctx.app.g_bProcessRunning.store(0, std::memory_order_relaxed);
        return 0;
    }
    MboxFileScanner* scanner = entry->pScanner.get();
    ctx.frame.m_pCurScanner = scanner;
    ctx.app.m_strCurrentFile = entry->strPath;
    ctx.frame.m_bCurIsImm = entry->bIsImm;
    ctx.frame.m_bCurHasAttachments = entry->bHasAttachments;

    ctx.ui.ListDeleteAll();
    const QString name = FileNameFromPath(path);
    ctx.ui.SetCaptionText(name);
    ctx.ui.OutputLine(QStringLiteral("Please wait while ") + name + QStringLiteral(" folder is scanning...."));
    ctx.ui.OutputLine(QStringLiteral("Displaying email items."));
    ctx.ui.ShowProgressBar(true);
    const int64_t n = scanner ? static_cast<int64_t>(scanner->m_offsets.size()) : 0;
    const int64_t total = n - 1;
    ctx.ui.ProgressRange(0, total);
    if (n > 1)
        AppendEmailRows(ctx, *scanner, name, total);

    const int64_t count = ctx.ui.ListItemCount();
    if (count > 0) {
        ctx.ui.OutputLine(kDoneText);
        ctx.ui.SetCaptionText(QStringLiteral("%1 [%2]").arg(name).arg(count));
        ctx.ui.ListEnsureVisible(count - 1);
        ctx.ui.MessageBox(kDoneText);
    }
    ctx.ui.ProgressPos(total);
    ctx.ui.ShowProgressBar(false);
    ctx.app.g_bProcessRunning.store(0, std::memory_order_relaxed);
    return 1;
}
