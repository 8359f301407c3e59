#include "persist/LogFile.h"

#include <QFile>
#include <QtEndian>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

constexpr int kSeparatorLength = 149;
constexpr char kCrLf[] = {'\r', 0, '\n', 0};
constexpr char kByteOrderMark[] = {'\xFF', '\xFE'};

QByteArray ToUtf16Le(const QString& text)
{
    QByteArray bytes(text.size() * 2, Qt::Uninitialized);
    qToLittleEndian<char16_t>(text.utf16(), text.size(), bytes.data());
    return bytes;
}

int OpenFile(const QByteArray& path, int flags)
{
    int fd;
    do {
        fd = ::open(path.constData(), flags | O_RDWR | O_APPEND | O_CLOEXEC, 0666);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

} // namespace

CLogFile::~CLogFile() { Close(); }

bool CLogFile::Open(const QString& desktopFolder, const QDateTime& now)
{
    Close();
    m_strLogPath.clear();
    if (desktopFolder.isEmpty())
        return false;
    const QDate date = now.date();
    const QTime time = now.time();
    m_strLogPath = (desktopFolder.endsWith(u'/') ? desktopFolder : desktopFolder + u'/')
        + QStringLiteral("KavrenOrlandaConv_log_%1-%2-%3-%4-%5-%6.txt")
              .arg(date.day()).arg(date.month()).arg(date.year(), 4, 10, QChar(u'0'))
              .arg(time.hour()).arg(time.minute()).arg(time.second());

    const QByteArray native = QFile::encodeName(m_strLogPath);
    int fd = OpenFile(native, O_CREAT | O_EXCL);
    const bool created = fd >= 0;
    if (!created && errno == EEXIST)
        fd = OpenFile(native, 0);
    if (fd < 0)
        return false;
    // Keeps a second writer of ours out, the nearest thing to opening without sharing.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    m_fd = fd;
    if (created)
        WriteAll(QByteArray(kByteOrderMark, sizeof kByteOrderMark));
    WriteLine(QString(kSeparatorLength, u'*'));
    return true;
}

void CLogFile::Close()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

void CLogFile::WriteLine(const QString& text)
{
    if (IsOpen())
        WriteAll(ToUtf16Le(text).append(kCrLf, sizeof kCrLf));
}

void CLogFile::WriteRaw(const char* bytes, qsizetype size)
{
    if (!IsOpen())
        return;
    QByteArray line;
    if (bytes && size > 0)
        line.append(bytes, size);
    WriteAll(line.append(kCrLf, sizeof kCrLf));
}

void CLogFile::WriteAll(const QByteArray& bytes)
{
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(m_fd, data, static_cast<size_t>(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return;
        data += written;
        left -= written;
    }
}
