#include "display/ForceHtmlContentType.h"

#include <gtest/gtest.h>

namespace {

const QByteArray kHtmlLine = "Content-Type: text/html; charset=\"ISO-8859-1\"";

TEST(ForceHtmlContentType, LeavesEmailsThatNameATextType)
{
    const QByteArray unchanged[] = {
        "\r\nFrom x\r\nContent-Type: text/plain\r\n\r\nbody",
        "\r\nFrom x\r\nContent-Type:text/html\r\n\r\nbody",
        // a text part anywhere counts, even after a non-text one
        "\r\nContent-Type: multipart/mixed; boundary=b\r\n\r\n--b\r\nContent-Type: text/plain\r\n\r\nx\r\n--b--\r\n",
        "\nFrom x\nContent-Type: application/pdf\n\nbody",             // no CR LF before it
        "\r\nFrom x\r\nSubject: no type\r\n\r\nbody",                  // no Content-Type line at all
        "\r\nContent-Type: application/pdf",                          // no CR ends the line
        "short",
    };
    for (const QByteArray& email : unchanged) {
        QByteArray data = email;
        ForceHtmlContentType(data);
        EXPECT_EQ(data, email) << email.toStdString();
    }
}

TEST(ForceHtmlContentType, RewritesTheFirstContentTypeLineToHtml)
{
    const struct {
        QByteArray in;
        QByteArray out;
    } cases[] = {
        {"\r\nFrom x\r\nContent-Type: multipart/mixed; boundary=b\r\n\r\n--b\r\nContent-Type: application/pdf\r\n",
            "\r\nFrom x\r\n" + kHtmlLine + "\n\r\n--b\r\nContent-Type: application/pdf\r\n"},
        // upper case and two spaces do not name text/html
        {"\r\nContent-Type: TEXT/HTML\r\n\r\n<b>x</b>", "\r\n" + kHtmlLine + "\n\r\n<b>x</b>"},
        {"\r\nContent-Type:  text/plain\r\n\r\nx", "\r\n" + kHtmlLine + "\n\r\nx"},
    };
    for (const auto& c : cases) {
        QByteArray data = c.in;
        ForceHtmlContentType(data);
        EXPECT_EQ(data, c.out) << c.in.toStdString();
        EXPECT_EQ(data.size(), c.out.size());
    }
}

} // namespace
