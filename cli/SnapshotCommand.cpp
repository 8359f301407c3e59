#include "cli/CommandTable.h"

#include "persist/SnapshotCommands.h"

namespace {

int Save(CliSession& session, const QStringList& args)
{
    if (args.size() < 2)
        return Fail(2, QStringLiteral("snapshot save needs OUT and at least one FILE"));
    QStringList paths;
    for (const QString& file : args.mid(1))
        paths << CliSession::AbsolutePath(file);
    session.Scan(paths);
    const bool allOpened = session.PrintScannedFiles();
    session.Frame().SetChosenFile(CliSession::AbsolutePath(args.first()));
    if (OnSaveSnapshot(session.Context()) != SnapshotOutcome::Done)
        return Fail(1, QStringLiteral("cannot write ") + args.first());
    return allOpened ? 0 : Fail(1, QStringLiteral("a named file could not be opened"));
}

int Load(CliSession& session, const QStringList& args)
{
    if (args.size() != 1)
        return Fail(2, QStringLiteral("snapshot load needs exactly one IN"));
    session.Frame().SetChosenFile(CliSession::AbsolutePath(args.first()));
    const SnapshotOutcome outcome = OnLoadSnapshot(session.Context());
    session.PrintScannedFiles();
    if (outcome == SnapshotOutcome::FileFailed)
        return Fail(1, QStringLiteral("cannot open ") + args.first());
    if (outcome == SnapshotOutcome::Damaged)
        return Fail(1, args.first() + QStringLiteral(" is damaged"));
    return 0;
}

} // namespace

int RunSnapshotCommand(CliSession& session, const QStringList& args)
{
    if (!args.isEmpty() && args.first() == QLatin1String("save"))
        return Save(session, args.mid(1));
    if (!args.isEmpty() && args.first() == QLatin1String("load"))
        return Load(session, args.mid(1));
    return Fail(2, QStringLiteral("snapshot needs save or load"));
}
