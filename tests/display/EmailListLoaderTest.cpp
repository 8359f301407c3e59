#include "display/EmailListLoader.h"
#include "tests/display/DisplayFixture.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

const QStringList kTwoEmails = {
    QStringLiteral("To: Ann <ann@x>\nFrom: Bob <bob@x>\nSubject: Hello\nDate: Mon, 1 Jan 2024 10:00:00 +0000\n\nHi\n"),
    QStringLiteral("From: Cy\nSubject: =?UTF-8?B?R3LDvMOfZQ==?=\nTo: =?ISO-8859-1?Q?J=F6rg?=\n\nBody\n"),
};

TEST(EmailListLoader, ListsMailboxesWithEveryKindOfLineEnd)
{
    for (const QByteArray& eol : {QByteArray("\n"), QByteArray("\r\n"), QByteArray("\r")}) {
        DisplayFixture f;
        f.AddMailbox(QStringLiteral("inbox.mbox"), Mbox(kTwoEmails, eol));
        EXPECT_EQ(f.ListFolder(), 1);
        const std::vector<EmailRow> rows = f.ui.Rows();
        ASSERT_EQ(rows.size(), 2u) << eol.toHex().toStdString();
        EXPECT_EQ(rows[0].strName, QStringLiteral("inbox.mbox"));
        EXPECT_EQ(rows[0].strTo, QStringLiteral("Ann <ann@x>"));
        EXPECT_EQ(rows[0].strFrom, QStringLiteral("Bob <bob@x>"));
        EXPECT_EQ(rows[0].strSubject, QStringLiteral("Hello"));
        EXPECT_EQ(rows[0].strDate, QStringLiteral("Mon, 1 Jan 2024 10:00:00 +0000"));
        EXPECT_EQ(rows[1].strSubject, QStringLiteral(u"Grüße"));
        EXPECT_EQ(rows[1].strTo, QStringLiteral(u"Jörg"));
        EXPECT_EQ(rows[1].nItemData, 1);
        EXPECT_EQ(f.app.g_bProcessRunning.load(), 0);
    }
}

TEST(EmailListLoader, ShowsStatusLinesCaptionsAndTheClosingBox)
{
    DisplayFixture f;
    QStringList emails;
    for (int i = 0; i < 5; ++i)
        emails.append(QStringLiteral("Subject: %1\n\nx\n").arg(i));
    f.AddMailbox(QStringLiteral("five.mbox"), Mbox(emails, "\n"));
    f.ListFolder();
    EXPECT_EQ(f.ui.OutputLines(),
        (QStringList{QStringLiteral("Please wait while five.mbox folder is scanning...."),
            QStringLiteral("Displaying email items."), QStringLiteral("Click on emails items to see preview.")}));
    // The first row goes at once, the rest in one batch.
    EXPECT_EQ(f.Captions(),
        (QStringList{QStringLiteral("five.mbox"), QStringLiteral("five.mbox [0 / 5]"), QStringLiteral("five.mbox [4 / 5]"),
            QStringLiteral("five.mbox [5]")}));
    const QStringList calls = f.ui.Calls();
    EXPECT_TRUE(calls.contains(QStringLiteral("ProgressRange 0 5")));
    EXPECT_TRUE(calls.contains(QStringLiteral("ListEnsureVisible 4")));
    EXPECT_EQ(calls.last(), QStringLiteral("ShowProgressBar 0"));
    EXPECT_EQ(f.ui.CallsStartingWith(QStringLiteral("MessageBox ")),
        QStringList{QStringLiteral("MessageBox Click on emails items to see preview.")});
    EXPECT_EQ(f.ui.CallsStartingWith(QStringLiteral("NavigatePreview ")).size(), 1);
    EXPECT_TRUE(f.frame.m_strPreviewFile.endsWith(QStringLiteral(".html")));
}

TEST(EmailListLoader, EmptyMailboxEndsWithoutRowsOrBox)
{
    DisplayFixture f;
    f.AddMailbox(QStringLiteral("empty.mbox"), QByteArray());
    EXPECT_EQ(f.ListFolder(), 1);
    EXPECT_TRUE(f.ui.Rows().empty());
    EXPECT_TRUE(f.ui.CallsStartingWith(QStringLiteral("MessageBox")).isEmpty());
    EXPECT_EQ(f.ui.CallsStartingWith(QStringLiteral("ShowProgressBar")),
        (QStringList{QStringLiteral("ShowProgressBar 1"), QStringLiteral("ShowProgressBar 0")}));
}

TEST(EmailListLoader, StopKeepsTheRowsAddedSoFar)
{
    DisplayFixture f;
    QStringList emails;
    for (int i = 0; i < 50; ++i)
        emails.append(QStringLiteral("Subject: %1\n\nx\n").arg(i));
    f.AddMailbox(QStringLiteral("big.mbox"), Mbox(emails, "\n"));
    f.ui.onCall = [&f](const QString& call) {
        if (call.startsWith(QStringLiteral("ListAppendRows")))
            f.app.g_bProcessRunning.store(0);
    };
    EXPECT_EQ(f.ListFolder(), 1);
    EXPECT_EQ(f.ui.Rows().size(), 1u);
    EXPECT_EQ(f.Captions().last(), QStringLiteral("big.mbox [1]"));
    EXPECT_EQ(f.ui.CallsStartingWith(QStringLiteral("MessageBox ")).size(), 1);
}

