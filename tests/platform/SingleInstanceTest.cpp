#include "platform/SingleInstance.h"

#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

// Starts the holder process and waits until it reports whether it took the lock.
QByteArray StartHolder(QProcess& holder)
{
    holder.start(QStringLiteral(INSTANCE_HOLDER), QStringList());
    if (!holder.waitForStarted(10000) || !holder.waitForReadyRead(10000))
        return QByteArray();
    return holder.readLine().trimmed();
}

enum class HolderEnd { Exits, Killed };

class SingleInstanceTest : public ::testing::TestWithParam<HolderEnd> {};

TEST_P(SingleInstanceTest, RefusedWhileTheFirstRunsAllowedOnceItIsGone)
{
    QProcess holder;
    ASSERT_EQ(StartHolder(holder), "holding");
    {
        const CSingleInstanceGuard second;
        EXPECT_TRUE(second.AlreadyRunning());
    }
    if (GetParam() == HolderEnd::Killed)
        holder.kill();
    else
        holder.closeWriteChannel();
    ASSERT_TRUE(holder.waitForFinished(10000));

    const CSingleInstanceGuard next;
    EXPECT_FALSE(next.AlreadyRunning());
    QProcess third;
    EXPECT_EQ(StartHolder(third), "refused");
    third.closeWriteChannel();
    third.waitForFinished(10000);
}

INSTANTIATE_TEST_SUITE_P(HolderEnds, SingleInstanceTest, ::testing::Values(HolderEnd::Exits, HolderEnd::Killed));

TEST(SingleInstanceGuard, RunsUnguardedWhenTheLockFileCannotBeMade)
{
    const QByteArray saved = qgetenv("TMPDIR");
    qputenv("TMPDIR", "/nonexistent-orlanda-dir/below");
    const CSingleInstanceGuard first;
    const CSingleInstanceGuard second;
    qputenv("TMPDIR", saved);
    EXPECT_FALSE(first.AlreadyRunning());
    EXPECT_FALSE(second.AlreadyRunning());
    EXPECT_FALSE(QFileInfo::exists("/{KAVRENORLANDACONV_EXE}"));
}

} // namespace
