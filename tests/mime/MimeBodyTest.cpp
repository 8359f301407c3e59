#include "mime/MimeMessage.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
int64_t LoadInto(CMimeBody& body, const std::string& text)
{
    return body.Load(text.data(), static_cast<int64_t>(text.size()));
}

std::string Content(const CMimeBody& body)
{
    return body.GetContent() ? std::string(body.GetContent(), static_cast<size_t>(body.GetContentLength())) : "";
}

std::string Store(const CMimeBody& body)
{
    std::string out(static_cast<size_t>(body.GetLength()), '\0');
    const int64_t n = body.Store(out.data(), static_cast<int64_t>(out.size()));
    EXPECT_GT(n, 0);
    out.resize(static_cast<size_t>(std::max<int64_t>(n, 0)));
    return out;
}

// Compares two part trees: fields, contents and children.
void ExpectSameTree(const CMimeBody& a, const CMimeBody& b, bool bCompareContent)
{
    ASSERT_EQ(a.GetFields().size(), b.GetFields().size());
    for (size_t i = 0; i < a.GetFields().size(); ++i) {
        EXPECT_STREQ(a.GetFields()[i].GetName(), b.GetFields()[i].GetName());
        EXPECT_STREQ(a.GetFields()[i].GetValue(), b.GetFields()[i].GetValue());
        EXPECT_STREQ(a.GetFields()[i].GetCharset(), b.GetFields()[i].GetCharset());
    }
    if (bCompareContent) {
        EXPECT_EQ(Content(a), Content(b));
    }
    ASSERT_EQ(a.GetParts().size(), b.GetParts().size());
    for (size_t i = 0; i < a.GetParts().size(); ++i)
        ExpectSameTree(*a.GetParts()[i], *b.GetParts()[i], bCompareContent);
}

const std::string kMixed = "Content-Type: multipart/mixed; boundary=b\r\n\r\n"
                           "--b\r\nContent-Type: text/plain\r\n\r\none\r\n"
                           "--b\r\nContent-Type: application/pdf; name=a.pdf\r\nContent-Transfer-Encoding: base64\r\n\r\n"
                           "JVBERg==\r\n"
                           "--b--\r\nepilogue";
}

TEST(MimeBody, SinglePartMessage)
{
    CMimeMessage msg;
    const std::string text = "To: a@b.c\r\nSubject: Hi\r\n\r\nHello\r\n";
    EXPECT_EQ(LoadInto(msg, text), static_cast<int64_t>(text.size()));
    EXPECT_STREQ(msg.FindField("to")->GetValue(), "a@b.c");
    EXPECT_EQ(Content(msg), "Hello\r\n");
    EXPECT_EQ(msg.GetContent()[msg.GetContentLength()], '\0');
    std::list<CMimeBody*> parts;
    EXPECT_EQ(msg.GetBodyPartList(parts), 1);
    EXPECT_EQ(parts.front(), &msg);
}

TEST(MimeBody, HeaderOnlyAndBrokenHeader)
{
    CMimeMessage msg;
    const std::string headerOnly = "Subject: x\r\n\r\n";
    EXPECT_EQ(LoadInto(msg, headerOnly), static_cast<int64_t>(headerOnly.size()));
    EXPECT_EQ(msg.GetContent(), nullptr);
    EXPECT_EQ(msg.GetContentLength(), 0);

    CMimeMessage broken;
    EXPECT_EQ(LoadInto(broken, "A: 1\r\nB: no line end"), 0);
    EXPECT_EQ(broken.GetFields().size(), 1u);
    EXPECT_EQ(broken.GetContent(), nullptr);
}

