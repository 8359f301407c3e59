#include "cli/CommandTable.h"

const std::vector<Command>& Commands()
{
    static const std::vector<Command> commands = {
        {"scan", "FILE...", RunScanCommand},
        {"snapshot", "save OUT FILE... | snapshot load IN", RunSnapshotCommand},
        {"export", "--format eml|html|pdf|rtf --out DIR [--hierarchy] FILE...", RunExportCommand},
        {"list", "FILE | list --snapshot IN N", RunListCommand},
        {"preview", "FILE INDEX --out PATH", RunPreviewCommand},
    };
    return commands;
}

QString UsageText()
{
    QString text = QStringLiteral("usage:");
    for (const Command& command : Commands())
        text += QStringLiteral("\n  orlanda-cli %1 %2").arg(QString::fromLatin1(command.name), QString::fromLatin1(command.usage));
    return text;
}
