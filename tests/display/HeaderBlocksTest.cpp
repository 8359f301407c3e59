#include "display/EmailSummary.h"
#include "display/HeaderBlocks.h"

#include <gtest/gtest.h>

namespace {

// Literal bytes, zero bytes included.
template <size_t N>
QByteArray Bytes(const char (&text)[N])
{
    return QByteArray(text, N - 1);
}

void ExpectSameSummary(const QByteArray& raw, const std::string& label)
{
    QByteArray whole = raw;
    const EmailSummary expected = ReadEmailSummary(whole, false, {});
    QByteArray scratch;
    const EmailSummary fast = ReadMboxEmailSummary(raw, scratch);
    EXPECT_EQ(fast.strTo, expected.strTo) << label;
    EXPECT_EQ(fast.strFrom, expected.strFrom) << label;
    EXPECT_EQ(fast.strSubject, expected.strSubject) << label;
    EXPECT_EQ(fast.strDate, expected.strDate) << label;
    EXPECT_EQ(fast.bHasAttachment, expected.bHasAttachment) << label;
}

// Each email in LF form; every one is also tried with CR LF and CR-only line ends.
const QByteArray kEmails[] = {
    "\nFrom a@x Mon Jan  1 10:00:00 2024\nFrom: A <a@x>\nTo: b@x\nSubject: plain\nDate: today\n\n-- \nsig\n",
    // Preamble, dashed content lines, an attachment after a text part, an epilogue.
    "From: a@x\nSubject: mixed\nContent-Type: multipart/mixed; boundary=\"b\"\n\npreamble\n--not-b\n"
    "--b\nContent-Type: text/plain\n\n- item\n--- rule ---\n\n--b\nContent-Type: application/pdf;\n"
    " name=\"folded.pdf\"\nContent-Transfer-Encoding: base64\n\nQUJD\n--b--\nepilogue\n",
    // The attachment is two levels down; the outer boundary is a prefix of the inner one.
    "To: c@x\nContent-Type: multipart/mixed; boundary=o\n\n--o\nContent-Type: multipart/alternative; "
    "boundary=o2\n\n--o2\nContent-Type: text/plain\n\nx\n--o2\nContent-Disposition: attachment; filename=z.bin\n\n"
    "y\n--o2--\n--o--",
    // No attachment: the text part names no file; the closing delimiter ends the data.
    "Subject: none\nContent-Type: multipart/mixed; boundary=b\n\n--b\nContent-Type: text/plain\n\nbody\n--b--",
    // A header without an empty line, and an email that is only a line break.
    "Subject: header only\nTo: d@x",
    "\n",
    "",
    // A part header that runs into the next delimiter.
    "Content-Type: multipart/mixed; boundary=b\n\n--b\nContent-Type: image/png; name=a.png\n--b\n\nz\n--b--\n",
};

TEST(HeaderBlocks, SummaryEqualsTheWholeEmailParse)
{
    for (const QByteArray& lf : kEmails) {
        for (const QByteArray& eol : {QByteArray("\n"), QByteArray("\r\n"), QByteArray("\r")}) {
            QByteArray raw = lf;
            raw.replace("\n", eol);
            ExpectSameSummary(raw, (lf.left(40) + " / " + eol.toHex()).toStdString());
        }
    }
}

TEST(HeaderBlocks, MixedLineEndsAndZeroBytesFollowTheNormalisation)
{
    const QByteArray mixed[] = {
        // CR LF header: bare-LF lines are content, not delimiters.
        "Subject: m\r\nContent-Type: multipart/mixed; boundary=b\r\n\r\n--b\r\nContent-Type: text/plain\r\n\r\n"
        "t\n--b\nContent-Type: a/b; name=hidden\n\n--b\r\nContent-Type: a/b; name=shown\r\n\r\n--b--\r\n",
        // A CR LF pair only after a zero byte: the bare LFs are still normalised.
        Bytes("Subject: z\nContent-Type: multipart/mixed; boundary=b\n\n--b\nContent-Type: x/y; name=n\n\n"
              "a\0b\r\n--b--\n"),
        // CR-only with a CR LF after a zero byte: every CR gets an LF, even the one before that LF.
        Bytes("Subject: c\rContent-Type: multipart/mixed; boundary=b\r\r--b\rContent-Type: x/y; name=n\r\r"
              "\0\r\n--b\r--b--\r"),
        // A lone CR at a line start ends a CR LF header.
        "Subject: r\r\n\rTo: late\r\n\r\n",
    };
    for (const QByteArray& raw : mixed)
        ExpectSameSummary(raw, raw.left(30).toStdString());
}

TEST(HeaderBlocks, LeavesContentsOut)
{
    const QByteArray attachment = QByteArray(500000, 'A').replace(QByteArray(76, 'A'), QByteArray(75, 'A') + "\n");
    const QByteArray raw = "From: a@x\nContent-Type: multipart/mixed; boundary=b\n\n--b\nContent-Type: text/plain\n\n"
        + QByteArray(2000, 'x') + "\n--b\nContent-Type: application/zip; name=big.zip\n\n" + attachment + "\n--b--\n";
    QByteArray headers;
    CopyHeaderBlocks(raw, headers);
    EXPECT_EQ(headers, "From: a@x\r\nContent-Type: multipart/mixed; boundary=b\r\n\r\n--b\r\nContent-Type: text/plain"
                       "\r\n\r\n--b\r\nContent-Type: application/zip; name=big.zip\r\n\r\n--b--\r\n");
}

} // namespace
