#include "cli/CommandTable.h"
#include "cli/JsonText.h"

#include "display/MailPreviewBuilder.h"

#include <QFile>
#include <cstdio>

namespace {

// Builds the preview of email index of the only scanned file as the list row would, on this thread.
bool BuildPreview(CliSession& session, int64_t index)
{
    JobContext& ctx = session.Context();
    const ScannedFileEntry& entry = ctx.frame.m_vecScannedFiles.front();
    ctx.frame.m_pCurScanner = entry.pScanner.get();
    ctx.frame.m_bCurIsImm = entry.bIsImm;
    ctx.frame.m_bCurHasAttachments = entry.bHasAttachments;
    EmailRow row;
    row.nItemData = index;
    ctx.ui.ListDeleteAll();
    ctx.ui.ListAppendRows({row});
    if (!OnShowMailPreview(ctx, 0))
        return false;
    ShowMailPreviewThread(ctx);
    return ctx.frame.m_strPreviewFile.endsWith(QStringLiteral(".mht"));
}

void PrintPreview(const PreviewHeaders& headers, const QStringList& attachments)
{
    QByteArray rows;
    for (const QString& name : attachments)
        rows += (rows.isEmpty() ? "" : ",") + JsonString(name);
    const QByteArray line = "{\"subject\":" + JsonString(headers.strSubject) + ",\"from\":"
        + JsonString(headers.strFrom) + ",\"to\":" + JsonString(headers.strTo) + ",\"date\":"
        + JsonString(headers.strDate) + ",\"attachments\":[" + rows + "]}\n";
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    std::fflush(stdout);
}

} // namespace

int RunPreviewCommand(CliSession& session, const QStringList& args)
{
    bool numeric = false;
    const qlonglong index = args.value(1).toLongLong(&numeric);
    if (args.size() != 4 || args[2] != QLatin1String("--out") || !numeric)
        return Fail(2, QStringLiteral("preview needs FILE INDEX --out PATH"));
    session.Scan({CliSession::AbsolutePath(args[0])});
    const auto& entries = session.Context().frame.m_vecScannedFiles;
    if (entries.empty() || !entries.front().pScanner->IsOpen())
        return Fail(1, QStringLiteral("cannot open ") + args[0]);
    const int64_t count = int64_t(entries.front().pScanner->m_offsets.size()) - 1;
    if (index < 0 || index >= count)
        return Fail(2, QStringLiteral("INDEX %1 is outside 0 to %2").arg(index).arg(count - 1));
    if (!BuildPreview(session, index))
        return Fail(1, QStringLiteral("the preview file could not be written"));
    const QString out = CliSession::AbsolutePath(args[3]);
    QFile::remove(out);
    if (!QFile::copy(session.Context().frame.m_strPreviewFile, out))
        return Fail(1, QStringLiteral("cannot write ") + args[3]);
    PrintPreview(session.Frame().Headers(), session.Frame().AttachmentRows());
    return 0;
}
