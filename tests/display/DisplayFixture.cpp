#include "tests/display/DisplayFixture.h"

#include "display/EmailListLoader.h"
#include "display/MailPreviewBuilder.h"
#include "tests/support/ScannedMailbox.h"

#include <QFile>
#include <gtest/gtest.h>

DisplayFixture::DisplayFixture() { app.m_strTempPath = files.Folder(); }

void DisplayFixture::AddMailbox(const QString& name, const QByteArray& bytes)
{
    folderItem = AddScannedMailbox(frame, ui, files.WriteFile(name, bytes), name);
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
