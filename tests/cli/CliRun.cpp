#include "tests/cli/CliRun.h"

#include <QJsonDocument>
#include <QProcess>

CliRun RunCli(const QStringList& args, const QString& folder)
{
    QProcess process;
    process.setWorkingDirectory(folder);
    process.start(QStringLiteral(ORLANDA_CLI), args);
    process.waitForFinished(120000);
    CliRun run;
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    for (const QByteArray& line : process.readAllStandardOutput().split('\n'))
        if (!line.isEmpty())
            run.lines << QJsonDocument::fromJson(line).object();
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}
