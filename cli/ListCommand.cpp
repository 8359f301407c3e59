#include "cli/CommandTable.h"
#include "cli/JsonText.h"

#include "display/EmailListLoader.h"
#include "persist/SnapshotCommands.h"

#include <cstdio>

namespace {

// The folder item of the n-th (1-based) file of the snapshot IN; kNoTreeItem with status set on failure.
HTreeItem SnapshotFolder(CliSession& session, const QStringList& args, int& status)
{
    bool numeric = false;
    const qlonglong n = args.value(2).toLongLong(&numeric);
    if (args.size() != 3 || !numeric || n < 1) {
        status = Fail(2, QStringLiteral("list --snapshot needs IN and a file number N from 1"));
        return kNoTreeItem;
    }
    session.Frame().SetChosenFile(CliSession::AbsolutePath(args[1]));
    if (OnLoadSnapshot(session.Context()) == SnapshotOutcome::FileFailed) {
        status = Fail(1, QStringLiteral("cannot open ") + args[1]);
        return kNoTreeItem;
    }
    const HTreeItem folder = session.Frame().FolderItem(size_t(n - 1));
    if (folder == kNoTreeItem)
        status = Fail(2, QStringLiteral("the snapshot has no listed file %1").arg(n));
    return folder;
}

HTreeItem ScannedFolder(CliSession& session, const QStringList& args, int& status)
{
    if (args.size() != 1) {
        status = Fail(2, QStringLiteral("list needs exactly one FILE"));
        return kNoTreeItem;
    }
    session.Scan({CliSession::AbsolutePath(args[0])});
    const HTreeItem folder = session.Frame().FolderItem(0);
    if (folder == kNoTreeItem)
        status = Fail(1, QStringLiteral("cannot open ") + args[0]);
    return folder;
}

void PrintRows(const std::vector<EmailRow>& rows)
{
    for (size_t r = 0; r < rows.size(); ++r) {
        const EmailRow& row = rows[r];
        const QByteArray line = "{\"row\":" + QByteArray::number(qulonglong(r)) + ",\"index\":"
            + QByteArray::number(row.nItemData) + ",\"name\":" + JsonString(row.strName) + ",\"to\":"
            + JsonString(row.strTo) + ",\"from\":" + JsonString(row.strFrom) + ",\"subject\":"
            + JsonString(row.strSubject) + ",\"date\":" + JsonString(row.strDate)
            + ",\"attachment\":" + (row.bHasAttachment ? "1" : "0") + "}\n";
        std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    }
    std::fflush(stdout);
}

} // namespace

int RunListCommand(CliSession& session, const QStringList& args)
{
    int status = 0;
    const bool fromSnapshot = !args.isEmpty() && args[0] == QLatin1String("--snapshot");
    const HTreeItem folder = fromSnapshot ? SnapshotFolder(session, args, status) : ScannedFolder(session, args, status);
    if (folder == kNoTreeItem)
        return status;
    if (!OnShowFolderMails(session.Context(), folder))
        return Fail(1, QStringLiteral("another job is running"));
    ShowFolderMailsThread(session.Context());
    PrintRows(session.Frame().Rows());
    return 0;
}
