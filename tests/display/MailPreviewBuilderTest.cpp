#include "display/MailPreviewBuilder.h"
#include "tests/display/DisplayFixture.h"

#include <gtest/gtest.h>

namespace {

const QByteArray kSeparator = "From sender@example.org Mon Jan  1 10:00:00 2024";
const QByteArray kHtmlLine = "Content-Type: text/html; charset=\"ISO-8859-1\"";

TEST(MailPreviewBuilder, WritesTheEmailWithoutItsLeadingLineBreak)
{
    const QByteArray second = "Subject: Two\nFrom: b@x\nTo: c@x\nDate: today\n\nline\n";
    for (const QByteArray& eol : {QByteArray("\n"), QByteArray("\r\n"), QByteArray("\r")}) {
        DisplayFixture f;
        QByteArray email = kSeparator + eol + second;
        email.replace("\n", eol);
        f.AddMailbox(QStringLiteral("in.mbox"), kSeparator + "\nSubject: One\n\nx\n" + eol + email);
        // LF and CR-only files are not rewritten: the summary reads a CR LF copy, the file keeps the bytes.
        EXPECT_EQ(f.Preview(1), email) << eol.toHex().toStdString();
        EXPECT_EQ(f.ui.CallsStartingWith(QStringLiteral("SetPreviewHeaders")),
            QStringList{QStringLiteral("SetPreviewHeaders Two|b@x|c@x|today")});
    }
}

TEST(MailPreviewBuilder, KeepsEveryByteOfAnEmailWithAZeroByte)
{
    DisplayFixture f;
    const QByteArray email = kSeparator + QByteArray("\0", 1) + "\nSubject: z\n\nend\n";
    f.AddMailbox(QStringLiteral("nul.mbox"), email);
    EXPECT_EQ(f.Preview(0), email);
}

TEST(MailPreviewBuilder, ShowsTheBlankPageThenThePreviewFile)
{
    DisplayFixture f;
    f.AddMailbox(QStringLiteral("in.mbox"), kSeparator + "\nSubject: One\n\nx\n");
    f.Preview(0);
    QStringList calls = f.ui.Calls();
    calls = calls.mid(calls.lastIndexOf(QStringLiteral("ClearPreview")));
    ASSERT_EQ(calls.size(), 7);
    EXPECT_TRUE(calls[1].startsWith(QStringLiteral("NavigatePreview ")) && calls[1].endsWith(QStringLiteral(".html")));
    EXPECT_EQ(calls.mid(2, 3), (QStringList{QStringLiteral("ShowPane 1"), QStringLiteral("RepaintPreview"),
                                   QStringLiteral("SetPreviewHeaders One|||")}));
    EXPECT_EQ(calls[5], QStringLiteral("NavigatePreview ") + f.frame.m_strPreviewFile);
    EXPECT_EQ(calls[6], QStringLiteral("RepaintPreview"));
}

TEST(MailPreviewBuilder, IndexOutsideTheTableLeavesTheBlankPage)
{
    DisplayFixture f;
    f.AddMailbox(QStringLiteral("in.mbox"), kSeparator + "\nSubject: One\n\nx\n");
    f.ListFolder();
    ASSERT_TRUE(OnShowMailPreview(f.ctx, 7));
    EXPECT_EQ(ShowMailPreviewThread(f.ctx), 1);
    EXPECT_EQ(f.app.g_bProcessRunning.load(), 0);
    EXPECT_TRUE(f.frame.m_strPreviewFile.endsWith(QStringLiteral(".html")));
}

TEST(MailPreviewBuilder, ListsNamedNonTextPartsAndLeavesTextEmailsUnchanged)
{
    DisplayFixture f;
    const QByteArray email = kSeparator + "\r\nSubject: Parts\r\nContent-Type: multipart/mixed; boundary=b\r\n\r\n"
        "--b\r\nContent-Type: text/plain; name=notes.txt\r\n\r\nhi\r\n"
        "--b\r\nContent-Type: application/pdf; name=\"a.pdf\"\r\nContent-Transfer-Encoding: base64\r\n\r\nQUJD\r\n"
        "--b\r\nContent-Type: application/msword; name=b.doc\r\n\r\nx\r\n--b--\r\n";
    f.AddMailbox(QStringLiteral("in.mbox"), email);
    EXPECT_EQ(f.Preview(0), email);
    EXPECT_EQ(f.ui.CallsStartingWith(QStringLiteral("AppendAttachmentRows")),
        QStringList{QStringLiteral("AppendAttachmentRows a.pdf|b.doc")});
}

TEST(MailPreviewBuilder, ForcesHtmlWhenNoTextTypeIsNamed)
{
    DisplayFixture f;
    const QByteArray head = kSeparator + "\r\nSubject: Pdf\r\n";
    const QByteArray body = "\r\n\r\n--b\r\nContent-Type: application/pdf\r\nContent-Disposition: attachment; "
                            "filename=r.pdf\r\n\r\nx\r\n--b\r\nContent-Type: image/png; name=p.png\r\n\r\ny\r\n--b--\r\n";
    f.AddMailbox(QStringLiteral("in.mbox"), head + "Content-Type: multipart/mixed; boundary=b" + body);
    // The message's own line is replaced and ends in LF alone; so the parts are no longer split and no row shows.
    EXPECT_EQ(f.Preview(0), head + kHtmlLine + body.mid(1));
    EXPECT_TRUE(f.ui.CallsStartingWith(QStringLiteral("AppendAttachmentRows")).isEmpty());
}

TEST(MailPreviewBuilder, ImmEmailsKeepTheirBytesAndListMarkerFiles)
{
    DisplayFixture f;
    const QByteArray imm = "MIME-Version: 1.0\r\nSubject: Imm\r\nContent-Type: application/x-imm\r\n\r\n"
                           "[%ImFilePath%]--C:\\Mail\\Attachments\\a.pdf\r\n[%ImFilePath%]b.txt\r\n";
    f.AddMailbox(QStringLiteral("box.imm"), imm);
    EXPECT_EQ(f.Preview(0), imm);
    EXPECT_EQ(f.ui.CallsStartingWith(QStringLiteral("AppendAttachmentRows")),
        QStringList{QStringLiteral("AppendAttachmentRows a.pdf|b.txt")});
    EXPECT_TRUE(f.frame.m_pCurScanner.load()->m_vecImmAttachments.isEmpty());
}

TEST(MailPreviewBuilder, RefusesWhileAJobRuns)
{
    DisplayFixture f;
    f.app.g_bProcessRunning.store(1);
    EXPECT_FALSE(OnShowMailPreview(f.ctx, 0));
    EXPECT_EQ(f.ui.Calls(), QStringList{QStringLiteral("MessageBox Please stop the running process to continue the process.")});
}

} // namespace
