#include "platform/TextCodec.h"

#include <gtest/gtest.h>

namespace {

QString Units(std::initializer_list<char16_t> units)
{
    QString text;
    for (char16_t unit : units)
        text.append(QChar(unit));
    return text;
}

TEST(TextCodec, AnsiBytes80To9FMapToWindows1252AndBack)
{
    // 0x81 0x8D 0x8F 0x90 0x9D have no Windows-1252 character and keep their value as C1 controls.
    const char16_t expected[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6,
        0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    QByteArray bytes("<");
    for (int b = 0x80; b <= 0x9F; ++b)
        bytes.append(char(b));
    bytes.append(">");

    const QString wide = AnsiToWide(bytes.constData(), bytes.size());
    ASSERT_EQ(wide.size(), 34);
    EXPECT_EQ(wide.front(), u'<');
    EXPECT_EQ(wide.back(), u'>');
    for (int i = 0; i < 32; ++i)
        EXPECT_EQ(wide[i + 1].unicode(), expected[i]) << "byte 0x" << std::hex << (0x80 + i);
    EXPECT_EQ(WideToAnsi(wide), bytes);
}

TEST(TextCodec, EveryAnsiByteSurvivesTheRoundTrip)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString wide = AnsiToWide(all.constData(), all.size());
    EXPECT_EQ(wide.size(), 256);
    EXPECT_EQ(WideToAnsi(wide), all);
    EXPECT_EQ(AnsiToWide(nullptr, 0), QString());
}

TEST(TextCodec, WideCharactersWithoutAnAnsiByteBecomeOneQuestionMarkEach)
{
    const struct {
        QString wide;
        QByteArray ansi;
    } cases[] = {
        {Units({0x0100, 0x20AC, 0x0041}), "?\x80" "A"},
        {QString::fromUtf8("\xF0\x9F\x98\x80") + "x", "?x"}, // a surrogate pair is one character
        {Units({0xD800, 0x0041}), "?A"},                     // a lone surrogate
        {Units({0x0041, 0xDC00}), "A?"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WideToAnsi(c.wide), c.ansi) << c.ansi.toStdString();
}

TEST(TextCodec, Utf8ToWideReplacesEachInvalidSequenceOnce)
{
    const struct {
        QByteArray utf8;
        QString wide;
    } cases[] = {
        {"a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80", Units({u'a', 0xE9, 0x20AC, 0xD83D, 0xDE00})},
        {QByteArray("a\0b", 3), Units({u'a', 0, u'b'})},
        {"\xE2\x82" "A", Units({0xFFFD, u'A'})},          // truncated three-byte sequence
        {"a\xF0\x9F\x98", Units({u'a', 0xFFFD})},         // truncated at the end
        {"\x80\xBF", Units({0xFFFD, 0xFFFD})},            // stray continuation bytes
        {"\xC0\xAF", Units({0xFFFD, 0xFFFD})},            // overlong form
        {"\xED\xA0\x80", Units({0xFFFD, 0xFFFD, 0xFFFD})}, // encoded surrogate
        {"\xF4\x90\x80\x80", Units({0xFFFD, 0xFFFD, 0xFFFD, 0xFFFD})}, // above U+10FFFF
        {"\xFF" "b", Units({0xFFFD, u'b'})},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Utf8ToWide(c.utf8.constData(), c.utf8.size()), c.wide) << c.utf8.toHex().toStdString();
}

TEST(TextCodec, ConvertToUtf8FromNamedCharsets)
{
    const struct {
        QByteArray charset;
        QByteArray bytes;
        bool known;
        QByteArray utf8;
    } cases[] = {
        {"ISO-8859-1", "caf\xE9 \x80", true, "caf\xC3\xA9 \xC2\x80"},
        {"windows-1252", "\x93" "caf\xE9\x94 \x80", true, "\xE2\x80\x9C" "caf\xC3\xA9\xE2\x80\x9D \xE2\x82\xAC"},
        {"windows-1252", "a\x81" "b", true, "a\xEF\xBF\xBD" "b"}, // undefined byte: replaced, not the end
        {"UTF-8", "a\xFF" "b\xE2\x82", true, "a\xEF\xBF\xBD" "b\xEF\xBF\xBD\xEF\xBF\xBD"},
        {"x-no-such-charset", "abc", false, ""},
        {"UTF-8//IGNORE", "abc", false, ""},
        {"", "abc", false, ""},
    };
    for (const auto& c : cases) {
        QByteArray out = "stale";
        EXPECT_EQ(ConvertToUtf8(c.bytes, c.charset, out), c.known) << c.charset.toStdString();
        EXPECT_EQ(out, c.utf8) << c.charset.toStdString();
    }
}

} // namespace
