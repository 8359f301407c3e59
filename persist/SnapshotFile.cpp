#include "persist/SnapshotFile.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QtEndian>

namespace {

constexpr uint64_t kFixedRecordTail = 1 + 1 + 8; // the two flags and the offset count

template <class T> void AppendInteger(QByteArray& out, T value)
{
    const T little = qToLittleEndian(value);
    out.append(reinterpret_cast<const char*>(&little), sizeof little);
}

QByteArray RecordBytes(const ScannedFileEntry& entry)
{
    static const MessageOffsetTable kNoOffsets;
    const MessageOffsetTable& offsets = entry.pScanner ? entry.pScanner->m_offsets : kNoOffsets;
    QByteArray out;
    out.reserve(qsizetype(4 + 2 * entry.strPath.size() + kFixedRecordTail + 8 * offsets.size()));
    AppendInteger(out, uint32_t(entry.strPath.size()));
    for (const QChar unit : entry.strPath)
        AppendInteger(out, char16_t(unit.unicode()));
    out.append(char(entry.bIsImm ? 1 : 0));
    out.append(char(entry.bHasAttachments ? 1 : 0));
    AppendInteger(out, uint64_t(offsets.size()));
    for (const uint64_t offset : offsets)
        AppendInteger(out, offset);
    return out;
}

} // namespace

bool WriteSnapshot(const QString& path, const std::vector<ScannedFileEntry>& entries)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray count;
    AppendInteger(count, uint32_t(entries.size()));
    bool written = file.write(count) == count.size();
    for (const ScannedFileEntry& entry : entries) {
        const QByteArray record = RecordBytes(entry);
        written = written && file.write(record) == record.size();
    }
    if (!written) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool SnapshotReader::Open(const QString& path)
{
    // A pipe or device would block the open or never end; only a regular file can be a snapshot.
    if (!QFileInfo(path).isFile())
        return false;
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::ReadOnly))
        return false;
    m_remaining = uint64_t(qMax<qint64>(m_file.size(), 0));
    m_damaged = !ReadInteger(m_recordsLeft);
    return true;
}

SnapshotReader::Status SnapshotReader::Next(SnapshotRecord& record)
{
    if (m_damaged)
        return Status::Damaged;
    if (m_recordsLeft == 0)
        return Status::End;
    uint8_t flags[2];
    m_damaged = !ReadPath(record.strPath) || !ReadExact(flags, 2) || !ReadOffsets(record.offsets);
    if (m_damaged)
        return Status::Damaged;
    record.bIsImm = flags[0] != 0;
    record.bHasAttachments = flags[1] != 0;
    --m_recordsLeft;
    return Status::Record;
}

bool SnapshotReader::ReadExact(void* buffer, uint64_t size)
{
    if (size > m_remaining || m_file.read(static_cast<char*>(buffer), qint64(size)) != qint64(size))
        return false;
    m_remaining -= size;
    return true;
}

template <class T> bool SnapshotReader::ReadInteger(T& value)
{
    T little;
    if (!ReadExact(&little, sizeof little))
        return false;
    value = qFromLittleEndian(little);
    return true;
}

// The path ends at its first zero unit, as a zero-terminated buffer would end it.
bool SnapshotReader::ReadPath(QString& path)
{
    uint32_t length = 0;
    if (!ReadInteger(length) || uint64_t(length) * 2 + kFixedRecordTail > m_remaining)
        return false;
    std::vector<char16_t> units(length);
    if (!ReadExact(units.data(), uint64_t(length) * 2))
        return false;
    for (char16_t& unit : units)
        unit = qFromLittleEndian(unit);
    path = QString::fromUtf16(units.data(), qsizetype(length));
    path.truncate(path.indexOf(QChar(0)) < 0 ? path.size() : path.indexOf(QChar(0)));
    return true;
}

bool SnapshotReader::ReadOffsets(MessageOffsetTable& offsets)
{
    uint64_t count = 0;
    if (!ReadInteger(count) || count > m_remaining / 8)
        return false;
    offsets.resize(count);
    if (!ReadExact(offsets.data(), count * 8))
        return false;
    for (uint64_t& offset : offsets)
        offset = qFromLittleEndian(offset);
    return true;
}
