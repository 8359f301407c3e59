#pragma once
#include "scan/ScannedFileEntry.h"

#include <QFile>
#include <QString>
#include <vector>

// One scanned file as a snapshot stores it.
struct SnapshotRecord {
    QString strPath;
    bool bIsImm = false;
    bool bHasAttachments = false;
    MessageOffsetTable offsets;
};

// Writes the snapshot of entries (little-endian: file count, then per file the UTF-16 path with its length,
// the two flags and the offset table with its count). The file is written beside path and renamed over it,
// so a failed save leaves an existing snapshot whole. False when nothing could be written.
bool WriteSnapshot(const QString& path, const std::vector<ScannedFileEntry>& entries);

// Reads a snapshot record by record. Every length and count is checked against the bytes left in the file
// before anything is read or allocated; one the file cannot hold marks the file damaged.
class SnapshotReader {
public:
    enum class Status { Record, End, Damaged };

    bool Open(const QString& path);
    Status Next(SnapshotRecord& record);

private:
    bool ReadExact(void* buffer, uint64_t size);
    template <class T> bool ReadInteger(T& value);
    bool ReadPath(QString& path);
    bool ReadOffsets(MessageOffsetTable& offsets);

    QFile m_file;
    uint64_t m_remaining = 0;
    uint32_t m_recordsLeft = 0;
    bool m_damaged = false;
};
