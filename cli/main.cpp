#include "cli/CommandTable.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    for (const Command& command : Commands()) {
        if (!args.isEmpty() && args.first() == QLatin1String(command.name)) {
            CliSession session;
            return command.run(session, args.mid(1));
        }
    }
    std::fprintf(stderr, "%s\n", UsageText().toLocal8Bit().constData());
    return Fail(2, args.isEmpty() ? QStringLiteral("no command given") : QStringLiteral("unknown command ") + args.first());
}
