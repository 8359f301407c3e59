#include "scan/ScanJob.h"
#include "scan/ScannedFiles.h"
#include "scan/StatusTime.h"
#include "tests/support/RecordingFrame.h"
#include "tests/support/TempFiles.h"

#include <QDir>
#include <QRegularExpression>
#include <future>
#include <gtest/gtest.h>

namespace {

const QString kDone = "Scanning process completed for selected file, click on folder to see recovered email items.";

struct Job {
    CAppMembers app;
    CFrameMembers frame;
    RecordingFrame ui;
    JobContext ctx{app, frame, ui};
    TempFiles files;

    void Run(const QStringList& paths)
    {
        ASSERT_TRUE(BeginOpenCommand(ctx));
        app.m_vecMboxFiles = paths;
        app.m_strTempPath = files.Folder();
        StartScanFiles(ctx);
        frame.m_worker.Join();
    }
    RecordingFrame::TreeItem FileItem(size_t i) const { return ui.Item(ui.Children(kNoTreeItem).at(i)); }
    std::vector<HTreeItem> FolderItems(size_t i) const { return ui.Children(ui.Children(kNoTreeItem).at(i)); }
};

TEST(ScanJob, OneFileRunLogsTreeAndEntry)
{
    Job job;
    const QString path = job.files.WriteFile("inbox", "From a\nx\nFrom b\ny\nFrom c\nz\n");
    job.Run({path});

    const QStringList lines = job.ui.OutputLines();
    ASSERT_EQ(lines.size(), 5);
    EXPECT_TRUE(QRegularExpression(R"(^Kavren MBOX to PST Conversion process starts\.  )"
                                   R"([A-Z][a-z]{2}-\d\d-\d{4}\(\d\d-\d\d-\d\d-(AM|PM)\)$)")
                    .match(lines[0]).hasMatch()) << lines[0].toStdString();
    EXPECT_EQ(lines.mid(1), QStringList({path + " File is selected for conversion....", "Processing File: " + path,
                                         "Total number of emails found: (3)", kDone}));
    EXPECT_EQ(job.ui.Calls().last(), "MessageBox " + kDone);
    EXPECT_TRUE(job.ui.Calls().contains("SetCaptionText " + path));

    const auto file = job.FileItem(0);
    EXPECT_EQ(file.text, path);
    EXPECT_EQ(file.image, 1);
    EXPECT_EQ(file.data, 1);
    EXPECT_TRUE(file.checked && file.expanded);
    ASSERT_EQ(job.FolderItems(0).size(), 1u);
    const auto folder = job.ui.Item(job.FolderItems(0)[0]);
    EXPECT_EQ(folder.text, "inbox(3)");
    EXPECT_EQ(folder.image, 0);
    EXPECT_EQ(folder.data, 1);
    EXPECT_TRUE(folder.checked);

    ASSERT_EQ(job.frame.m_vecScannedFiles.size(), 1u);
    EXPECT_EQ(job.frame.m_vecScannedFiles[0].pScanner->m_offsets, MessageOffsetTable({0, 8, 17, 27}));
    EXPECT_EQ(job.app.g_bProcessRunning, 0);
    EXPECT_TRUE(job.app.m_vecMboxFiles.isEmpty());
    EXPECT_EQ(job.app.m_strCurrentFile, path);
}

TEST(ScanJob, StopDuringTheFirstOfTwoFilesKeepsItsMessagesAndSkipsTheSecond)
{
    Job job;
    QByteArray big;
    for (int i = 0; i < 60000; ++i)
        big += "From someone\nSubject: s\n\nbody line\n";
    const QString first = job.files.WriteFile("big", big);
    const QString second = job.files.WriteFile("small", "From a\n");
    job.ui.QueueAnswer(true);
    bool stopped = false;
    job.ui.onCall = [&](const QString& call) {
        if (call == "ProgressPos 1" && !stopped) {
            stopped = true;
            OnStopCommand(job.ctx);
        }
    };
    job.Run({first, second});

    EXPECT_EQ(job.ui.CallsStartingWith("AskYesNo "), QStringList{"AskYesNo Are you sure to stop the running process?"});
    ASSERT_EQ(job.frame.m_vecScannedFiles.size(), 1u);
    const MessageOffsetTable& offsets = job.frame.m_vecScannedFiles[0].pScanner->m_offsets;
    ASSERT_GT(offsets.size(), 1u);
    EXPECT_LT(offsets.back(), uint64_t(big.size()));
    EXPECT_EQ(job.ui.Item(job.FolderItems(0).at(0)).text, QStringLiteral("big(%1)").arg(offsets.size() - 1));
    EXPECT_EQ(job.ui.Children(kNoTreeItem).size(), 1u);
    EXPECT_EQ(job.ui.OutputLines().last(), kDone);
    EXPECT_EQ(job.ui.Calls().last(), "MessageBox " + kDone);
}

TEST(ScanJob, ClassifiesFilesAndKeepsOnesThatCannotBeOpened)
{
    Job job;
    const QString missing = job.files.Path("gone.mbox");
    const QString imm = job.files.WriteFile("box/a.imm", "MIME-Version: 1.0\nTo: a\n\nx\nMIME-Version: 1.0\nTo: b\n");
    QDir().mkpath(job.files.Path("box/Attachments"));
    const QString plainImm = job.files.WriteFile("b.imm", "MIME-Version: 1.0\nTo: a\n");
    const QString upper = job.files.WriteFile("c.IMM", "From a\nFrom b\n");
    job.Run({missing, imm, plainImm, upper});

    EXPECT_TRUE(job.FolderItems(0).empty());
    EXPECT_FALSE(job.ui.OutputLines().contains("Processing File: " + missing));
    const auto& entries = job.frame.m_vecScannedFiles;
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_TRUE(entries[0].pScanner->m_offsets.empty());
    EXPECT_TRUE(entries[1].bIsImm && entries[1].bHasAttachments);
    EXPECT_EQ(entries[1].pScanner->m_strAttachmentsFolder, job.files.Path("box/Attachments/"));
    EXPECT_EQ(job.ui.Item(job.FolderItems(1).at(0)).text, "a.imm(2)");
    EXPECT_TRUE(entries[2].bIsImm && !entries[2].bHasAttachments);
    EXPECT_FALSE(entries[3].bIsImm);
    EXPECT_EQ(job.ui.Item(job.FolderItems(3).at(0)).text, "c.IMM(2)");
    EXPECT_EQ(job.FileItem(3).data, 4);
}

TEST(ScanJob, OpenIsRefusedWhileAJobRunsOrItsWorkerIsFinishing)
{
    Job job;
    const QString path = job.files.WriteFile("inbox", "From a\n");
    job.Run({path});
    const QString refusal = "MessageBox Please stop the running process to continue the process.";

    job.app.g_bProcessRunning = 1;
    EXPECT_FALSE(BeginOpenCommand(job.ctx));
    EXPECT_EQ(job.ui.Calls().last(), refusal);
    job.app.g_bProcessRunning = 0;

    ASSERT_TRUE(BeginOpenCommand(job.ctx));
    CancelOpenCommand(job.ctx);
    EXPECT_EQ(job.app.g_bProcessRunning, 0);
    EXPECT_EQ(job.frame.m_vecScannedFiles.size(), 1u);

    // The worker is held in its completion box with the flag already cleared.
    std::promise<void> release;
    std::promise<void> holding;
    job.ui.onCall = [&](const QString& call) {
        if (call == "MessageBox " + kDone) {
            holding.set_value();
            release.get_future().wait();
        }
    };
    ASSERT_TRUE(BeginOpenCommand(job.ctx));
    job.app.m_vecMboxFiles = {path};
    StartScanFiles(job.ctx);
    holding.get_future().wait();
    EXPECT_EQ(job.app.g_bProcessRunning, 0);
    EXPECT_FALSE(BeginOpenCommand(job.ctx));
    release.set_value();
    job.frame.m_worker.Join();
    EXPECT_EQ(job.frame.m_vecScannedFiles.size(), 1u);
    EXPECT_TRUE(BeginOpenCommand(job.ctx));
}

TEST(ScanJob, StopWithoutARunningJobAsksNothing)
{
    Job job;
    OnStopCommand(job.ctx);
    EXPECT_TRUE(job.ui.Calls().isEmpty());
}

TEST(StatusTime, FormatsTwelveHourTimeWithEnglishMonth)
{
    EXPECT_EQ(StatusTimeText(QDateTime(QDate(2024, 12, 9), QTime(13, 5, 33))), "Dec-09-2024(01-05-33-PM)");
}

} // namespace
