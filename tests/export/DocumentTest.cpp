#include "export/CsvIndex.h"
#include "export/HtmlPage.h"
#include "export/HtmlText.h"
#include "export/RtfDocument.h"

#include <gtest/gtest.h>

TEST(ExportRtf, EscapesAsciiAndWritesUnicodeAsSigned16BitUnits)
{
    const struct {
        QString text;
        QByteArray rtf;
    } cases[] = {
        {QStringLiteral("plain"), "plain"},
        {QStringLiteral("a\\b{c}"), "a\\\\b\\{c\\}"},
        {QStringLiteral("\u00E9"), "\\u233?"},
        {QStringLiteral("\u20AC"), "\\u8364?"},
        {QStringLiteral("\u4E2D"), "\\u20013?"},
        {QStringLiteral("\uFFFD"), "\\u-3?"},
        {QString::fromUtf8("\xF0\x9F\x98\x80"), "\\u-10179?\\u-8704?"},
        {QStringLiteral("a\r\nb\rc\nd"), "a\\line\nb\\line\nc\\line\nd"},
        {QStringLiteral("t\tx\x01y"), "t\\tab xy"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RtfEscape(c.text), c.rtf) << c.text.toStdString();
}

TEST(ExportRtf, DocumentIsPlainAsciiRtfWithHeadersAndBody)
{
    EmailSummary summary;
    summary.strSubject = QStringLiteral("Gr\u00FC\u00DFe {}");
    summary.strFrom = QStringLiteral("a@example.com");
    const QByteArray rtf = RtfDocument(summary, {QStringLiteral("a.pdf"), QStringLiteral("b.doc")},
                                       QStringLiteral("line 1\nline 2"));
    EXPECT_TRUE(rtf.startsWith("{\\rtf1"));
    EXPECT_TRUE(rtf.trimmed().endsWith('}'));
    EXPECT_TRUE(rtf.contains("Gr\\u252?\\u223?e \\{\\}"));
    EXPECT_TRUE(rtf.contains("a.pdf, b.doc"));
    EXPECT_TRUE(rtf.contains("line 1\\line\nline 2"));
    QByteArray groups = rtf;
    groups.replace("\\\\", "").replace("\\{", "").replace("\\}", "");
    int depth = 0;
    for (const char c : rtf)
        EXPECT_LT(static_cast<unsigned char>(c), 0x80);
    for (const char c : groups) {
        depth += c == '{' ? 1 : c == '}' ? -1 : 0;
        EXPECT_GE(depth, 0);
    }
    EXPECT_EQ(depth, 0);
}

TEST(ExportHtmlText, ReducesHtmlToWhatAReaderSees)
{
    const struct {
        QString html;
        QString text;
    } cases[] = {
        {QStringLiteral("<p>a</p><p>b</p>"), QStringLiteral("a\n\nb")},
        {QStringLiteral("x<br>y<BR/>z"), QStringLiteral("x\ny\nz")},
        {QStringLiteral("<head><title>T</title><style>p{}</style></head><body>a  \n  b</body>"), QStringLiteral("a b")},
        {QStringLiteral("<script>alert(1)</script>ok<!-- hidden <p> -->"), QStringLiteral("ok")},
        {QStringLiteral("&lt;&amp;&gt; &#233;&#x20AC; &bogus; &"), QStringLiteral("<&> \u00E9\u20AC &bogus; &")},
        {QStringLiteral("<pre>a\n  b</pre>"), QStringLiteral("a\n  b")},
        {QStringLiteral("&#0;&#xD800;&#99999999;"), QStringLiteral("\uFFFD\uFFFD\uFFFD")},
        {QStringLiteral("unclosed <b"), QStringLiteral("unclosed")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HtmlToPlainText(c.html), c.text) << c.html.toStdString();
}

TEST(ExportCsv, FieldsAreQuotedAndFormulasDefused)
{
    const struct {
        QString text;
        QString field;
    } cases[] = {
        {QStringLiteral("plain"), QStringLiteral("plain")},
        {QStringLiteral("a,b"), QStringLiteral("\"a,b\"")},
        {QStringLiteral("say \"hi\""), QStringLiteral("\"say \"\"hi\"\"\"")},
        {QStringLiteral("two\r\nlines"), QStringLiteral("\"two\r\nlines\"")},
        {QStringLiteral("=HYPERLINK(\"x\")"), QStringLiteral("\"'=HYPERLINK(\"\"x\"\")\"")},
        {QStringLiteral("@SUM(1)"), QStringLiteral("'@SUM(1)")},
        {QString(), QString()},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CsvField(c.text), c.field) << c.text.toStdString();
}

TEST(ExportHtml, PageEmbedsInlineImagesAndKeepsNothingLive)
{
    ExportedEmail email;
    email.summary.strSubject = QStringLiteral("Caf\u00E9 <b>");
    email.bytes = "From: a@x\nSubject: s\nMIME-Version: 1.0\nContent-Type: multipart/related; boundary=r\n\n"
                  "--r\nContent-Type: text/html; charset=ISO-8859-1\n\n"
                  "<p>caf\xE9</p><img src=\"cid:dot@x\"><img src=\"https://tracker.example/o.png\">"
                  "<script>alert(1)</script><a onclick=\"x()\">k</a>\n"
                  "--r\nContent-Type: image/png; name=\"a\\\" onerror=\\\"x.png\"\nContent-ID: <dot@x>\n"
                  "Content-Transfer-Encoding: base64\n\niVBORw0K\n--r--\n";
    const QString page = QString::fromUtf8(HtmlPage(email));
    EXPECT_TRUE(page.contains(QStringLiteral("<td>Caf\u00E9 &lt;b&gt;</td>")));
    EXPECT_TRUE(page.contains(QStringLiteral("<p>caf\u00E9</p>")));
    EXPECT_TRUE(page.contains(QStringLiteral("<img src=\"data:image/png;base64,iVBORw0K\">")));
    EXPECT_FALSE(page.contains(QStringLiteral("cid:")));
    EXPECT_FALSE(page.contains(QStringLiteral("<script")));
    EXPECT_FALSE(page.contains(QStringLiteral("onclick")));
    EXPECT_TRUE(page.contains(QStringLiteral("default-src 'none'; img-src data:")));
}
