#include "mime/MimeHeader.h"

#include <gtest/gtest.h>

#include <string>

namespace {
int64_t LoadInto(CMimeHeader& header, const std::string& text)
{
    return header.Load(text.data(), static_cast<int64_t>(text.size()));
}

CMimeHeader HeaderWith(const char* pszName, const char* pszValue)
{
    CMimeHeader header;
    header.AddField(pszName, pszValue);
    return header;
}
}

TEST(MimeHeaderField, ParsesOneFieldWithFoldsAndStrayLines)
{
    struct Case { std::string text; int64_t consumed; std::string name, value; } cases[] = {
        {"Subject: Hello\r\n World\r\n\r\n", 24, "Subject", "Hello\r\n World"},
        {"X-Test:value\r\n", 14, "X-Test", "value"},
        {"Subject :x\r\n", 12, "Subject ", "x"},
        {"no colon here\r\n", 15, "", "no colon here"},
        {" stray\r\nA: b\r\n", 14, "A", "b"},
        {"\tstray\r\n\r\n", 0, "", ""},
        {"A: b", 0, "A", ""},
        {"A: b\r\n\tc", 0, "A", ""},
        {"A:\t  \r\n", 7, "A", ""},
    };
    for (const auto& c : cases) {
        CMimeHeaderField field;
        EXPECT_EQ(field.Load(c.text.data(), static_cast<int64_t>(c.text.size())), c.consumed) << c.text;
        if (c.consumed != 0) {
            EXPECT_EQ(field.GetName(), c.name) << c.text;
            EXPECT_EQ(field.GetValue(), c.value) << c.text;
        }
    }
}

TEST(MimeHeaderField, FindsParameters)
{
    struct Case { std::string value, param; bool found; std::string result; } cases[] = {
        {"multipart/mixed; boundary=\"abc def\"", "boundary", true, "abc def"},
        {"multipart/mixed; boundary=abc;x=y", "boundary", true, "abc"},
        {"multipart/mixed; BOUNDARY = abc", "boundary", true, "abc"},
        {"text/plain", "boundary", false, ""},
        {"attachment; filename*=utf-8''a.pdf", "filename", false, ""},
        {"text/plain; foo; name=x", "name", false, ""},
        {"text/plain; name=\"unclosed", "name", true, ""},
        {"text/plain; filename=a; name=b.txt", "name", true, "b.txt"},
        {"text/plain; name=", "name", true, ""},
        {"a; x=\"q\\\"r\"", "x", true, "q\\"},
    };
    for (const auto& c : cases) {
        CMimeHeaderField field;
        field.SetValue(c.value);
        std::string out = "junk";
        EXPECT_EQ(field.GetParameter(c.param.c_str(), out), c.found) << c.value;
        EXPECT_EQ(out, c.result) << c.value;
    }
    CMimeHeaderField field;
    field.SetValue("a/b; name=\"x y\"");
    int64_t nOffset = 0;
    int64_t nLength = 0;
    ASSERT_TRUE(field.FindParameter("name", nOffset, nLength));
    EXPECT_EQ(nOffset, 10);
    EXPECT_EQ(nLength, 5); // the quotes are part of the place found
}

TEST(MimeHeaderField, ValueWithoutParameters)
{
    struct Case { std::string value, out; } cases[] = {
        {"TEXT/HTML; charset=x", "TEXT/HTML"}, {"text/plain \t;x", "text/plain"}, {"text/plain  ", "text/plain  "},
    };
    for (const auto& c : cases) {
        CMimeHeaderField field;
        field.SetValue(c.value);
        std::string out;
        field.GetValueWithoutParameters(out);
        EXPECT_EQ(out, c.out);
    }
}

TEST(MimeHeader, LoadReturnsBytesConsumed)
{
    struct Case { std::string text; int64_t consumed; size_t fields; } cases[] = {
        {"Subject: Hello\r\n World\r\n\r\nbody", 26, 1},
        {"\r\nbody", 2, 0},
        {"A: 1\r\nB: 2", 0, 1},
        {"A: 1\r\nB: 2\r\n", 12, 2},
        {std::string("A: 1\r\n\0B: 2\r\n", 13), 6, 1},
        {" lead\r\n\r\n", 0, 0},
        {"A: 1\r\n\r", 7, 1},
        {"", 0, 0},
    };
    for (const auto& c : cases) {
        CMimeHeader header;
        EXPECT_EQ(LoadInto(header, c.text), c.consumed) << c.text;
        EXPECT_EQ(header.GetFields().size(), c.fields) << c.text;
    }
}

