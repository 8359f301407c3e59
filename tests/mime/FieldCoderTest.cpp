#include "mime/FieldCoderRegistry.h"
#include "mime/MimeEnvironment.h"

#include <gtest/gtest.h>

#include <string>
#include <typeinfo>

namespace {
std::string Convert(CFieldCoder& coder, const std::string& in, bool bEncode)
{
    coder.SetInput(in.data(), static_cast<int32_t>(in.size()), bEncode);
    const int32_t nBound = coder.GetOutputLength();
    std::string out(static_cast<size_t>(nBound), '\0');
    out.resize(static_cast<size_t>(coder.GetOutput(out.data(), nBound)));
    return out;
}

std::string EncodeField(const char* pszName, const std::string& strCharset, const std::string& in)
{
    auto coder = CreateFieldCoder(pszName);
    coder->SetCharset(strCharset);
    return Convert(*coder, in, true);
}

// Sets the process-wide folding switch for one test and restores it.
struct AutoFolding {
    explicit AutoFolding(bool b) { g_bAutoFolding = b; }
    ~AutoFolding() { g_bAutoFolding = false; }
};
}

TEST(FieldCoderRegistry, ChoosesCoderByNameIgnoringCase)
{
    struct Case { const char* name; const std::type_info& type; } cases[] = {
        {"SUBJECT", typeid(CTextFieldCoder)},      {"subject", typeid(CTextFieldCoder)},
        {"Content-Description", typeid(CTextFieldCoder)}, {"reply-to", typeid(CAddressFieldCoder)},
        {"Resent-Bcc", typeid(CAddressFieldCoder)}, {"content-type", typeid(CParameterFieldCoder)},
        {"Content-Disposition", typeid(CParameterFieldCoder)}, {"X-Mailer", typeid(CFieldCoder)},
        {"Date", typeid(CFieldCoder)},             {"Sender", typeid(CFieldCoder)},
        {"", typeid(CFieldCoder)},
    };
    for (const auto& c : cases) {
        auto coder = CreateFieldCoder(c.name);
        EXPECT_EQ(typeid(*coder), c.type) << c.name;
        EXPECT_TRUE(coder->GetCharset().empty());
    }
}

TEST(FieldCoderRegistry, RegisterReplacesAndNullFactoryRemoves)
{
    RegisterFieldCoder("x-list", [] { return std::unique_ptr<CFieldCoder>(std::make_unique<CAddressFieldCoder>()); });
    EXPECT_EQ(typeid(*CreateFieldCoder("X-List")), typeid(CAddressFieldCoder));
    RegisterFieldCoder("X-LIST", nullptr);
    EXPECT_EQ(typeid(*CreateFieldCoder("X-List")), typeid(CFieldCoder));
}

TEST(FieldCoder, DecodesEncodedWordsAndKeepsFoldsWhileFoldingIsOff)
{
    auto subject = CreateFieldCoder("Subject");
    EXPECT_EQ(Convert(*subject, "=?utf-8?B?w6k=?= =?utf-8?B?w6k=?=", false), "\xC3\xA9\xC3\xA9");
    EXPECT_EQ(subject->GetCharset(), "utf-8");

    auto date = CreateFieldCoder("Date");
    EXPECT_EQ(Convert(*date, "Mon, 1 Jan 2024 10:00:00 +0000", false), "Mon, 1 Jan 2024 10:00:00 +0000");
    EXPECT_TRUE(date->GetCharset().empty());

    EXPECT_EQ(Convert(*subject, "Hello\r\n World", false), "Hello\r\n World");
}

TEST(FieldCoder, UnfoldsWhenAutoFoldingIsOn)
{
    AutoFolding folding(true);
    auto subject = CreateFieldCoder("Subject");
    EXPECT_EQ(Convert(*subject, "Hello\r\n \t World\r\nX", false), "Hello World X");
}

TEST(FieldCoder, FindWordEndFollowsQuotesCommentsAndAngleBrackets)
{
    struct Case { std::string text; int state; int32_t length; int32_t nonAscii; int stateAfter; } cases[] = {
        {"word rest", 0, 4, 0, 0},
        {"J\xF6hn <a>", 0, 4, 1, 0},
        {"\"quoted", 0, 0, 0, '"'},
        {"in quote\" x", '"', 8, 0, 0},
        {"a@b.c> x", '>', 5, 0, 0},
        {"(comment", 0, 0, 0, ')'},
        {"all, of it", 255, 10, 0, 255},
    };
    for (const auto& c : cases) {
        int32_t nNonAscii = -1;
        int nState = c.state;
        EXPECT_EQ(CFieldCoder::FindWordEnd(c.text.data(), static_cast<int32_t>(c.text.size()), nNonAscii, nState),
                  c.length) << c.text;
        EXPECT_EQ(nNonAscii, c.nonAscii) << c.text;
        EXPECT_EQ(nState, c.stateAfter) << c.text;
    }
}

TEST(FieldCoder, EncodesByFieldKind)
{
    struct Case { const char* name; std::string charset, in, out; } cases[] = {
        // No charset: byte for byte.
        {"To", "", "J\xF6hn <j@x.org>, Bob <b@y.org>", "J\xF6hn <j@x.org>, Bob <b@y.org>"},
        // Address fields: encoded word for the non-ASCII word only, a fold after the comma, its SPACE dropped.
        {"To", "ISO-8859-1", "J\xF6hn <j@x.org>, Bob <b@y.org>",
         "=?ISO-8859-1?Q?J=F6hn?= <j@x.org>,\r\n\tBob <b@y.org>"},
        // Parameter fields fold after ";".
        {"Content-Type", "utf-8", "text/plain; charset=utf-8", "text/plain;\r\n\tcharset=utf-8"},
        // Text fields are one word.
        {"Subject", "ISO-8859-1", "caf\xE9 ok", "=?ISO-8859-1?Q?caf=E9=20ok?="},
        // Mostly non-ASCII words take B.
        {"Subject", "utf-8", "\xC3\xA9\xC3\xA9\xC3\xA9", "=?utf-8?B?w6nDqcOp?="},
        {"X-Other", "utf-8", "a, b", "a, b"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(EncodeField(c.name, c.charset, c.in), c.out) << c.name << ": " << c.in;
}

TEST(FieldCoder, DefaultCharsetAppliesWhenTheCoderHasNone)
{
    g_strDefaultCharset = "utf-8";
    const std::string out = EncodeField("Subject", "", "\xC3\xA9");
    g_strDefaultCharset.clear();
    EXPECT_EQ(out, "=?utf-8?B?w6k=?=");
}

TEST(FieldCoder, AutoFoldingBreaksLongLinesAtWhiteSpace)
{
    AutoFolding folding(true);
    std::string in;
    for (int i = 0; i < 30; ++i)
        in += "word" + std::to_string(i) + " ";
    const std::string out = EncodeField("X-Long", "", in);
    size_t nLine = 0;
    for (size_t i = 0; i < out.size(); ++i) {
        if (out.compare(i, 3, "\r\n\t") == 0) {
            EXPECT_LE(nLine, 77u);
            nLine = 0;
        }
        ++nLine;
    }
    std::string unfolded;
    for (size_t i = 0; i < out.size(); ++i)
        if (out.compare(i, 3, "\r\n\t") == 0)
            i += 2;
        else
            unfolded += out[i];
    EXPECT_EQ(unfolded, in);
    EXPECT_NE(out.find("\r\n\t"), std::string::npos);
}
