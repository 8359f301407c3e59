#include "persist/SnapshotCommands.h"
#include "persist/SnapshotFile.h"
#include "scan/ScanJob.h"
#include "scan/ScannedFiles.h"
#include "tests/support/RecordingFrame.h"
#include "tests/support/TempFiles.h"

#include <QFile>
#include <QtEndian>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

struct Session {
    CAppMembers app;
    CFrameMembers frame;
    RecordingFrame ui;
    JobContext ctx{app, frame, ui};

    explicit Session(const QString& tempBase) { app.m_strTempPath = tempBase; }

    void Scan(const QStringList& paths)
    {
        ASSERT_TRUE(BeginOpenCommand(ctx));
        app.m_vecMboxFiles = paths;
        StartScanFiles(ctx);
        frame.m_worker.Join();
    }
    QStringList TreeTexts() const
    {
        QStringList texts;
        for (const HTreeItem file : ui.Children(kNoTreeItem)) {
            texts << ui.Item(file).text;
            for (const HTreeItem folder : ui.Children(file))
                texts << "  " + ui.Item(folder).text;
        }
        return texts;
    }
};

QByteArray Little(uint64_t value, int size)
{
    QByteArray out;
    for (int i = 0; i < size; ++i)
        out.append(char((value >> (8 * i)) & 0xFF));
    return out;
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(SnapshotFile, WritesTheExactBytes)
{
    TempFiles files;
    std::vector<ScannedFileEntry> entries;
    entries.push_back({std::make_unique<MboxFileScanner>(), QStringLiteral("/m/a.mbox"), false, false});
    entries[0].pScanner->m_offsets = {0, 812, 944};
    const QString out = files.Path("one.ORLANDASNAP");
    ASSERT_TRUE(WriteSnapshot(out, entries));

    QByteArray expected = Little(1, 4) + Little(9, 4);
    for (const char c : QByteArray("/m/a.mbox"))
        expected += Little(uint8_t(c), 2);
    expected += Little(0, 1) + Little(0, 1) + Little(3, 8) + Little(0, 8) + Little(812, 8) + Little(944, 8);
    EXPECT_EQ(ReadAll(out), expected);
}

TEST(Snapshot, SaveThenLoadGivesTheSameEntriesAndTree)
{
    TempFiles files;
    const QString inbox = files.WriteFile(QString::fromUtf8("mail/inbox-ä€"), "From a\nx\nFrom b\ny\n");
    const QString imm = files.WriteFile("mail/box.imm", "MIME-Version: 1.0\nTo: a\n\nx\nMIME-Version: 1.0\nTo: b\n");
    const QString gone = files.WriteFile("mail/gone", "From a\n");
    Session saved(files.Folder());
    saved.Scan({inbox, imm, gone});
    saved.frame.m_vecScannedFiles[0].pScanner->m_offsets.pop_back(); // as a stopped scan leaves it
    const QString snapshot = files.Path("s.ORLANDASNAP");
    saved.ui.QueueChosenFile(snapshot);
    ASSERT_EQ(OnSaveSnapshot(saved.ctx), SnapshotOutcome::Done);
    EXPECT_EQ(saved.ui.OutputLines().last().left(33), " file is saving for Snapshot.    ");
    EXPECT_EQ(saved.app.g_bProcessRunning, 0);
    QFile::remove(gone);

    Session loaded(files.Folder());
    loaded.ui.QueueChosenFile(snapshot);
    ASSERT_EQ(OnLoadSnapshot(loaded.ctx), SnapshotOutcome::Done);
    ASSERT_EQ(loaded.frame.m_vecScannedFiles.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        const ScannedFileEntry& a = saved.frame.m_vecScannedFiles[i];
        const ScannedFileEntry& b = loaded.frame.m_vecScannedFiles[i];
        EXPECT_EQ(a.strPath, b.strPath);
        EXPECT_EQ(a.bIsImm, b.bIsImm);
        EXPECT_EQ(a.pScanner->m_offsets, b.pScanner->m_offsets);
    }
    EXPECT_EQ(loaded.TreeTexts(), QStringList({inbox, QString::fromUtf8("  inbox-ä€(1)"), imm, "  box.imm(2)", gone}));
    EXPECT_EQ(loaded.ui.Item(loaded.ui.Children(kNoTreeItem)[0]).image, 0);
    EXPECT_EQ(loaded.ui.OutputLines(), QStringList({"Loading Snapshot. ", "Loading snapshot process completed."}));
    EXPECT_EQ(loaded.ui.Calls().last(), "MessageBox Loading snapshot process completed.");
    EXPECT_TRUE(loaded.ui.Calls().contains("NavigatePreview " + loaded.frame.m_strPreviewFile));
    EXPECT_TRUE(loaded.frame.m_strPreviewFile.endsWith(".html"));
    EXPECT_EQ(loaded.app.m_strCurrentFile, gone);
    EXPECT_EQ(loaded.frame.m_nFileCount, 3);
}

TEST(Snapshot, StoredFlagsAreDerivedAgainAndAnEmptySnapshotLoads)
{
    TempFiles files;
    const QString box = files.WriteFile("box", "From a\n");
    const QByteArray record = Little(uint64_t(box.size()), 4)
        + QByteArray(reinterpret_cast<const char*>(box.utf16()), box.size() * 2) + Little(1, 1) + Little(1, 1)
        + Little(2, 8) + Little(0, 8) + Little(7, 8);
    for (const auto& [bytes, tree] : std::vector<std::pair<QByteArray, QStringList>>{
             {Little(1, 4) + record, {box, "  box(1)"}}, {Little(0, 4), {}}}) {
        Session session(files.Folder());
        session.ui.QueueChosenFile(files.WriteFile("s", bytes));
        EXPECT_EQ(OnLoadSnapshot(session.ctx), SnapshotOutcome::Done);
        EXPECT_EQ(session.TreeTexts(), tree);
        EXPECT_TRUE(std::none_of(session.frame.m_vecScannedFiles.begin(), session.frame.m_vecScannedFiles.end(),
                                 [](const ScannedFileEntry& e) { return e.bIsImm || e.bHasAttachments; }));
        EXPECT_EQ(session.ui.Calls().last(), "MessageBox Loading snapshot process completed.");
    }
}

TEST(Snapshot, DamagedFilesKeepTheRecordsBeforeTheDamage)
{
    TempFiles files;
    std::vector<ScannedFileEntry> entries;
    for (const char* path : {"/a", "/bb"}) {
        entries.push_back({std::make_unique<MboxFileScanner>(), QString::fromLatin1(path), false, false});
        entries.back().pScanner->m_offsets = {0, 5, 9};
    }
    const QString full = files.Path("full");
    ASSERT_TRUE(WriteSnapshot(full, entries));
    const QByteArray bytes = ReadAll(full);
    const qsizetype firstRecordEnd = 4 + 4 + 4 + 10 + 24;

    const QString damaged = "MessageBox The snapshot file is damaged; the files stored before the damage were loaded.";
    for (qsizetype size = 0; size < bytes.size(); ++size) {
        Session session(files.Folder());
        session.ui.QueueChosenFile(files.WriteFile("cut", bytes.left(size)));
        EXPECT_EQ(OnLoadSnapshot(session.ctx), SnapshotOutcome::Damaged) << size;
        EXPECT_EQ(session.frame.m_vecScannedFiles.size(), size < firstRecordEnd ? 0u : 1u) << size;
        EXPECT_EQ(session.ui.Calls().last(), damaged);
        EXPECT_EQ(session.app.g_bProcessRunning, 0);
    }

    const QByteArray huge[] = {
        Little(0xFFFFFFFF, 4) + bytes.mid(4),                                 // more records than stored
        bytes.left(4) + Little(0x7FFFFFFF, 4) + bytes.mid(8),                 // path longer than the file
        bytes.left(firstRecordEnd - 32) + Little(uint64_t(1) << 61, 8) + bytes.mid(firstRecordEnd - 24),
        bytes.left(firstRecordEnd - 32) + Little(~uint64_t(0), 8) + bytes.mid(firstRecordEnd - 24),
    };
    const size_t kept[] = {2, 0, 0, 0};
    for (size_t i = 0; i < std::size(huge); ++i) {
        Session session(files.Folder());
        session.ui.QueueChosenFile(files.WriteFile("huge", huge[i]));
        EXPECT_EQ(OnLoadSnapshot(session.ctx), SnapshotOutcome::Damaged) << i;
        EXPECT_EQ(session.frame.m_vecScannedFiles.size(), kept[i]) << i;
    }
}

TEST(SnapshotFile, OnlyARegularFileOpens)
{
    TempFiles files;
    const QString pipe = files.Path("pipe");
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    SnapshotReader reader;
    EXPECT_FALSE(reader.Open(pipe)); // must not wait for a writer
    EXPECT_FALSE(reader.Open(files.Folder()));
}

TEST(Snapshot, SaveIsRefusedOrReportsAFileItCannotWrite)
{
    TempFiles files;
    Session session(files.Folder());
    EXPECT_EQ(OnSaveSnapshot(session.ctx), SnapshotOutcome::NotRun);
    EXPECT_EQ(session.ui.Calls().last(), "MessageBox Please select file to recover data.");

    session.Scan({files.WriteFile("box", "From a\n")});
    session.app.g_bProcessRunning = 1;
    EXPECT_EQ(OnSaveSnapshot(session.ctx), SnapshotOutcome::NotRun);
    EXPECT_EQ(OnLoadSnapshot(session.ctx), SnapshotOutcome::NotRun);
    EXPECT_EQ(session.ui.Calls().last(), "MessageBox Please stop the running process to continue the process.");
    session.app.g_bProcessRunning = 0;

    EXPECT_EQ(OnSaveSnapshot(session.ctx), SnapshotOutcome::NotRun); // chooser cancelled
    EXPECT_EQ(session.ui.Calls().last(), "SetWaitCursor 0");

    const QString existing = files.WriteFile("keep.ORLANDASNAP", "old snapshot");
    session.ui.QueueChosenFile(files.Path("no-such-folder/s.ORLANDASNAP"));
    EXPECT_EQ(OnSaveSnapshot(session.ctx), SnapshotOutcome::FileFailed);
    EXPECT_EQ(session.ui.Calls().last(), "MessageBox The snapshot file could not be written.");
    EXPECT_EQ(session.app.g_bProcessRunning, 0);
    session.ui.QueueChosenFile(existing);
    EXPECT_EQ(OnSaveSnapshot(session.ctx), SnapshotOutcome::Done);
    EXPECT_EQ(ReadAll(existing).left(4), Little(1, 4));
}

} // namespace
