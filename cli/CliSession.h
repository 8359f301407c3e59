#pragma once
#include "cli/ConsoleFrame.h"
#include "scan/JobContext.h"

#include <QStringList>
#include <QTemporaryDir>

// What every command runs against: the console window, the shared members and a private temporary base
// folder that is removed at exit.
class CliSession {
public:
    CliSession();

    JobContext& Context() { return m_ctx; }
    ConsoleFrame& Frame() { return m_frame; }

    // FILE as the jobs see it: absolute against the current folder, links not resolved.
    static QString AbsolutePath(const QString& file);
    // Runs the scan job over paths as after the Select File dialog's OK and waits for it; false when the
    // job was refused.
    bool Scan(const QStringList& paths);
    // One JSON line per scanned file on standard output; false when any file could not be opened.
    bool PrintScannedFiles();

private:
    QTemporaryDir m_tempBase;
    CAppMembers m_app;
    CFrameMembers m_frameMembers;
    ConsoleFrame m_frame;
    JobContext m_ctx{m_app, m_frameMembers, m_frame};
};

// Prints "orlanda-cli: reason" to standard error and returns status.
int Fail(int status, const QString& reason);
