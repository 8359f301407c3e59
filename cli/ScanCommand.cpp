#include "cli/CommandTable.h"

int RunScanCommand(CliSession& session, const QStringList& args)
{
    if (args.isEmpty())
        return Fail(2, QStringLiteral("scan needs at least one FILE"));
    QStringList paths;
    for (const QString& file : args)
        paths << CliSession::AbsolutePath(file);
    session.Scan(paths);
    if (!session.PrintScannedFiles())
        return Fail(1, QStringLiteral("a named file could not be opened"));
    return 0;
}