TEST(MimeBody, MultipartSplitsAtDelimitersAndStopsAfterClosingLine)
{
    CMimeMessage msg;
    const int64_t nConsumed = LoadInto(msg, kMixed);
    EXPECT_EQ(nConsumed, static_cast<int64_t>(kMixed.size() - std::string("epilogue").size()));
    EXPECT_EQ(msg.GetContent(), nullptr); // no preamble
    ASSERT_EQ(msg.GetParts().size(), 2u);
    EXPECT_EQ(Content(*msg.GetParts()[0]), "one");
    EXPECT_EQ(Content(*msg.GetParts()[1]), "%PDF");
    std::list<CMimeBody*> parts;
    EXPECT_EQ(msg.GetBodyPartList(parts), 2);
    EXPECT_FALSE(parts.front()->IsAttachment());
    EXPECT_TRUE(parts.back()->IsAttachment());
    EXPECT_EQ(parts.back()->GetName(), "a.pdf");
}

TEST(MimeBody, PreambleAndMissingOrBrokenDelimiters)
{
    const std::string head = "Content-Type: multipart/mixed; boundary=b\r\n\r\n";
    struct Case { std::string body; std::string preamble; std::vector<std::string> parts; int64_t consumedLess; } cases[] = {
        {"\r\n--b\r\n\r\nx\r\n--b--\r\n", "\r\n", {"x"}, 0},
        {"intro\r\n--b\r\n\r\nx\r\n--b--\r\n", "intro\r\n", {"x"}, 0},
        {"--b\r\n\r\nx\r\n--b\r\n\r\ny\r\n", "", {"x", "y\r\n"}, 0},
        {"--b\r\n\r\nx\r\n--b", "", {"x"}, 0},
        {"--bc\r\n\r\nx\r\n--b--\r\n", "", {"x"}, 0},
        {"no delimiter at all", "no delimiter at all", {}, 0},
        {"--b\r\n\r\nx\r\n--b--", "", {"x"}, 0},
    };
    for (const auto& c : cases) {
        CMimeMessage msg;
        const std::string text = head + c.body;
        EXPECT_EQ(LoadInto(msg, text), static_cast<int64_t>(text.size()) - c.consumedLess) << c.body;
        EXPECT_EQ(Content(msg), c.preamble) << c.body;
        ASSERT_EQ(msg.GetParts().size(), c.parts.size()) << c.body;
        for (size_t i = 0; i < c.parts.size(); ++i)
            EXPECT_EQ(Content(*msg.GetParts()[i]), c.parts[i]) << c.body;
    }
    CMimeMessage noBoundary;
    const std::string text = "Content-Type: multipart/mixed\r\n\r\n--b\r\n\r\nx\r\n";
    LoadInto(noBoundary, text);
    EXPECT_EQ(Content(noBoundary), "--b\r\n\r\nx\r\n");
    std::list<CMimeBody*> parts;
    EXPECT_EQ(noBoundary.GetBodyPartList(parts), 0);
}

TEST(MimeBody, NestedPartsListLeavesInDocumentOrder)
{
    const std::string text =
        "Content-Type: multipart/mixed; boundary=outer\r\n\r\n"
        "--outer\r\nContent-Type: multipart/alternative; boundary=inner\r\n\r\n"
        "--inner\r\nContent-Type: text/plain\r\n\r\nplain\r\n"
        "--inner\r\nContent-Type: text/html\r\nContent-Transfer-Encoding: quoted-printable\r\n\r\n<p>caf=E9 =\r\nok</p>\r\n"
        "--inner--\r\n"
        "--outer\r\nContent-Type: message/rfc822\r\n\r\nSubject: inner\r\n\r\nbody\r\n"
        "--outer\r\nContent-Type: image/png; name=x.png\r\n\r\nPNG\r\n"
        "--outer--\r\n";
    CMimeMessage msg;
    EXPECT_EQ(LoadInto(msg, text), static_cast<int64_t>(text.size()));
    std::list<CMimeBody*> parts;
    ASSERT_EQ(msg.GetBodyPartList(parts), 4);
    std::vector<CMimeBody*> leaves(parts.begin(), parts.end());
    EXPECT_EQ(Content(*leaves[0]), "plain");
    EXPECT_EQ(Content(*leaves[1]), "<p>caf\xE9 ok</p>");
    EXPECT_EQ(leaves[2]->GetMediaType(), MEDIA_MESSAGE);
    EXPECT_EQ(Content(*leaves[2]), "Subject: inner\r\n\r\nbody");
    EXPECT_TRUE(leaves[2]->GetParts().empty());
    EXPECT_EQ(leaves[3]->GetName(), "x.png");
}

