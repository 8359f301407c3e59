#pragma once
#include "export/ExportOptions.h"
#include "scan/JobContext.h"
#include "tests/support/RecordingFrame.h"
#include "tests/support/TempFiles.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// Scanned mailbox files with checked tree items and an output folder, ready for the export job.
class ExportFixture {
public:
    ExportFixture();

    // Writes the bytes as file name, scans it (.imm names as containers) and adds its entry and tree items.
    void AddMailbox(const QString& name, const QByteArray& bytes);
    // Runs the Save handler with these options and then its worker; the number of emails written.
    int64_t Save(ExportFormat format, bool hierarchy = false);
    // Names of the files in folder (below the output folder), sorted.
    QStringList Files(const QString& folder = QString()) const;
    QByteArray Read(const QString& relativePath) const;

    TempFiles files;
    QString outFolder;
    CAppMembers app;
    CFrameMembers frame;
    RecordingFrame ui;
    JobContext ctx{app, frame, ui};
};

// Joins emails into one mbox: each starts with a "From " separator line, lines end in eol.
QByteArray Mbox(const QList<QByteArray>& emails, const QByteArray& eol);
// The rows of a CSV file as Python's csv module reads them.
QList<QStringList> ParseCsv(const QString& path);
