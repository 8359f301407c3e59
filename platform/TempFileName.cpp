#include "platform/TempFileName.h"

#include <QFile>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <unistd.h>

namespace {

// Numbers are 1..0xFFFF like the classic call; the start moves on per call so that names are rarely taken.
constexpr unsigned kNumberCount = 0xFFFF;

unsigned NextStart()
{
    static std::atomic<unsigned> counter{static_cast<unsigned>(
        std::chrono::steady_clock::now().time_since_epoch().count() ^ (static_cast<unsigned>(::getpid()) << 8))};
    return counter.fetch_add(1, std::memory_order_relaxed);
}

} // namespace

QString GetTempFileName(const QString& folder, const QString& prefix)
{
    const QString dir = folder.endsWith(u'/') ? folder : folder + u'/';
    const unsigned start = NextStart();
    for (unsigned i = 0; i < kNumberCount; ++i) {
        const unsigned number = (start + i) % kNumberCount + 1;
        const QString path = dir + prefix + QString::number(number, 16).toUpper() + QStringLiteral(".tmp");
        int fd;
        do {
            fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        } while (fd < 0 && errno == EINTR);
        if (fd >= 0) {
            ::close(fd);
            return path;
        }
        if (errno != EEXIST)
            return QString();
    }
    return QString();
}
