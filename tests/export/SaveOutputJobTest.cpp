#include "export/ExportFolderCheck.h"
#include "export/SaveOutputJob.h"
#include "tests/export/ExportFixture.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

QByteArray Email(const QByteArray& subject, const QByteArray& extra = QByteArray())
{
    return "From: Ann <ann@example.com>\nTo: bob@example.com\nSubject: " + subject
        + "\nDate: Tue, 2 Jan 2024 10:00:00 +0000\n" + extra + "\nbody\n";
}

const QByteArray kWithAttachment = Email("with attachment",
    "MIME-Version: 1.0\nContent-Type: multipart/mixed; boundary=\"b\"\n\n--b\nContent-Type: text/plain\n\nhi\n"
    "--b\nContent-Type: application/pdf; name=\"report, final.pdf\"\nContent-Transfer-Encoding: base64\n\nAAAA\n--b--\n");

std::optional<ExportOptions> Cancelled() { return std::nullopt; }

} // namespace

TEST(SaveOutput, RefusesWhenBusyOrNothingIsCheckedAndLeavesTheFlag)
{
    ExportFixture fixture;
    auto mustNotAsk = []() -> std::optional<ExportOptions> {
        ADD_FAILURE() << "dialog shown";
        return std::nullopt;
    };
    EXPECT_FALSE(OnSaveOutput(fixture.ctx, mustNotAsk));
    fixture.AddMailbox(QStringLiteral("box.mbox"), Mbox({Email("a")}, "\n"));
    for (const HTreeItem item : {HTreeItem(1), HTreeItem(2)})
        fixture.ui.TreeSetCheck(item, false);
    EXPECT_FALSE(OnSaveOutput(fixture.ctx, mustNotAsk));
    fixture.app.g_bProcessRunning = 1;
    EXPECT_FALSE(OnSaveOutput(fixture.ctx, mustNotAsk));
    EXPECT_EQ(fixture.ui.CallsStartingWith(QStringLiteral("MessageBox ")),
              QStringList({QStringLiteral("MessageBox Please select file to recover data."),
                           QStringLiteral("MessageBox Please select file to recover data."),
                           QStringLiteral("MessageBox Please stop the running process to continue the process.")}));

    fixture.app.g_bProcessRunning = 0;
    fixture.ui.TreeSetCheck(1, true);
    EXPECT_FALSE(OnSaveOutput(fixture.ctx, Cancelled));
    EXPECT_EQ(fixture.app.g_bProcessRunning, 0);
    EXPECT_TRUE(fixture.Files().isEmpty());
}

TEST(SaveOutput, HierarchyWritesAFolderAndAnIndexPerCheckedFile)
{
    ExportFixture fixture;
    fixture.AddMailbox(QStringLiteral("a/inbox.mbox"), Mbox({Email("Hello, \"quoted\" =1+1"), kWithAttachment}, "\n"));
    fixture.AddMailbox(QStringLiteral("b/skipped.mbox"), Mbox({Email("not checked")}, "\n"));
    fixture.AddMailbox(QStringLiteral("c/inbox.mbox"), Mbox({Email("=?UTF-8?B?R3LDvMOfZQ==?=")}, "\r\n"));
    fixture.ui.TreeSetCheck(3, false); // file 2's file item
    fixture.ui.TreeSetCheck(4, false); // and its folder item

    EXPECT_EQ(fixture.Save(ExportFormat::Eml, true), 3);
    EXPECT_EQ(fixture.app.g_bProcessRunning, 0);
    EXPECT_EQ(fixture.Files(), QStringList({QStringLiteral("inbox.mbox"), QStringLiteral("inbox.mbox (2)")}));

    const QList<QStringList> first = ParseCsv(fixture.outFolder + QStringLiteral("/inbox.mbox/index.csv"));
    ASSERT_EQ(first.size(), 3);
    EXPECT_EQ(first[0], QStringList({QStringLiteral("File"), QStringLiteral("Date"), QStringLiteral("From"),
                                     QStringLiteral("To"), QStringLiteral("Subject"), QStringLiteral("Attachments")}));
    EXPECT_EQ(first[1][4], QStringLiteral("Hello, \"quoted\" =1+1"));
    EXPECT_EQ(first[1][2], QStringLiteral("Ann <ann@example.com>"));
    EXPECT_EQ(first[2][5], QStringLiteral("report, final.pdf"));
    for (const QStringList& row : first.mid(1))
        EXPECT_TRUE(fixture.Files(QStringLiteral("inbox.mbox")).contains(row[0])) << row[0].toStdString();

    const QList<QStringList> second = ParseCsv(fixture.outFolder + QStringLiteral("/inbox.mbox (2)/index.csv"));
    ASSERT_EQ(second.size(), 2);
    EXPECT_EQ(second[1][4], QStringLiteral("Gr\u00FC\u00DFe"));
    EXPECT_EQ(second[1][0], QStringLiteral("00001 2024-01-02 Gr\u00FC\u00DFe.eml"));

    const QStringList lines = fixture.ui.OutputLines();
    EXPECT_EQ(lines.first(), QStringLiteral("Saving emails of inbox.mbox."));
    EXPECT_EQ(lines.last(), QStringLiteral("3 emails have been saved to %1.").arg(fixture.outFolder));
    EXPECT_EQ(fixture.ui.CallsStartingWith(QStringLiteral("MessageBox ")).last(), QStringLiteral("MessageBox ") + lines.last());
    EXPECT_EQ(fixture.ui.CallsStartingWith(QStringLiteral("SetCaptionText ")).last(),
              QStringLiteral("SetCaptionText inbox.mbox [1 / 1]"));
}

