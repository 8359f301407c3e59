#include "export/ExportEmailBytes.h"

#include "display/EmailSlice.h"

namespace {

constexpr QByteArrayView kFromLine("From ");

// True when the file holds LF "From " at offset: the separator of an LF or CR LF mailbox.
bool LfSeparatorAt(const CFile& file, uint64_t offset)
{
    char head[6] = {};
    return file.ReadAt(offset, head, sizeof head) == sizeof head && QByteArrayView(head, sizeof head) == "\nFrom ";
}

} // namespace

QByteArrayView WithoutMboxSeparator(QByteArrayView slice)
{
    QByteArrayView rest = slice;
    if (!rest.isEmpty() && (rest.front() == '\n' || rest.front() == '\r') && rest.sliced(1).startsWith(kFromLine))
        rest = rest.sliced(1);
    if (!rest.startsWith(kFromLine))
        return slice;
    const qsizetype end = [&] {
        for (qsizetype i = 0; i < rest.size(); ++i) {
            if (rest[i] == '\n')
                return i + 1;
            if (rest[i] == '\r')
                return i + 1 < rest.size() && rest[i + 1] == '\n' ? i + 2 : i + 1;
        }
        return rest.size();
    }();
    return rest.sliced(end);
}

bool ReadExportEmail(const ScannedFileEntry& entry, int64_t index, QByteArray& bytes)
{
    bytes.clear();
    const MboxFileScanner& scanner = *entry.pScanner;
    if (index < 0 || index + 1 >= static_cast<int64_t>(scanner.m_offsets.size()))
        return false;
    const uint64_t start = scanner.m_offsets[index];
    const uint64_t end = scanner.m_offsets[index + 1];
    if (!ReadEmailSlice(scanner, start, end, bytes))
        return false;
    if (entry.bIsImm)
        return true;
    QByteArrayView email = WithoutMboxSeparator(bytes);
    // With CR LF line ends the scanner splits at the LF, so the CR before the next separator ends this slice.
    if (email.endsWith('\r') && LfSeparatorAt(scanner, end))
        email.chop(1);
    const qsizetype skipped = email.data() - bytes.constData();
    bytes.truncate(skipped + email.size());
    bytes.remove(0, skipped);
    return true;
}
