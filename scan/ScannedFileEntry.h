#pragma once
#include "scan/MboxFileScanner.h"

#include <QString>
#include <memory>

// One scanned mailbox file; its tree items carry item data = its position + 1.
struct ScannedFileEntry {
    std::unique_ptr<MboxFileScanner> pScanner;
    QString strPath;
    bool bIsImm = false;
    bool bHasAttachments = false;
};
