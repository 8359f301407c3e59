#include "display/PreviewRenderer.h"

#include <gtest/gtest.h>

namespace {

QByteArray Crlf(QByteArray text)
{
    return text.replace("\n", "\r\n");
}

QByteArray Alternative(const QByteArray& plainType, const QByteArray& htmlType)
{
    return Crlf("From: a@x\nSubject: s\nMIME-Version: 1.0\nContent-Type: multipart/alternative; boundary=\"b\"\n\n"
                "--b\nContent-Type: " + plainType + "\n\nplain words\n"
                "--b\nContent-Type: " + htmlType + "\n\n<p>html words</p>\n--b--\n");
}

bool Contains(const QByteArray& page, const char* text)
{
    return page.contains(text);
}

TEST(PreviewRenderer, ShowsTheHtmlAlternativeWithAUtf8Charset)
{
    const PreviewRenderer renderer(Alternative("text/plain", "text/html; charset=us-ascii"));
    EXPECT_TRUE(renderer.PageHtml().startsWith("<meta charset=\"utf-8\">"));
    EXPECT_TRUE(Contains(renderer.PageHtml(), "<p>html words</p>"));
    EXPECT_FALSE(Contains(renderer.PageHtml(), "plain words"));
}

TEST(PreviewRenderer, HtmlAttachmentIsNotThePage)
{
    const PreviewRenderer renderer(Alternative("text/plain", "text/html\nContent-Disposition: attachment"));
    EXPECT_TRUE(Contains(renderer.PageHtml(), "plain words"));
    EXPECT_FALSE(Contains(renderer.PageHtml(), "html words"));
}

TEST(PreviewRenderer, ConvertsEachPartFromItsCharsetToUtf8)
{
    struct Case {
        QByteArray headers;
        QByteArray body;
        QByteArray shown;
    };
    const Case cases[] = {
        {"Content-Type: text/plain; charset=ISO-8859-1", "caf\xE9", "caf\xC3\xA9"},
        {"Content-Type: text/html; charset=iso-8859-1", "<b>caf\xE9</b>", "<b>caf\xC3\xA9</b>"},
        {"Content-Type: text/plain; charset=utf-8", "caf\xC3\xA9", "caf\xC3\xA9"},
        {"Content-Type: text/html; charset=ISO-8859-1\nContent-Transfer-Encoding: quoted-printable",
            "caf=E9 =\nsoft", "caf\xC3\xA9 soft"},
        {"Content-Type: text/plain; charset=utf-8\nContent-Transfer-Encoding: quoted-printable", "=C3=A9t=C3=A9",
            "\xC3\xA9t\xC3\xA9"},
        // Without a charset iconv knows: UTF-8 when the bytes are valid UTF-8, else Windows-1252.
        {"Content-Type: text/plain", "caf\xC3\xA9", "caf\xC3\xA9"},
        {"Content-Type: text/plain; charset=x-unheard-of", "\x80 caf\xE9", "\xE2\x82\xAC caf\xC3\xA9"},
    };
    for (const Case& c : cases) {
        const PreviewRenderer renderer(Crlf("From: a@x\nMIME-Version: 1.0\n" + c.headers + "\n\n" + c.body + "\n"));
        EXPECT_TRUE(Contains(renderer.PageHtml(), c.shown)) << c.headers.toStdString() << "\n"
                                                           << renderer.PageHtml().toStdString();
    }
}

TEST(PreviewRenderer, TextPartsAreEscapedInPreWithTheirLineBreaks)
{
    const PreviewRenderer renderer(Crlf("From: a@x\nContent-Type: multipart/mixed; boundary=b\n\n"
                                        "--b\nContent-Type: text/plain\n\n<script>alert(1)</script>\nline & two\n"
                                        "--b\nContent-Type: text/plain\n\nsecond part\n--b--\n"));
    const QByteArray& page = renderer.PageHtml();
    EXPECT_FALSE(Contains(page, "<script>"));
    EXPECT_TRUE(Contains(page, "<pre style=\"white-space: pre-wrap\">&lt;script&gt;alert(1)&lt;/script&gt;\n"
                               "line &amp; two</pre>"));
    EXPECT_TRUE(Contains(page, ">second part</pre>"));
    EXPECT_FALSE(Contains(page, "\r"));
}

TEST(PreviewRenderer, LfOnlyAndNonMimeMailsShowTheirBody)
{
    const PreviewRenderer lf("From: a@x\nContent-Type: multipart/alternative; boundary=b\n\n"
                             "--b\nContent-Type: text/plain\n\nplain\n--b\nContent-Type: text/html\n\n<i>lf</i>\n--b--\n");
    EXPECT_TRUE(Contains(lf.PageHtml(), "<i>lf</i>"));
    EXPECT_FALSE(Contains(lf.PageHtml(), "--b"));

    const PreviewRenderer plain("From sender Mon Jan  1 10:00:00 2024\nFrom: a@x\nSubject: hi\n\nJust text,\nno MIME.\n");
    EXPECT_TRUE(Contains(plain.PageHtml(), ">Just text,\nno MIME.\n</pre>"));
    EXPECT_FALSE(Contains(plain.PageHtml(), "Subject"));
}

TEST(PreviewRenderer, UnparsableHeaderStillShowsTheBytes)
{
    const PreviewRenderer broken("no colon on this line\r\nstill <readable>\r\n");
    EXPECT_TRUE(Contains(broken.PageHtml(), "no colon on this line\nstill &lt;readable&gt;\n"));
    const PreviewRenderer empty{QByteArray()};
    EXPECT_TRUE(Contains(empty.PageHtml(), "<body>"));
}

TEST(PreviewRenderer, FindsInlineImagesByContentIdAndLocation)
{
    const QByteArray png("\x89PNG\r\n\x1A\n\0\x01\xFF", 11);
    const QByteArray email = Crlf("From: a@x\nContent-Type: multipart/related; boundary=r\n\n"
                                  "--r\nContent-Type: text/html\nContent-Location: http://example.org/mail/page.html\n\n"
                                  "<img src=\"cid:logo%40x\"><img src='pics/b.gif'><img src=cid:nothing>\n"
                                  "--r\nContent-Type: image/png; name=logo.png\nContent-Transfer-Encoding: base64\n"
                                  "Content-ID: <logo@x>\n\n" + png.toBase64() + "\n"
                                  "--r\nContent-Type: image/gif\nContent-Location: http://example.org/mail/pics/b.gif\n\n"
                                  "GIF89a\n--r--\n");
    const PreviewRenderer renderer(email);
    ASSERT_EQ(renderer.Parts().size(), 2u);
    const qsizetype logo = renderer.FindPart("cid:logo%40x");
    ASSERT_EQ(logo, 0);
    EXPECT_EQ(renderer.Parts()[0].bytes, png);
    EXPECT_EQ(renderer.Parts()[0].contentType, "image/png");
    EXPECT_EQ(renderer.FindPart("CID:logo@x"), 0);
    EXPECT_EQ(renderer.FindPart("http://example.org/mail/pics/b.gif"), 1);
    EXPECT_EQ(renderer.FindPart("pics/b.gif"), 1);
    EXPECT_EQ(renderer.FindPart("cid:nothing"), -1);

    const QByteArray page = renderer.PageHtml([](qsizetype i) { return "?part=" + QByteArray::number(i); });
    EXPECT_TRUE(Contains(page, "<img src=\"?part=0\"><img src='?part=1'><img src=cid:nothing>"));
}

TEST(PreviewRenderer, HtmlFileCharsetComesFromItsByteOrderMark)
{
    EXPECT_EQ(HtmlFileContentType("\xFF\xFE<\0"), "text/html; charset=utf-16le");
    EXPECT_EQ(HtmlFileContentType("\xFE\xFF\0<"), "text/html; charset=utf-16be");
    EXPECT_EQ(HtmlFileContentType("\xEF\xBB\xBF<html>"), "text/html; charset=utf-8");
    EXPECT_EQ(HtmlFileContentType("<html>"), "text/html");
}

} // namespace
