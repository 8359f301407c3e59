#include "display/MailPreviewBuilder.h"

#include "display/AttachmentNames.h"
#include "display/BlankPreviewPage.h"
#include "display/BusyText.h"
#include "display/EmailSlice.h"
#include "display/EmailSummary.h"
#include "display/ForceHtmlContentType.h"
#include "display/ImmMarkers.h"
#include "display/TempNames.h"
#include "platform/TempFolder.h"

#include <QFile>
#include <new>

namespace {

// Slice bounds of email i without the line break before its separator line; false for an index outside
// the offset table.
bool PreviewSlice(const MboxFileScanner& scanner, int64_t i, uint64_t& start, uint64_t& end)
{
    if (i < 0 || i + 1 >= static_cast<int64_t>(scanner.m_offsets.size()))
        return false;
    start = scanner.m_offsets[i];
    end = scanner.m_offsets[i + 1];
    char head[2] = {0, 0};
    const int64_t got = end > start ? scanner.ReadAt(start, head, std::min<uint64_t>(2, end - start)) : 0;
    // A CR alone (an old Mac mailbox) is one line break; skipping two bytes there would eat the "F" of "From ".
    const uint64_t skip = got < 1 ? 0 : head[0] == '\n' ? 1 : head[0] != '\r' ? 0 : got == 2 && head[1] == '\n' ? 2 : 1;
    start += skip;
    return true;
}

QStringList AttachmentRows(bool bIsImm, const QString& names, const QStringList& immAttachments)
{
    if (!bIsImm)
        return AttachmentRowsFromNames(names);
    QStringList rows;
    for (const QString& entry : immAttachments)
        rows.append(ImmAttachmentRow(entry));
    return rows;
}

// Steps after the blank page is shown; false when the preview file or the email's buffer cannot be made.
bool BuildPreview(JobContext& ctx, MboxFileScanner& scanner, int64_t i)
{
    const bool bIsImm = ctx.frame.m_bCurIsImm;
    QFile file(NewTempName(GetTempFolder(ctx.app.m_strTempPath), QStringLiteral(".mht")));
    uint64_t start = 0;
    uint64_t end = 0;
    if (file.fileName().isEmpty() || !file.open(QIODevice::ReadWrite | QIODevice::Truncate)
        || !PreviewSlice(scanner, i, start, end))
        return false;
    QByteArray buffer;
    if (!ReadEmailSlice(scanner, start, end, buffer))
        return false;
    if (!bIsImm)
        ForceHtmlContentType(buffer);
    file.write(buffer);
    if (bIsImm)
        CollectImFilePaths(buffer, scanner.m_vecImmAttachments);
    const EmailSummary summary = ReadEmailSummary(buffer, bIsImm, scanner.m_vecImmAttachments);
    ctx.ui.SetPreviewHeaders({summary.strSubject, summary.strFrom, summary.strTo, summary.strDate});
    // The file keeps the bytes as written: the summary's normalised copy is for parsing only.
    file.close();
    buffer = QByteArray();

    const QString names = ReadAttachmentNames(file.fileName());
    ctx.frame.m_strPreviewFile = file.fileName();
    ctx.ui.NavigatePreview(ctx.frame.m_strPreviewFile);
    const QStringList rows = AttachmentRows(bIsImm, names, scanner.m_vecImmAttachments);
    if (!rows.isEmpty())
        ctx.ui.AppendAttachmentRows(rows);
    scanner.m_vecImmAttachments.clear();
    ctx.ui.RepaintPreview();
    return true;
}

} // namespace

bool OnShowMailPreview(JobContext& ctx, int64_t row)
{
    if (ctx.app.g_bProcessRunning.load(std::memory_order_relaxed) != 0) {
        ctx.ui.MessageBox(BusyText());
        return false;
    }
    ctx.frame.m_nPreviewIndex = row;
    ctx.ui.ClearPreview();
    ctx.app.g_bProcessRunning.store(1, std::memory_order_relaxed);
    return true;
}

int ShowMailPreviewThread(JobContext& ctx)
{
    const int64_t i = ctx.ui.ListGetItemData(ctx.frame.m_nPreviewIndex);
    MboxFileScanner* scanner = ctx.frame.m_pCurScanner;
    if (scanner)
        scanner->m_vecImmAttachments.clear();
    ctx.frame.m_strPreviewFile = CreateBlankPreviewPage(ctx.app.m_strTempPath);
    ctx.ui.NavigatePreview(ctx.frame.m_strPreviewFile);
    ctx.ui.ShowPane(1);
    ctx.ui.RepaintPreview();
    EmptyFolder(GetTempFolder(ctx.app.m_strTempPath));
    if (scanner) {
        try {
            BuildPreview(ctx, *scanner, i);
        } catch (const std::bad_alloc&) {
            scanner->m_vecImmAttachments.clear();
        }
    }
    ctx.app.g_bProcessRunning.store(0, std::memory_order_relaxed);
    return 1;
}
