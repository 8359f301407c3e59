#include "export/ExportEmailBytes.h"
#include "tests/export/ExportFixture.h"

#include <gtest/gtest.h>

namespace {

QList<QByteArray> Emails(const QByteArray& eol)
{
    QList<QByteArray> emails{
        "Subject: one" + eol + "From: a@example.com" + eol + eol + "Body with" + eol + ">From quoted" + eol,
        "Subject: two" + eol + eol + "\xC3\xA4 8-bit" + eol + eol + eol,
        "Subject: three" + eol + eol + "no line end at the very end",
    };
    return emails;
}

} // namespace

TEST(ExportEml, FilesAreTheEmailsByteForByteForEveryLineEnd)
{
    for (const QByteArray& eol : {QByteArray("\n"), QByteArray("\r\n"), QByteArray("\r")}) {
        ExportFixture fixture;
        const QList<QByteArray> emails = Emails(eol);
        fixture.AddMailbox(QStringLiteral("box.mbox"), Mbox(emails, eol));
        EXPECT_EQ(fixture.Save(ExportFormat::Eml), emails.size());
        const QStringList names = fixture.Files().filter(QStringLiteral(".eml"));
        ASSERT_EQ(names.size(), emails.size());
        for (qsizetype i = 0; i < emails.size(); ++i)
            EXPECT_EQ(fixture.Read(names[i]), emails[i]) << "line end " << eol.toHex().toStdString() << ", email " << i;
    }
}

TEST(ExportEml, ImmSlicesStayAsTheyAre)
{
    ExportFixture fixture;
    const QByteArray container = "MIME-Version: 1.0\r\nSubject: a\r\nFrom: x\r\nTo: y\r\n\r\nfirst\r\n"
                                 "MIME-Version: 1.0\r\nSubject: b\r\nFrom: x\r\nTo: y\r\n\r\nsecond\r\n";
    fixture.AddMailbox(QStringLiteral("box.imm"), container);
    EXPECT_EQ(fixture.Save(ExportFormat::Eml), 2);
    const QStringList names = fixture.Files().filter(QStringLiteral(".eml"));
    ASSERT_EQ(names.size(), 2);
    EXPECT_EQ(fixture.Read(names[0]) + fixture.Read(names[1]), container);
    EXPECT_TRUE(fixture.Read(names[1]).contains("second"));
}

TEST(ExportEml, SeparatorRemoval)
{
    const struct {
        QByteArray slice;
        QByteArray email;
    } cases[] = {
        {"From a@b Mon\nX: 1\n", "X: 1\n"},
        {"\nFrom a@b Mon\r\nX: 1\r\n", "X: 1\r\n"},
        {"\rFrom a@b Mon\rX: 1\r", "X: 1\r"},
        {"From only a separator", ""},
        {"X: no separator\n", "X: no separator\n"},
        {"\nX: a break but no separator\n", "\nX: a break but no separator\n"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WithoutMboxSeparator(c.slice).toByteArray(), c.email) << c.slice.toStdString();
}

TEST(ExportEml, IndexOutsideTheTableIsRefused)
{
    ExportFixture fixture;
    fixture.AddMailbox(QStringLiteral("box.mbox"), Mbox({"X: 1\n"}, "\n"));
    QByteArray bytes;
    const ScannedFileEntry& entry = fixture.frame.m_vecScannedFiles.front();
    EXPECT_TRUE(ReadExportEmail(entry, 0, bytes));
    EXPECT_FALSE(ReadExportEmail(entry, 1, bytes));
    EXPECT_FALSE(ReadExportEmail(entry, -1, bytes));
    // A damaged table (from a snapshot) with offsets past the end gives what lies inside the file.
    entry.pScanner->m_offsets = {0, uint64_t(1) << 62, ~uint64_t(0)};
    EXPECT_TRUE(ReadExportEmail(entry, 1, bytes));
    EXPECT_TRUE(bytes.isEmpty());
}