TEST(EmailListLoader, RefusesWhileAJobRunsAndIgnoresFileItems)
{
    DisplayFixture f;
    f.AddMailbox(QStringLiteral("inbox.mbox"), Mbox(kTwoEmails, "\n"));
    f.app.g_bProcessRunning.store(1);
    EXPECT_FALSE(OnShowFolderMails(f.ctx, f.folderItem));
    EXPECT_EQ(f.ui.Calls().mid(f.ui.Calls().size() - 2),
        (QStringList{QStringLiteral("TreeReselectItem %1").arg(f.folderItem),
            QStringLiteral("MessageBox Please stop the running process to continue the process.")}));

    f.app.g_bProcessRunning.store(0);
    const HTreeItem fileItem = f.ui.TreeGetParent(f.folderItem);
    ASSERT_TRUE(OnShowFolderMails(f.ctx, fileItem));
    EXPECT_EQ(ShowFolderMailsThread(f.ctx), 0);
    EXPECT_EQ(f.app.g_bProcessRunning.load(), 0);
    EXPECT_TRUE(f.ui.CallsStartingWith(QStringLiteral("ListDeleteAll")).isEmpty());
}

TEST(EmailListLoader, EmptiesTheTempFolderBeforeListing)
{
    DisplayFixture f;
    f.AddMailbox(QStringLiteral("inbox.mbox"), Mbox(kTwoEmails, "\n"));
    const QString temp = f.files.Folder() + QStringLiteral("/KavrenOrlandaCon/");
    QDir().mkpath(temp + QStringLiteral("old"));
    f.files.WriteFile(QStringLiteral("KavrenOrlandaCon/Tmp1.mht"), "x");
    f.ListFolder();
    // Only the new blank page is left: no scratch files stay behind.
    const QStringList left = QDir(temp).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    ASSERT_EQ(left.size(), 1);
    EXPECT_TRUE(left[0].endsWith(QStringLiteral(".html")));
}

TEST(EmailListLoader, ImmEmailsTakeRawLinesAndMarkerAttachments)
{
    DisplayFixture f;
    const QByteArray imm =
        "MIME-Version: 1.0\r\nSubject: First\r\n\r\nFrom: raw sender\r\n[%ImFilePath%]C:\\a\\one.pdf\r\n"
        "[%ImFilePath%]C:\\a\\two.doc\r\n"
        "\nMIME-Version: 1.0\r\nSubject: Second\r\nTo: t@x\r\nFrom: f@x\r\n\r\nplain\r\n";
    f.AddMailbox(QStringLiteral("box.imm"), imm);
    f.ListFolder();
    const std::vector<EmailRow> rows = f.ui.Rows();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].strFrom, QStringLiteral(" raw sender\r"));
    EXPECT_EQ(rows[0].strSubject, QStringLiteral("First"));
    EXPECT_TRUE(rows[0].bHasAttachment);
    EXPECT_EQ(rows[1].strFrom, QStringLiteral("f@x"));
    EXPECT_FALSE(rows[1].bHasAttachment);
    EXPECT_TRUE(f.frame.m_bCurIsImm);
    EXPECT_TRUE(f.frame.m_pCurScanner.load()->m_vecImmAttachments.isEmpty());
}

TEST(EmailListLoader, MarksAttachmentsOnlyFromNamedParts)
{
    DisplayFixture f;
    const QString multipart = QStringLiteral(
        "Subject: %1\nContent-Type: multipart/mixed; boundary=b\n\n--b\nContent-Type: text/plain\n\nx\n--b\n%2\n\n"
        "QUJD\n--b--\n");
    f.AddMailbox(QStringLiteral("parts.mbox"),
        Mbox({multipart.arg(QStringLiteral("named"),
                  QStringLiteral("Content-Type: application/pdf; name=\"r.pdf\"\nContent-Transfer-Encoding: base64")),
                 multipart.arg(QStringLiteral("filename"),
                     QStringLiteral("Content-Type: application/pdf\nContent-Disposition: attachment; filename=r.pdf")),
                 multipart.arg(QStringLiteral("unnamed"),
                     QStringLiteral("Content-Type: application/pdf\nContent-Disposition: attachment"))},
            "\n"));
    f.ListFolder();
    const std::vector<EmailRow> rows = f.ui.Rows();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_TRUE(rows[0].bHasAttachment);
    EXPECT_TRUE(rows[1].bHasAttachment);
    EXPECT_FALSE(rows[2].bHasAttachment);
}

TEST(EmailListLoader, FoldedHeadersKeepTheirLineBreak)
{
    DisplayFixture f;
    f.AddMailbox(QStringLiteral("fold.mbox"), Mbox({QStringLiteral("Subject: one\n two\n\nx\n")}, "\n"));
    f.ListFolder();
    ASSERT_EQ(f.ui.Rows().size(), 1u);
    EXPECT_EQ(f.ui.Rows()[0].strSubject, QStringLiteral("one\r\n two"));
}

} // namespace
