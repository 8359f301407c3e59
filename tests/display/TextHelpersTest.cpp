#include "display/AttachmentNames.h"
#include "display/HeaderText.h"
#include "display/ImmMarkers.h"
#include "display/LineEnds.h"

#include <gtest/gtest.h>

namespace {

TEST(Utf8OrAnsiToWide, ChoosesUtf8OnlyForValidMultiByteSequences)
{
    EXPECT_EQ(Utf8OrAnsiToWide("plain"), QStringLiteral("plain"));
    EXPECT_EQ(Utf8OrAnsiToWide("Gr\xC3\xBC\xC3\x9F" "e"), QStringLiteral(u"Grüße"));
    // Latin-1 bytes are invalid UTF-8 and fall back to Windows-1252, whose 0x80 is the euro sign.
    EXPECT_EQ(Utf8OrAnsiToWide("Gr\xFC\xDF" "e \x80"), QStringLiteral(u"Grüße €"));
    EXPECT_EQ(Utf8OrAnsiToWide(QByteArrayView("ab\0\xC3\xBC", 5)), QStringLiteral("ab"));
    EXPECT_EQ(Utf8OrAnsiToWide(""), QString());
}

TEST(FileNameFromPath, TakesTheTextAfterTheLastSlash)
{
    EXPECT_EQ(FileNameFromPath(QStringLiteral("/a/b/inbox.mbox")), QStringLiteral("inbox.mbox"));
    EXPECT_EQ(FileNameFromPath(QStringLiteral("inbox.mbox")), QString());
    EXPECT_EQ(FileNameFromPath(QStringLiteral("/a/")), QString());
}

TEST(NormalizeLineEnds, MakesEveryLineEndCrLf)
{
    const struct {
        QByteArray in;
        QByteArray out;
    } cases[] = {
        {"a\nb\n", "a\r\nb\r\n"},
        {"\nFrom x\n", "\r\nFrom x\r\n"},     // an LF at offset 0 has no CR before it
        {"a\r\nb\nc", "a\r\nb\r\nc"},         // only bare LFs get a CR
        {"a\rb\r", "a\r\nb\r\n"},             // CR-only ends get an LF
        {"no line end", "no line end"},
        {"", ""},
    };
    for (const auto& c : cases) {
        QByteArray data = c.in;
        NormalizeLineEnds(data);
        EXPECT_EQ(data, c.out) << c.in.toStdString();
    }
}

TEST(HasCrLfBeforeNul, LooksOnlyBeforeTheFirstZeroByte)
{
    EXPECT_TRUE(HasCrLfBeforeNul("a\r\nb"));
    EXPECT_FALSE(HasCrLfBeforeNul("a\nb\r"));
    EXPECT_FALSE(HasCrLfBeforeNul(QByteArray("a\0\r\n", 4)));
}

TEST(CollectImFilePaths, AppendsEveryMarkerInOrder)
{
    QStringList paths;
    EXPECT_TRUE(CollectImFilePaths("x\r\n[%ImFilePath%]C:\\in\\a.pdf\r\nbody [%ImFilePath%]--b.doc\n"
                                   "[%ImFilePath%]\r\nend",
        paths));
    EXPECT_EQ(paths, (QStringList{QStringLiteral("C:\\in\\a.pdf"), QStringLiteral("--b.doc"), QString()}));
    QStringList none;
    EXPECT_FALSE(CollectImFilePaths("[%ImFilePath%]", none)); // nothing can follow a marker at the very end
    EXPECT_TRUE(none.isEmpty());
}

TEST(FindRawHeaderLine, ReturnsTheFirstNonEmptyRawValue)
{
    const QByteArray email = "From:\nX: 1\r\nFrom: \xE9ve <e@x>\r\nTo:a\nSubject:\n";
    EXPECT_EQ(FindRawHeaderLine(email, "From"), QStringLiteral(u" éve <e@x>\r"));
    EXPECT_EQ(FindRawHeaderLine(email, "To"), QStringLiteral("a"));
    EXPECT_EQ(FindRawHeaderLine(email, "Subject"), QString()); // an empty value is passed over
    EXPECT_EQ(FindRawHeaderLine("from: a\r\n", "From"), QString());
    EXPECT_EQ(FindRawHeaderLine("From:a", "From"), QString()); // too short to search
    EXPECT_EQ(FindRawHeaderLine("body\nTo: b", "To"), QStringLiteral(" b"));
}

TEST(AttachmentRows, SplitNamesAndStripImmPaths)
{
    EXPECT_EQ(AttachmentRowsFromNames(QString()), QStringList());
    EXPECT_EQ(AttachmentRowsFromNames(QStringLiteral("a.pdf,,b,c.doc")),
        (QStringList{QStringLiteral("a.pdf"), QString(), QStringLiteral("b"), QStringLiteral("c.doc")}));
    EXPECT_EQ(ImmAttachmentRow(QStringLiteral("--C:\\Mail\\Attachments\\r-1.pdf")), QStringLiteral("r-1.pdf"));
    EXPECT_EQ(ImmAttachmentRow(QStringLiteral("plain.txt")), QStringLiteral("plain.txt"));
}

} // namespace