TEST(SaveOutput, StopEndsTheExportBetweenEmails)
{
    ExportFixture fixture;
    fixture.AddMailbox(QStringLiteral("box.mbox"), Mbox({Email("1"), Email("2"), Email("3")}, "\n"));
    fixture.AddMailbox(QStringLiteral("more.mbox"), Mbox({Email("4")}, "\n"));
    fixture.ui.onCall = [&](const QString& call) {
        if (call == QStringLiteral("ProgressPos 1"))
            fixture.app.g_bProcessRunning = 0; // what a confirmed Stop does
    };
    EXPECT_EQ(fixture.Save(ExportFormat::Eml), 1);
    EXPECT_EQ(fixture.Files().filter(QStringLiteral(".eml")).size(), 1);
    EXPECT_EQ(ParseCsv(fixture.outFolder + QStringLiteral("/index.csv")).size(), 2);
    EXPECT_TRUE(fixture.ui.OutputLines().contains(QStringLiteral("Saving has been stopped.")));
    EXPECT_FALSE(fixture.ui.OutputLines().contains(QStringLiteral("Saving emails of more.mbox.")));
}

TEST(SaveOutput, AnEmailThatCannotBeWrittenIsReportedAndTheExportGoesOn)
{
    ExportFixture fixture;
    fixture.AddMailbox(QStringLiteral("box.mbox"), Mbox({Email("1"), Email("2")}, "\n"));
    // No PDF printer: every email fails on its own.
    EXPECT_EQ(fixture.Save(ExportFormat::Pdf), 0);
    const QStringList lines = fixture.ui.OutputLines();
    EXPECT_TRUE(lines.contains(QStringLiteral("Could not save email 1 of box.mbox.")));
    EXPECT_TRUE(lines.contains(QStringLiteral("Could not save email 2 of box.mbox.")));
    EXPECT_EQ(fixture.Files(), QStringList({QStringLiteral("index.csv")}));
    EXPECT_EQ(fixture.app.g_bProcessRunning, 0);
}

TEST(SaveOutput, FolderCheck)
{
    ExportFixture fixture;
    EXPECT_EQ(ExportFolderProblem(fixture.outFolder), QString());
    EXPECT_TRUE(QDir(fixture.outFolder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty());
    EXPECT_FALSE(ExportFolderProblem(QString()).isEmpty());
    EXPECT_FALSE(ExportFolderProblem(fixture.outFolder + QStringLiteral("/missing")).isEmpty());
    EXPECT_FALSE(ExportFolderProblem(fixture.files.WriteFile(QStringLiteral("plain"), "x")).isEmpty());
    EXPECT_FALSE(ExportFolderProblem(QStringLiteral("/proc/self")).isEmpty());
}
