#pragma once
#include "display/EmailSummary.h"
#include "scan/ScannedFileEntry.h"

#include <QByteArray>
#include <QStringList>
#include <cstdint>

// One email on its way out: its bytes (separator removed), header texts and attachment names.
struct ExportedEmail {
    int64_t nNumber = 0; // 1-based position in its mailbox file
    QByteArray bytes;
    EmailSummary summary;
    QStringList vecAttachments;
};

// Reads email index (0-based) of a scanned file; false when it cannot be read.
bool LoadExportedEmail(const ScannedFileEntry& entry, int64_t index, ExportedEmail& email);
