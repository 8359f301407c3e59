#pragma once
// Interface fixed for the other layers; the scanner's implementation fills in the rest of this file.
#include "platform/CFile.h"
#include "scan/MainFrameInterface.h"

#include <QString>
#include <QStringList>
#include <atomic>
#include <cstdint>
#include <vector>

using MessageOffsetTable = std::vector<uint64_t>;

class MboxFileScanner : public CFile {
public:
    MboxFileScanner() = default;

    int ScanFromLines();
    int ScanMimeVersion(const QString& path);

    MessageOffsetTable m_offsets;
    QStringList m_vecImmAttachments;
    QString m_strAttachmentsFolder;
    IProgressNotify* m_hWndNotify = nullptr;
    std::atomic<bool> m_bContinue{true};
};
