#include "platform/CFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <fcntl.h>
#include <future>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

TEST(CFile, RefusesANamedPipeWithoutWaitingForAWriter)
{
    QTemporaryDir dir;
    const QByteArray fifo = QFile::encodeName(dir.filePath(QStringLiteral("box.mbox")));
    ASSERT_EQ(::mkfifo(fifo.constData(), 0600), 0);

    auto opened = std::async(std::launch::async, [&] {
        CFile file;
        return file.Open(QFile::decodeName(fifo));
    });
    if (opened.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
        // A writer lets the blocked open return, so the failure is reported instead of hanging the suite.
        const int writer = ::open(fifo.constData(), O_WRONLY);
        opened.wait();
        ::close(writer);
        FAIL() << "opening a named pipe waited for a writer";
    }
    EXPECT_FALSE(opened.get());
}
