#include "tests/cli/CliRun.h"
#include "tests/support/TempFiles.h"

#include <QFile>
#include <QJsonArray>
#include <gtest/gtest.h>

namespace {

QJsonObject Line(const QString& path, bool opened, const QJsonValue& label, int count, const QList<int>& offsets)
{
    QJsonArray table;
    for (const int offset : offsets)
        table << offset;
    return {{"path", path}, {"isImm", 0}, {"hasAttachments", 0}, {"opened", opened}, {"label", label},
            {"count", count}, {"offsets", table}};
}

TEST(OrlandaCli, ScanPrintsOneLinePerFileAndFailsForAMissingOne)
{
    TempFiles files;
    files.WriteFile("inbox", "From a\nx\nFrom b\ny\n");
    const CliRun run = RunCli({"scan", "inbox", "missing"}, files.Folder());
    EXPECT_EQ(run.status, 1);
    ASSERT_EQ(run.lines.size(), 2);
    EXPECT_EQ(run.lines[0], Line(files.Path("inbox"), true, "inbox(2)", 2, {0, 8, 18}));
    EXPECT_EQ(run.lines[1], Line(files.Path("missing"), false, QJsonValue::Null, 0, {}));
    EXPECT_TRUE(run.err.contains("Processing File: " + files.Path("inbox") + "\n"));
    EXPECT_TRUE(run.err.endsWith("orlanda-cli: a named file could not be opened\n"));

    EXPECT_EQ(RunCli({"scan", "inbox"}, files.Folder()).status, 0);
}

TEST(OrlandaCli, SnapshotSaveAndLoadRoundTripAndADamagedFileFails)
{
    TempFiles files;
    files.WriteFile("inbox", "From a\nx\nFrom b\ny\n");
    files.WriteFile("other", "From c\n");
    ASSERT_EQ(RunCli({"snapshot", "save", "s.ORLANDASNAP", "inbox", "other"}, files.Folder()).status, 0);

    const CliRun loaded = RunCli({"snapshot", "load", "s.ORLANDASNAP"}, files.Folder());
    EXPECT_EQ(loaded.status, 0);
    ASSERT_EQ(loaded.lines.size(), 2);
    EXPECT_EQ(loaded.lines[0], Line(files.Path("inbox"), true, "inbox(2)", 2, {0, 8, 18}));
    EXPECT_EQ(loaded.lines[1], Line(files.Path("other"), true, "other(1)", 1, {0, 7}));

    QFile whole(files.Path("s.ORLANDASNAP"));
    ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
    files.WriteFile("cut.ORLANDASNAP", whole.readAll().chopped(3));
    const CliRun damaged = RunCli({"snapshot", "load", "cut.ORLANDASNAP"}, files.Folder());
    EXPECT_EQ(damaged.status, 1);
    EXPECT_EQ(damaged.lines.size(), 1);
    EXPECT_TRUE(damaged.err.endsWith("orlanda-cli: cut.ORLANDASNAP is damaged\n"));

    EXPECT_EQ(RunCli({"snapshot", "load", "absent"}, files.Folder()).status, 1);
}

TEST(OrlandaCli, UsageErrorsExitWithTwo)
{
    TempFiles files;
    for (const QStringList& args : {QStringList{}, {"bogus"}, {"scan"}, {"snapshot"}, {"snapshot", "save", "out"},
                                    {"snapshot", "load"}, {"export"},
                                    {"export", "--format", "pdf"}}) {
        const CliRun run = RunCli(args, files.Folder());
        EXPECT_EQ(run.status, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains("orlanda-cli: ")) << args.join(' ').toStdString();
    }
}

} // namespace
