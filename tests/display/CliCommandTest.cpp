#include "tests/support/TempFiles.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

struct CliResult {
    int status;
    QList<QByteArray> lines;
};

CliResult RunCli(const QStringList& args)
{
    QProcess cli;
    cli.start(QStringLiteral(ORLANDA_CLI), args);
    EXPECT_TRUE(cli.waitForFinished(60000));
    return {cli.exitCode(), cli.readAllStandardOutput().split('\n')};
}

const QByteArray kMailbox = "From a@x Mon Jan  1 10:00:00 2024\r\nTo: t@x\r\nFrom: f@x\r\nSubject: one\r\n two\r\n"
                            "Date: today\r\n\r\nhi\r\n"
                            "\r\nFrom a@x Mon Jan  1 10:00:00 2024\r\nSubject: two\r\nContent-Type: multipart/mixed; "
                            "boundary=b\r\n\r\n--b\r\nContent-Type: application/pdf; name=r.pdf\r\n\r\nx\r\n--b--\r\n";

TEST(OrlandaCli, ListPrintsOneJsonLinePerRow)
{
    TempFiles files;
    const CliResult result = RunCli({QStringLiteral("list"), files.WriteFile(QStringLiteral("in.mbox"), kMailbox)});
    ASSERT_EQ(result.status, 0);
    EXPECT_EQ(result.lines[0],
        R"({"row":0,"index":0,"name":"in.mbox","to":"t@x","from":"f@x","subject":"one\r\n two","date":"today","attachment":0})");
    const QJsonObject second = QJsonDocument::fromJson(result.lines[1]).object();
    EXPECT_EQ(second.value(QStringLiteral("subject")).toString(), QStringLiteral("two"));
    EXPECT_EQ(second.value(QStringLiteral("attachment")).toInt(), 1);
    EXPECT_EQ(RunCli({QStringLiteral("list")}).status, 2);
}

TEST(OrlandaCli, PreviewCopiesThePreviewFileAndPrintsItsTexts)
{
    TempFiles files;
    const QString mailbox = files.WriteFile(QStringLiteral("in.mbox"), kMailbox);
    const QString out = files.Path(QStringLiteral("out.mht"));
    const CliResult result = RunCli({QStringLiteral("preview"), mailbox, QStringLiteral("1"), QStringLiteral("--out"), out});
    ASSERT_EQ(result.status, 0);
    // No text part: the forced HTML line replaces the multipart one, so the pane lists no parts.
    EXPECT_EQ(result.lines[0], R"({"subject":"two","from":"","to":"","date":"","attachments":[]})");
    QFile file(out);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("From a@x Mon Jan  1 10:00:00 2024\r\nSubject: two\r\nContent-Type: text/html;"));
    EXPECT_EQ(RunCli({QStringLiteral("preview"), mailbox, QStringLiteral("2"), QStringLiteral("--out"), out}).status, 2);
}

} // namespace
