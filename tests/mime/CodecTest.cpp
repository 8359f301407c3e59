#include "mime/Base64Codec.h"
#include "mime/CodecRegistry.h"
#include "mime/EncodedWordCodec.h"
#include "mime/QuotedPrintableCodec.h"

#include <gtest/gtest.h>

#include <string>

namespace {
// Runs one conversion the way callers do: size with GetOutputLength, then GetOutput.
std::string Convert(CMimeCodec& codec, const std::string& in, bool bEncode)
{
    codec.SetInput(in.data(), static_cast<int32_t>(in.size()), bEncode);
    const int32_t nBound = codec.GetOutputLength();
    std::string out(static_cast<size_t>(nBound) + 8, '#');
    const int32_t n = codec.GetOutput(out.data(), nBound);
    EXPECT_LE(n, nBound) << "length function is not an upper bound for [" << in << "]";
    EXPECT_EQ(out.substr(static_cast<size_t>(nBound)), std::string(8, '#')) << "wrote past the capacity";
    out.resize(static_cast<size_t>(n));
    return out;
}

std::string QpEncode(const std::string& in, bool bQuoteLineBreak = false)
{
    CQuotedPrintableCodec codec;
    codec.SetQuoteLineBreak(bQuoteLineBreak);
    return Convert(codec, in, true);
}
}

