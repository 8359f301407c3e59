#include "scan/CrLfHistory.h"
#include "scan/MboxFileScanner.h"
#include "scan/HeaderNames.h"
#include "scan/ScanProgress.h"
#include "tests/support/RecordingFrame.h"
#include "tests/support/TempFiles.h"

#include <QFile>
#include <gtest/gtest.h>
#include <functional>
#include <random>

namespace {

using Table = MessageOffsetTable;

// The scans written the plain way, one byte position at a time, as the reference for the fast ones.
bool StartsWith(const QByteArray& data, qsizetype at, const char* text)
{
    const qsizetype size = qsizetype(strlen(text));
    return at + size <= data.size() && memcmp(data.constData() + at, text, size_t(size)) == 0;
}

Table ReferenceFromLines(const QByteArray& data)
{
    Table table;
    for (qsizetype p = 0; p < data.size(); ++p) {
        if (p == 0)
            table.push_back(0);
        if ((data[p] == '\n' || data[p] == '\r') && StartsWith(data, p + 1, "From "))
            table.push_back(uint64_t(p));
    }
    table.push_back(uint64_t(data.size()));
    return table;
}

bool ReferenceLinesAfter(const QByteArray& data, qsizetype offset)
{
    qsizetype start = offset;
    for (int line = 0; line < 10 && start < data.size(); ++line) {
        if (StartsWith(data, start, "Subject:") || StartsWith(data, start, "To:") || StartsWith(data, start, "From:"))
            return true;
        const qsizetype lf = data.indexOf('\n', start);
        if (lf < 0)
            return false;
        start = lf + 1;
    }
    return false;
}

uint64_t ReferenceHeaderStartBefore(const QByteArray& data, qsizetype offset)
{
    qsizetype cursor = offset, result = offset;
    int breaks = 0;
    bool to = false, from = false, subject = false;
    if (offset == 0)
        return 0;
    while (breaks < 10) {
        --cursor;
        if (data[cursor] == '\r' && data[cursor + 1] == '\n') {
            ++breaks;
            result = cursor;
            const qsizetype line = cursor + 2;
            if (StartsWith(data, line, "To:"))
                result = line, to = true;
            if (StartsWith(data, line, "From:"))
                result = line, from = true;
            if (StartsWith(data, line, "Subject:"))
                result = line, subject = true;
            if (to && from && subject)
                break;
        }
        if (cursor == 0)
            break;
    }
    return uint64_t(result);
}

Table ReferenceMimeVersion(const QByteArray& data)
{
    Table table;
    int64_t matches = StartsWith(data, 0, "MIME-Version: 1.0") ? 1 : 0; // the first message's own line
    for (qsizetype p = 0; p < data.size(); ++p) {
        if (p == 0)
            table.push_back(0);
        if (data[p] != '\n' || !StartsWith(data, p + 1, "MIME-Version: 1.0") || ++matches < 2)
            continue;
        table.push_back(ReferenceLinesAfter(data, p) ? uint64_t(p) : ReferenceHeaderStartBefore(data, p));
    }
    table.push_back(uint64_t(data.size()));
    return table;
}

enum class Kind { FromLines, MimeVersion };

Table Scan(const QString& path, Kind kind, bool mapped, IProgressNotify* notify = nullptr)
{
    MboxFileScanner scanner;
    EXPECT_TRUE(scanner.Open(path));
    scanner.m_bAllowMapping = mapped;
    scanner.m_hWndNotify = notify;
    EXPECT_EQ(kind == Kind::FromLines ? scanner.ScanFromLines() : scanner.ScanMimeVersion(path), 1);
    EXPECT_TRUE(scanner.m_bContinue);
    return scanner.m_offsets;
}

struct Case {
    const char* name;
    QByteArray bytes;
    Kind kind;
    Table expected;
};

const QByteArray kImmAfter = "MIME-Version: 1.0\nFrom: a\n\nbody\nMIME-Version: 1.0\nTo: b\n\nbody\n";
const QByteArray kImmBefore = "Subject: s\r\nFrom: a\r\nTo: b\r\nMIME-Version: 1.0\r\n\r\nbody\r\n"
                              "Subject: t\r\nFrom: c\r\nTo: d\r\nMIME-Version: 1.0\r\n\r\nbody2\r\n";

TEST(MboxFileScanner, FindsTheDocumentedTablesOnBothPaths)
{
    const std::vector<Case> cases = {
        {"empty", "", Kind::FromLines, {0}},
        {"lf", "From a\nFrom b\n", Kind::FromLines, {0, 6, 14}},
        {"crlf", "From a\r\nFrom b\r\n", Kind::FromLines, {0, 7, 16}},
        {"cr only", "From a\rFrom b\r", Kind::FromLines, {0, 6, 14}},
        {"leading break", "\nFrom a\n", Kind::FromLines, {0, 0, 8}},
        {"no separator", "hello\n", Kind::FromLines, {0, 6}},
        {"not separators", "From a\nFrom: x\n>From y\nxFrom z\n\nFrom", Kind::FromLines, {0, 36}},
        {"imm empty", "", Kind::MimeVersion, {0}},
        {"imm one message", "MIME-Version: 1.0\nTo: a\n\nhi\n", Kind::MimeVersion, {0, 28}},
        {"imm opening with the version line", kImmAfter, Kind::MimeVersion, {0, 31, uint64_t(kImmAfter.size())}},
        {"imm headers before", kImmBefore, Kind::MimeVersion,
         {0, uint64_t(kImmBefore.indexOf("Subject: t")), uint64_t(kImmBefore.size())}},
        {"imm other versions", "MIME-Version: 1.0\nTo: a\n\nx\nmime-version: 1.0\nTo: b\nMIME-Version: 1.1\nTo: c\n",
         Kind::MimeVersion, {0, 75}},
    };
    TempFiles files;
    for (const Case& c : cases) {
        const QString path = files.WriteFile(QString::fromLatin1(c.name), c.bytes);
        EXPECT_EQ(Scan(path, c.kind, true), c.expected) << c.name << " mapped";
        EXPECT_EQ(Scan(path, c.kind, false), c.expected) << c.name << " buffered";
    }
}

// Random files of separator fragments, large enough to cross the scanner's block boundaries.
QByteArray RandomMailbox(unsigned seed, qsizetype size)
{
    static const char* const kTokens[] = {"\n", "\r\n", "\r", "From ", "MIME-Version: 1.0", "To:", "From:",
                                          "Subject:", "x", "body text ", "F", "MIME-Version: 1.0\r\n"};
    std::mt19937 random(seed);
    std::uniform_int_distribution<size_t> pick(0, std::size(kTokens) - 1);
    QByteArray data;
    data.reserve(size + 32);
    while (data.size() < size)
        data += kTokens[pick(random)];
    return data;
}

TEST(MboxFileScanner, MatchesTheByteByByteScanOnRandomFiles)
{
    TempFiles files;
    for (unsigned seed = 1; seed <= 3; ++seed) {
        const QByteArray data = RandomMailbox(seed, (1 << 20) + 4096 * seed);
        const QString path = files.WriteFile(QStringLiteral("random%1").arg(seed), data);
        const Table fromLines = ReferenceFromLines(data);
        const Table mimeVersion = ReferenceMimeVersion(data);
        for (const bool mapped : {true, false}) {
            EXPECT_EQ(Scan(path, Kind::FromLines, mapped), fromLines) << seed << mapped;
            EXPECT_EQ(Scan(path, Kind::MimeVersion, mapped), mimeVersion) << seed << mapped;
        }
    }
}

TEST(MboxFileScanner, SeparatorsAcrossTheBlockBoundary)
{
    TempFiles files;
    for (int shift = 0; shift <= 20; ++shift) {
        QByteArray data((1 << 20) - shift, 'x');
        data += "\r\nFrom a\r\nMIME-Version: 1.0\r\nTo: b\r\n";
        data.prepend("MIME-Version: 1.0\nTo: a\n");
        const QString path = files.WriteFile(QStringLiteral("edge%1").arg(shift), data);
        for (const bool mapped : {true, false}) {
            EXPECT_EQ(Scan(path, Kind::FromLines, mapped), ReferenceFromLines(data)) << shift;
            EXPECT_EQ(Scan(path, Kind::MimeVersion, mapped), ReferenceMimeVersion(data)) << shift;
        }
    }
}

TEST(CrLfHistory, AgreesWithTheBackwardWalk)
{
    const QByteArray cases[] = {
        "a\r\nb\r\nc\r\nd\r\ne\r\nf\r\ng\r\nh\r\ni\r\nj\r\nk\r\nl\r\n\n",
        "To: a\r\nFrom: b\r\nSubject: c\r\nx\r\n\n",
        "Subject: c\r\nx\r\nTo: a\r\nFrom: b\r\n\n",
        "From: a\nTo: b\nSubject: c\n\n",
        "\r\nTo:x\r\n\n",
    };
    for (const QByteArray& data : cases) {
        CrLfHistory history;
        for (qsizetype lf = data.indexOf('\n'); lf >= 0; lf = data.indexOf('\n', lf + 1)) {
            if (lf > 0 && data[lf - 1] == '\r') {
                const QByteArray next = data.mid(lf + 1, 8);
                history.Push(uint64_t(lf - 1), HeaderNamesAt(reinterpret_cast<const unsigned char*>(next.data()),
                                                             uint64_t(next.size())));
            }
            EXPECT_EQ(history.FindHeaderStartBefore(uint64_t(lf)), ReferenceHeaderStartBefore(data, lf))
                << data.constData() << " at " << lf;
        }
    }
}

// Progress as a byte-by-byte scan would show it: the start, every changed position, the end.
QStringList ReferenceProgress(uint64_t length)
{
    QStringList calls{"ProgressRange 0 1000", "ProgressPos 0"};
    int64_t last = 0;
    for (uint64_t p = 0; p < length; p += 100) {
        const auto pos = int64_t(p * 1000 / length);
        if (pos != last)
            calls << QStringLiteral("ProgressPos %1").arg(last = pos);
    }
    calls << "ProgressPos 1000";
    return calls;
}

TEST(MboxFileScanner, ReportsEachChangedProgressPosition)
{
    TempFiles files;
    for (const qsizetype size : {qsizetype(150), qsizetype(99'999), qsizetype(3 << 20)}) {
        const QString path = files.WriteFile(QStringLiteral("p%1").arg(size), QByteArray(size, 'x'));
        for (const bool mapped : {true, false}) {
            RecordingFrame frame;
            Scan(path, Kind::FromLines, mapped, &frame);
            EXPECT_EQ(frame.Calls(), ReferenceProgress(uint64_t(size))) << size;
        }
    }
}

// Scans path with the "From " scan and runs action when the bar first moves, in the middle of the scan.
Table ScanInterrupted(const QString& path, bool mapped, const std::function<void(MboxFileScanner&)>& action)
{
    MboxFileScanner scanner;
    EXPECT_TRUE(scanner.Open(path));
    scanner.m_bAllowMapping = mapped;
    RecordingFrame frame;
    frame.onCall = [&](const QString& call) {
        if (call == "ProgressPos 1")
            action(scanner);
    };
    scanner.m_hWndNotify = &frame;
    scanner.ScanFromLines();
    EXPECT_TRUE(scanner.m_bContinue);
    EXPECT_EQ(frame.Calls().last(), "ProgressPos 1000");
    return scanner.m_offsets;
}

TEST(MboxFileScanner, StopKeepsTheOffsetsFoundSoFarWithoutTheLength)
{
    TempFiles files;
    const QByteArray data = RandomMailbox(7, 3 << 20);
    const QString path = files.WriteFile("stop", data);
    const Table full = ReferenceFromLines(data);
    for (const bool mapped : {true, false}) {
        const Table stopped = ScanInterrupted(path, mapped, [](MboxFileScanner& s) { s.m_bContinue = false; });
        ASSERT_GT(stopped.size(), 1u);
        ASSERT_LT(stopped.size(), full.size() - 1);
        EXPECT_TRUE(std::equal(stopped.begin(), stopped.end(), full.begin()));
    }

    MboxFileScanner stoppedBeforeStart;
    ASSERT_TRUE(stoppedBeforeStart.Open(path));
    stoppedBeforeStart.m_bContinue = false;
    stoppedBeforeStart.ScanFromLines();
    EXPECT_TRUE(stoppedBeforeStart.m_offsets.empty());
    EXPECT_TRUE(stoppedBeforeStart.m_bContinue);
}

TEST(MboxFileScanner, FileShrinkingDuringTheScanEndsItWithoutACrash)
{
    TempFiles files;
    const QString path = files.WriteFile("shrinks", RandomMailbox(8, 4 << 20));
    for (const bool mapped : {true, false}) {
        const Table cut = ScanInterrupted(path, mapped, [&](MboxFileScanner&) { QFile::resize(path, 1000); });
        ASSERT_FALSE(cut.empty());
        EXPECT_NE(cut.back(), uint64_t(4 << 20)) << "no length entry for a file that was cut";
        QFile::resize(path, 4 << 20);
    }
}

TEST(MboxFileScanner, ReadsHeaderLinesBeyondFourGigabytes)
{
    TempFiles files;
    const QString path = files.Path("sparse");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const qint64 far = (qint64(5) << 30) + 7;
    ASSERT_TRUE(file.seek(far));
    file.write("\nMIME-Version: 1.0\nx\nSubject: s\n");
    file.close();
    CFile reader;
    ASSERT_TRUE(reader.Open(path));
    EXPECT_TRUE(MboxFileScanner::HasHeaderLinesAfter(reader, uint64_t(far)));
    EXPECT_FALSE(MboxFileScanner::HasHeaderLinesAfter(reader, uint64_t(far) + 31));

    RecordingFrame frame;
    const uint64_t length = uint64_t(6) << 30;
    ScanProgress progress(&frame, length);
    progress.Start();
    progress.Advance(length / 2 + 100);
    EXPECT_EQ(frame.Calls().last(), "ProgressPos 500");
}

} // namespace
