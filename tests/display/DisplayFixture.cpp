#include "tests/display/DisplayFixture.h"

#include "display/EmailListLoader.h"
#include "display/MailPreviewBuilder.h"

#include <QFile>
#include <gtest/gtest.h>

DisplayFixture::DisplayFixture() { app.m_strTempPath = files.Folder(); }

void DisplayFixture::AddMailbox(const QString& name, const QByteArray& bytes)
{
    const QString path = files.WriteFile(name, bytes);
    ScannedFileEntry entry;
    entry.pScanner = std::make_unique<MboxFileScanner>();
    entry.strPath = path;
    entry.bIsImm = name.endsWith(QStringLiteral(".imm"));
    EXPECT_TRUE(entry.pScanner->Open(path));
    if (entry.bIsImm)
        entry.pScanner->ScanMimeVersion(path);
    else
        entry.pScanner->ScanFromLines();
    frame.m_vecScannedFiles.push_back(std::move(entry));
    const HTreeItem fileItem = ui.TreeInsertItem(kNoTreeItem, path, 0, 0);
    ui.TreeSetItemData(fileItem, static_cast<int64_t>(frame.m_vecScannedFiles.size()));
    folderItem = ui.TreeInsertItem(fileItem, name, 0, 0);
    ui.TreeSetItemData(folderItem, static_cast<int64_t>(frame.m_vecScannedFiles.size()));
}

int DisplayFixture::ListFolder()
{
    EXPECT_TRUE(OnShowFolderMails(ctx, folderItem));
    return ShowFolderMailsThread(ctx);
}

QByteArray DisplayFixture::Preview(int64_t row)
{
    ListFolder();
    EXPECT_TRUE(OnShowMailPreview(ctx, row));
    EXPECT_EQ(ShowMailPreviewThread(ctx), 1);
    EXPECT_EQ(app.g_bProcessRunning.load(), 0);
    QFile file(frame.m_strPreviewFile);
    EXPECT_TRUE(frame.m_strPreviewFile.endsWith(QStringLiteral(".mht")));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

QStringList DisplayFixture::Captions() const
{
    QStringList captions;
    for (const QString& call : ui.CallsStartingWith(QStringLiteral("SetCaptionText ")))
        captions.append(call.mid(15));
    return captions;
}

QByteArray Mbox(const QStringList& emails, const QByteArray& eol)
{
    QByteArray out;
    for (const QString& email : emails) {
        if (!out.isEmpty())
            out += eol;
        out += "From sender@example.org Mon Jan  1 10:00:00 2024" + eol;
        out += email.toUtf8().replace("\n", eol);
    }
    return out;
}
