#pragma once
#include "scan/JobContext.h"
#include "tests/support/RecordingFrame.h"
#include "tests/support/TempFiles.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// A scanned mailbox file in the frame's entries with its tree items, ready for the list and preview jobs.
class DisplayFixture {
public:
    DisplayFixture();

    // Writes the bytes as file name, scans it (.imm names as containers) and adds its entry and tree items.
    void AddMailbox(const QString& name, const QByteArray& bytes);
    // Runs the list loader's handler and worker on the folder item; the worker's result.
    int ListFolder();
    // Lists the folder, then runs the preview handler and worker on the row; the preview file's bytes.
    QByteArray Preview(int64_t row);
    QStringList Captions() const;

    TempFiles files;
    CAppMembers app;
    CFrameMembers frame;
    RecordingFrame ui;
    JobContext ctx{app, frame, ui};
    HTreeItem folderItem = kNoTreeItem;
};

// Joins emails into one mbox: each starts with a "From " separator line, lines end in eol.
QByteArray Mbox(const QStringList& emails, const QByteArray& eol);