TEST(MimeHeader, LookupIsCaseInsensitiveAndFirstWins)
{
    CMimeHeader header;
    LoadInto(header, "Received: one\r\nreceived: two\r\nSubject :x\r\n\r\n");
    ASSERT_EQ(header.GetFields().size(), 3u);
    EXPECT_STREQ(header.GetFieldValue("RECEIVED"), "one");
    EXPECT_STREQ(header.GetFields()[1].GetValue(), "two");
    EXPECT_EQ(header.FindField("Subject"), nullptr);
    EXPECT_EQ(header.GetFieldValue("Missing"), nullptr);
}

TEST(MimeHeader, MediaTypeAndMainType)
{
    struct Case { const char* value; MediaType type; std::string main; } cases[] = {
        {"TEXT/HTML; charset=x", MEDIA_TEXT, "TEXT"}, {"texture/x", MEDIA_TEXT, "texture"},
        {"model/x", MEDIA_UNKNOWN, "model"},           {"image/png", MEDIA_IMAGE, "image"},
        {"Multipart/Mixed", MEDIA_MULTIPART, "Multipart"}, {"message/rfc822", MEDIA_MESSAGE, "message"},
        {"video", MEDIA_VIDEO, "video"},                {"", MEDIA_UNKNOWN, ""},
    };
    for (const auto& c : cases) {
        const CMimeHeader header = HeaderWith("content-type", c.value);
        EXPECT_EQ(header.GetMediaType(), c.type) << c.value;
        std::string main;
        header.GetMainType(main);
        EXPECT_EQ(main, c.main) << c.value;
    }
    const CMimeHeader none;
    EXPECT_EQ(none.GetMediaType(), MEDIA_TEXT);
    std::string main;
    none.GetMainType(main);
    EXPECT_EQ(main, "text");
    EXPECT_EQ(none.GetBoundary(), "");
    EXPECT_EQ(none.GetName(), "");
}

TEST(MimeHeader, AttachmentTest)
{
    struct Case { const char* field; const char* value; bool attachment; } cases[] = {
        {"Content-Disposition", "attachment; filename=a.pdf", true},
        {"Content-Disposition", "attachment", false},
        {"Content-Type", "application/pdf; name=\"a.pdf\"", true},
        {"Content-Type", "text/plain; foo; name=x", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HeaderWith(c.field, c.value).IsAttachment(), c.attachment) << c.value;
}

TEST(MimeHeader, StoresFieldsAndReportsLackOfSpace)
{
    CMimeHeader header;
    const std::string text = "Subject: Hello\r\n World\r\nX-A: b\r\n\r\n";
    ASSERT_EQ(LoadInto(header, text), static_cast<int64_t>(text.size()));
    EXPECT_EQ(header.GetLength(), static_cast<int64_t>(text.size()));
    std::string out(text.size(), '\0');
    EXPECT_EQ(header.Store(out.data(), static_cast<int64_t>(out.size())), static_cast<int64_t>(text.size()));
    EXPECT_EQ(out, text);
    EXPECT_EQ(header.Store(out.data(), static_cast<int64_t>(text.size()) - 1), 0); // no room for the empty line
    EXPECT_EQ(header.Store(out.data(), 5), 0);

    CMimeHeaderField field;
    field.SetName("To");
    field.SetValue("J\xF6hn <j@x.org>, b@y.org");
    field.SetCharset("ISO-8859-1");
    std::string line(static_cast<size_t>(field.GetLength()), '\0');
    line.resize(static_cast<size_t>(field.Store(line.data(), static_cast<int64_t>(line.size()))));
    EXPECT_EQ(line, "To: =?ISO-8859-1?Q?J=F6hn?= <j@x.org>,\r\n\tb@y.org\r\n");
}

TEST(MimeHeader, EncodedFieldRoundTrips)
{
    CMimeHeader header;
    header.AddField("Subject", "caf\xE9 au lait", "ISO-8859-1");
    std::string out(static_cast<size_t>(header.GetLength()), '\0');
    out.resize(static_cast<size_t>(header.Store(out.data(), static_cast<int64_t>(out.size()))));
    CMimeHeader back;
    ASSERT_EQ(LoadInto(back, out), static_cast<int64_t>(out.size()));
    EXPECT_STREQ(back.GetFieldValue("Subject"), "caf\xE9 au lait");
    EXPECT_STREQ(back.FindField("Subject")->GetCharset(), "ISO-8859-1");
}
