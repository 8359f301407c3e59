#pragma once
#include "cli/CliSession.h"

#include <QStringList>
#include <vector>

// A command gets the arguments after its name and returns the exit status:
// 0 success, 1 a named file could not be opened or read (or an email could not be saved), 2 a usage error.
using CommandFunction = int (*)(CliSession& session, const QStringList& args);

struct Command {
    const char* name;
    const char* usage; // the arguments, for the usage text
    CommandFunction run;
};

int RunScanCommand(CliSession& session, const QStringList& args);
int RunSnapshotCommand(CliSession& session, const QStringList& args);
int RunExportCommand(CliSession& session, const QStringList& args);
int RunListCommand(CliSession& session, const QStringList& args);
int RunPreviewCommand(CliSession& session, const QStringList& args);

const std::vector<Command>& Commands();
QString UsageText();