TEST(QuotedPrintableCodec, EncodesExactly)
{
    const std::string letters100(100, 'x');
    const std::string spaced = std::string(60, 'a') + " " + std::string(39, 'b');
    struct Case { std::string in; bool flag; std::string out; } cases[] = {
        {"a=b", false, "a=3Db"},
        {"a \r\nb", false, "a=20\r\nb"},
        {"a \r\nb", true, "a =0D=0Ab"},
        {"end ", false, "end=20"},
        {"end\t", false, "end=09"},
        {"a b", false, "a b"},
        {"x\r\n.\r\ny", false, "x\r\n=2E\r\ny"},
        {".\r\n", false, ".\r\n"},
        {"\r\n.\r\n", false, "\r\n=2E\r\n"},
        {"a.b", false, "a.b"},
        {"caf\xE9", false, "caf=E9"},
        {letters100, false, std::string(75, 'x') + "=\r\n" + std::string(25, 'x')},
        {spaced, false, std::string(60, 'a') + " =\r\n" + std::string(39, 'b')},
        {"", false, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(QpEncode(c.in, c.flag), c.out) << "input [" << c.in << "] flag " << c.flag;
}

TEST(QuotedPrintableCodec, EncodedLinesStayWithin76AndDecodeBack)
{
    std::string in;
    for (int i = 0; i < 3000; ++i)
        in += static_cast<char>((i * 37) % 256);
    const std::string encoded = QpEncode(in);
    size_t nLine = 0;
    for (size_t i = 0; i < encoded.size(); ++i) {
        if (encoded.compare(i, 3, "=\r\n") == 0) {
            EXPECT_LE(nLine, 75u);
            nLine = 0;
            i += 2;
        } else if (encoded[i] == '\r' || encoded[i] == '\n') { // either byte ends a line for the encoder
            nLine = 0;
        } else {
            ++nLine;
        }
    }
    CQuotedPrintableCodec decoder;
    EXPECT_EQ(Convert(decoder, encoded, false), in);
}

TEST(QuotedPrintableCodec, DecodesMalformedEscapesByFixedRules)
{
    struct Case { std::string in, out; } cases[] = {
        {"=41", "A"}, {"=4a", "J"}, {"=3d", "="}, {"=a1", "a1"}, {"ab=\r\ncd", "abcd"},
        {"abc=4", "abc"}, {"abc=", "abc"}, {"=\nx", "\nx"}, {"=G1", "G1"}, {"a_b", "a_b"},
    };
    for (const auto& c : cases) {
        CQuotedPrintableCodec codec;
        EXPECT_EQ(Convert(codec, c.in, false), c.out) << c.in;
    }
}

TEST(QuotedPrintableCodec, StopsAtCapacity)
{
    CQuotedPrintableCodec codec;
    const std::string in = "=41=42=43";
    codec.SetInput(in.data(), static_cast<int32_t>(in.size()), false);
    char out[2];
    EXPECT_EQ(codec.GetOutput(out, 2), 2);
    EXPECT_EQ(std::string(out, 2), "AB");
    // An escape that no longer fits is skipped rather than cut in half.
    codec.SetInput("\xE9", 1, true);
    char enc[2];
    EXPECT_EQ(codec.GetOutput(enc, 2), 0);
}

TEST(Base64Codec, EncodesWithAndWithoutLineBreaks)
{
    const std::string in57(57, 'z');
    struct Case { std::string in; bool breaks; std::string out; } cases[] = {
        {"abc", true, "YWJj\r\n"},
        {"abc", false, "YWJj"},
        {"a", false, "YQ=="},
        {"ab", false, "YWI="},
        {"", true, ""},
        {in57, true, std::string(76, '\0') + "\r\n"},
    };
    for (auto& c : cases) {
        CBase64Codec codec;
        codec.SetAddLineBreak(c.breaks);
        const std::string out = Convert(codec, c.in, true);
        if (c.in.size() == 57) {
            ASSERT_EQ(out.size(), 78u);
            EXPECT_EQ(out.substr(76), "\r\n");
            EXPECT_EQ(out.find('\r'), 76u);
        } else {
            EXPECT_EQ(out, c.out) << c.in;
        }
    }
}

TEST(Base64Codec, DecodesUntilFirstByteOutsideAlphabet)
{
    struct Case { std::string in, out; } cases[] = {
        {"YWJj", "abc"}, {"YW\r\nJj", "abc"}, {"YW Jj", "a"}, {"YQ==", "a"}, {"YWI=", "ab"},
        {"YWJjZA", "abcd"}, {"Y", ""}, {"YWJj\tZGVm", "abc"}, {"", ""},
    };
    for (const auto& c : cases) {
        CBase64Codec codec;
        EXPECT_EQ(Convert(codec, c.in, false), c.out) << c.in;
    }
}

TEST(Base64Codec, RoundTripsEveryByteValueAndHonoursCapacity)
{
    std::string in;
    for (int i = 0; i < 1000; ++i)
        in += static_cast<char>(i & 0xFF);
    CBase64Codec encoder;
    const std::string encoded = Convert(encoder, in, true);
    CBase64Codec decoder;
    EXPECT_EQ(Convert(decoder, encoded, false), in);

    decoder.SetInput(encoded.data(), static_cast<int32_t>(encoded.size()), false);
    char out[5];
    EXPECT_EQ(decoder.GetOutput(out, 5), 5);
    EXPECT_EQ(std::string(out, 5), in.substr(0, 5));
}

TEST(Base64Codec, LengthBoundsDoNotOverflowForHugeInputs)
{
    CBase64Codec codec;
    // The length functions never read the input, so a huge length needs no buffer.
    static const char dummy = 0;
    codec.SetInput(&dummy, INT32_MAX, false);
    EXPECT_EQ(codec.GetOutputLength(), static_cast<int32_t>(int64_t{INT32_MAX} * 3 / 4 + 2));
    codec.SetInput(&dummy, INT32_MAX, true);
    EXPECT_EQ(codec.GetOutputLength(), INT32_MAX);
}

TEST(EncodedWordCodec, DecodesWordsAndRecordsTheFirstCharset)
{
    struct Case { std::string in, out, charset; int letter; } cases[] = {
        {"=?ISO-8859-1?Q?caf=E9?= =?ISO-8859-1?Q?_bar?=", "caf\xE9 bar", "ISO-8859-1", 'q'},
        {"Hello =?utf-8?B?w6k=?=", "Hello \xC3\xA9", "utf-8", 'b'},
        {"=?utf-8?b?w6k=?=\r\n =?koi8-r?B?w6k=?=", "\xC3\xA9\xC3\xA9", "utf-8", 'b'},
        {"=?utf-8?X?abc?= tail", "=?utf-8?X?abc?= tail", "utf-8", 'x'},
        {"=?utf-8Q?abc?=", "=?utf-8Q?abc?=", "", 0},
        {"a =?broken", "a =?broken", "", 0},
        {"=?x?q?a_b", "a b", "x", 'q'},
        {"plain text", "plain text", "", 0},
        {"a  b =?x?q?c?=", "a  b c", "x", 'q'},
    };
    for (const auto& c : cases) {
        CEncodedWordCodec codec;
        EXPECT_EQ(Convert(codec, c.in, false), c.out) << c.in;
        EXPECT_EQ(codec.GetCharset(), c.charset) << c.in;
        if (c.letter) {
            EXPECT_EQ(codec.GetEncoding(), c.letter) << c.in;
        }
    }
}

TEST(EncodedWordCodec, EncodesBAndQWords)
{
    struct Case { std::string in; char letter; std::string charset, out; } cases[] = {
        {"\xE9", 'Q', "ISO-8859-1", "=?ISO-8859-1?Q?=E9?="},
        {"\xE9", 'B', "ISO-8859-1", "=?ISO-8859-1?B?6Q==?="},
        {"a b_c?", 'q', "x", "=?x?Q?a=20b=5Fc=3F?="},
        {"\xE9", 'Q', "", "\xE9"},
        {"", 'Q', "utf-8", ""},
    };
    for (const auto& c : cases) {
        CEncodedWordCodec codec;
        codec.SetEncoding(c.letter, c.charset);
        EXPECT_EQ(Convert(codec, c.in, true), c.out) << c.in;
    }
}

TEST(EncodedWordCodec, LongInputSplitsIntoWordsOfAtMost75AndDecodesBack)
{
    std::string in;
    for (int i = 0; i < 500; ++i)
        in += static_cast<char>(0x80 + i % 100);
    for (const char letter : {'B', 'Q'}) {
        CEncodedWordCodec encoder;
        encoder.SetEncoding(letter, "windows-1252");
        const std::string encoded = Convert(encoder, in, true);
        size_t nStart = 0;
        while (nStart < encoded.size()) {
            const size_t nSpace = encoded.find(' ', nStart);
            const size_t nEnd = nSpace == std::string::npos ? encoded.size() : nSpace;
            EXPECT_LE(nEnd - nStart, 75u) << letter;
            nStart = nEnd + 1;
        }
        CEncodedWordCodec decoder;
        EXPECT_EQ(Convert(decoder, encoded, false), in) << letter;
    }
}

TEST(EncodedWordCodec, CharsetTooLongForAWordIsWrittenAsIs)
{
    // A 64-byte charset leaves no room for text in a 75-character word; before, the bound divided by zero.
    for (const char letter : {'B', 'Q'}) {
        CEncodedWordCodec codec;
        codec.SetEncoding(letter, std::string(64, 'c'));
        EXPECT_EQ(Convert(codec, "\xE9\xE9", true), "\xE9\xE9");
    }
}

TEST(CodecRegistry, CreatesByNameAndFallsBackToIdentity)
{
    EXPECT_NE(dynamic_cast<CQuotedPrintableCodec*>(CreateCodec("Quoted-Printable").get()), nullptr);
    EXPECT_NE(dynamic_cast<CBase64Codec*>(CreateCodec("BASE64").get()), nullptr);
    for (const char* name : {"7bit", "8bit", "", static_cast<const char*>(nullptr), "base64 "}) {
        auto codec = CreateCodec(name);
        EXPECT_EQ(typeid(*codec), typeid(CMimeCodec)) << (name ? name : "(null)");
        codec->SetInput("abcde", 5, false);
        char out[3];
        EXPECT_EQ(codec->GetOutput(out, 3), 3);
        EXPECT_EQ(std::string(out, 3), "abc");
    }
}

TEST(CodecRegistry, RegisterReplacesAndNullFactoryRemoves)
{
    RegisterCodec("X-Test", [] { return std::unique_ptr<CMimeCodec>(std::make_unique<CBase64Codec>()); });
    EXPECT_NE(dynamic_cast<CBase64Codec*>(CreateCodec("x-test").get()), nullptr);
    RegisterCodec("x-TEST", nullptr);
    EXPECT_EQ(typeid(*CreateCodec("X-Test")), typeid(CMimeCodec));
}
