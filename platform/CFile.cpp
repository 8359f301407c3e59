#include "platform/CFile.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

CFile::~CFile() { Close(); }

bool CFile::Open(const QString& path)
{
    Close();
    const QByteArray native = QFile::encodeName(path);
    int fd;
    // Without O_NONBLOCK, opening a named pipe would wait for a writer forever.
    do {
        fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return false;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || ::fcntl(fd, F_SETFL, 0) != 0) {
        ::close(fd);
        return false;
    }
    m_fd = fd;
    return true;
}

void CFile::Close()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

uint64_t CFile::GetLength() const
{
    struct stat st {};
    if (m_fd < 0 || ::fstat(m_fd, &st) != 0 || st.st_size < 0)
        return 0;
    return static_cast<uint64_t>(st.st_size);
}

int64_t CFile::ReadAt(uint64_t offset, void* buffer, uint64_t count) const
{
    if (m_fd < 0 || offset > static_cast<uint64_t>(INT64_MAX))
        return -1;
    auto* out = static_cast<char*>(buffer);
    uint64_t total = 0;
    while (total < count) {
        const uint64_t chunk = std::min<uint64_t>(count - total, 1u << 30);
        const ssize_t got = ::pread(m_fd, out + total, chunk, static_cast<off_t>(offset + total));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return total > 0 ? static_cast<int64_t>(total) : -1;
        if (got == 0)
            break;
        total += static_cast<uint64_t>(got);
    }
    return static_cast<int64_t>(total);
}

CFileMapping::~CFileMapping() { Unmap(); }

bool CFileMapping::Map(const CFile& file)
{
    Unmap();
    const uint64_t length = file.GetLength();
    if (!file.IsOpen() || length == 0 || length > static_cast<uint64_t>(SIZE_MAX))
        return false;
    void* view = ::mmap(nullptr, static_cast<size_t>(length), PROT_READ, MAP_SHARED, file.Handle(), 0);
    if (view == MAP_FAILED)
        return false;
    ::madvise(view, static_cast<size_t>(length), MADV_SEQUENTIAL);
    m_data = static_cast<const unsigned char*>(view);
    m_size = length;
    return true;
}

void CFileMapping::Unmap()
{
    if (m_data)
        ::munmap(const_cast<unsigned char*>(m_data), static_cast<size_t>(m_size));
    m_data = nullptr;
    m_size = 0;
}
