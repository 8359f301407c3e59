#include "platform/SingleInstance.h"

#include "platform/TempFolder.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

CSingleInstanceGuard::CSingleInstanceGuard()
{
    const QString path = SystemTempPath() + QStringLiteral("/{KAVRENORLANDACONV_EXE}");
    do {
        m_fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666);
    } while (m_fd < 0 && errno == EINTR);
    if (m_fd < 0)
        return;
    int result;
    do {
        result = ::flock(m_fd, LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    if (result == 0)
        return;
    m_bAlreadyRunning = (errno == EWOULDBLOCK);
    ::close(m_fd);
    m_fd = -1;
}

CSingleInstanceGuard::~CSingleInstanceGuard()
{
    if (m_fd >= 0)
        ::close(m_fd);
}
