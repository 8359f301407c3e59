#include "cli/CommandTable.h"
#include "cli/PdfExport.h"

#include <cstdio>

int main(int argc, char* argv[])
{
    const std::unique_ptr<QCoreApplication> app = CreateCliApplication(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    for (const Command& command : Commands()) {
        if (!args.isEmpty() && args.first() == QLatin1String(command.name)) {
            CliSession session;
            return command.run(session, args.mid(1));
        }
    }
    std::fprintf(stderr, "%s\n", UsageText().toLocal8Bit().constData());
    return Fail(2, args.isEmpty() ? QStringLiteral("no command given") : QStringLiteral("unknown command ") + args.first());
}
