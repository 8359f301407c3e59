#include "persist/LogFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QDateTime kStart(QDate(2024, 12, 9), QTime(13, 5, 33));

QByteArray Le(const QString& text)
{
    QByteArray bytes;
    for (QChar c : text)
        bytes.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
    return bytes;
}

const QByteArray kSeparator = Le(QString(149, u'*') + "\r\n");

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// One run: opens the log, writes a line with non-ASCII text, an empty line and a raw line.
void LogOneRun(const QString& desktop, const QString& line)
{
    CLogFile log;
    ASSERT_TRUE(log.Open(desktop, kStart));
    log.WriteLine(line);
    log.WriteLine(QString());
    const QByteArray raw = Le("raw");
    log.WriteRaw(raw.constData(), raw.size());
}

TEST(LogFile, FreshRunThenARunInTheSameSecondAppends)
{
    QTemporaryDir desktop;
    const QString path = desktop.path() + "/KavrenOrlandaConv_log_9-12-2024-13-5-33.txt";
    const QString line = QString::fromUtf8("Grüße € ") + QChar(0xD83D) + QChar(0xDE00);
    const QByteArray runBytes = kSeparator + Le(line) + "\r\0\n\0"_qba + "\r\0\n\0"_qba + Le("raw\r\n");

    LogOneRun(desktop.path(), line);
    const QByteArray fresh = ReadAll(path);
    EXPECT_EQ(fresh.left(4), QByteArray("\xFF\xFE*\0", 4));
    EXPECT_EQ(fresh, "\xFF\xFE"_qba + runBytes);

    LogOneRun(desktop.path() + "/", line);
    EXPECT_EQ(ReadAll(path), fresh + runBytes);
}

TEST(LogFile, NameHasNoLeadingZerosAndTheFullYear)
{
    QTemporaryDir desktop;
    CLogFile log;
    ASSERT_TRUE(log.Open(desktop.path(), QDateTime(QDate(2031, 1, 2), QTime(3, 0, 9))));
    EXPECT_EQ(log.Path(), desktop.path() + "/KavrenOrlandaConv_log_2-1-2031-3-0-9.txt");
    EXPECT_TRUE(log.IsOpen());
}

TEST(LogFile, RunsWithoutALogWhenTheFileCannotBeOpened)
{
    QTemporaryDir desktop;
    CLogFile holder;
    ASSERT_TRUE(holder.Open(desktop.path(), kStart));
    const QString cases[] = {QString(), desktop.path() + "/missing-folder", desktop.path()};
    for (const QString& folder : cases) {
        CLogFile log;
        EXPECT_FALSE(log.Open(folder, kStart)) << folder.toStdString();
        EXPECT_FALSE(log.IsOpen());
        log.WriteLine(QStringLiteral("lost"));
        log.WriteRaw("x", 1);
    }
    EXPECT_EQ(ReadAll(holder.Path()), "\xFF\xFE"_qba + kSeparator);
}

} // namespace