TEST(MimeBody, LoadHeadersOnlyGivesTheSameTreeWithoutContent)
{
    CMimeMessage full;
    CMimeMessage headers;
    EXPECT_EQ(headers.LoadHeadersOnly(kMixed.data(), static_cast<int64_t>(kMixed.size())), LoadInto(full, kMixed));
    ExpectSameTree(full, headers, false);
    std::list<CMimeBody*> parts;
    headers.GetBodyPartList(parts);
    for (const CMimeBody* part : parts) {
        EXPECT_EQ(part->GetContent(), nullptr);
        EXPECT_EQ(part->GetContentLength(), 0);
    }
}

TEST(MimeBody, StoredMessageLoadsBackTheSame)
{
    CMimeMessage msg;
    msg.AddField("From", "J\xF6rg <j@x.org>", "ISO-8859-1");
    msg.AddField("Subject", "Report \xE9t\xE9", "ISO-8859-1");
    msg.AddField("Content-Type", "multipart/mixed; boundary=\"==sep==\"");
    CMimeBody* text = msg.AddPart(std::make_unique<CMimeBody>());
    text->AddField("Content-Type", "text/plain; charset=ISO-8859-1");
    text->AddField("Content-Transfer-Encoding", "quoted-printable");
    const std::string body = std::string(200, 'w') + " caf\xE9\r\n.\r\nend \r\n";
    text->SetContent(body.data(), static_cast<int64_t>(body.size()));
    CMimeBody* alt = msg.AddPart(std::make_unique<CMimeBody>());
    alt->AddField("Content-Type", "multipart/alternative; boundary=alt");
    CMimeBody* html = alt->AddPart(std::make_unique<CMimeBody>());
    html->AddField("Content-Type", "text/html");
    html->SetContent("<b>x</b>", 8);
    CMimeBody* bin = msg.AddPart(std::make_unique<CMimeBody>());
    bin->AddField("Content-Type", "application/octet-stream; name=\"d.bin\"");
    bin->AddField("Content-Transfer-Encoding", "base64");
    std::string bytes;
    for (int i = 0; i < 5000; ++i)
        bytes += static_cast<char>(i * 7);
    bin->SetContent(bytes.data(), static_cast<int64_t>(bytes.size()));

    const std::string stored = Store(msg);
    CMimeMessage back;
    EXPECT_EQ(LoadInto(back, stored), static_cast<int64_t>(stored.size()));
    ExpectSameTree(msg, back, true);
}

TEST(MimeBody, StoreFailures)
{
    CMimeMessage msg;
    msg.AddField("Content-Type", "multipart/mixed");
    msg.AddPart(std::make_unique<CMimeBody>())->AddField("A", "b");
    std::string out(200, '\0');
    EXPECT_EQ(msg.Store(out.data(), 200), -1);
    EXPECT_EQ(msg.Store(out.data(), 5), 0);
}

TEST(MimeBody, DeepNestingIsCappedAndDoesNotExhaustTheStack)
{
    const int nLevels = 10000;
    std::string text;
    for (int i = 0; i < nLevels; ++i)
        text += "Content-Type: multipart/mixed; boundary=b" + std::to_string(i) + "x\r\n\r\n--b" + std::to_string(i) + "x\r\n";
    text += "Content-Type: text/plain\r\n\r\nleaf\r\n";
    CMimeMessage msg;
    EXPECT_EQ(LoadInto(msg, text), static_cast<int64_t>(text.size()));
    int nDepth = 0;
    const CMimeBody* part = &msg;
    while (!part->GetParts().empty()) {
        part = part->GetParts().front().get();
        ++nDepth;
    }
    EXPECT_EQ(nDepth, CMimeBody::kMaxPartDepth);
    EXPECT_GT(part->GetContentLength(), 0); // the rest of the nesting stays as this part's content
    std::list<CMimeBody*> parts;
    EXPECT_EQ(msg.GetBodyPartList(parts), 0);
}
