#include "tests/cli/CliRun.h"
#include "tests/support/TempFiles.h"

#include <QDir>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

QString PdfText(const QString& path)
{
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    return text.waitForFinished(60000) ? QString::fromUtf8(text.readAllStandardOutput()) : QString();
}

TEST(OrlandaCliPdf, ExportPrintsEveryEmailOfAMailboxToAPdf)
{
    TempFiles files;
    const QString inbox = qEnvironmentVariable("ORLANDA_SOURCE_DIR") + QStringLiteral("/samples/inbox.mbox");
    const CliRun run = RunCli({"export", "--format", "pdf", "--out", files.Folder(), inbox}, files.Folder());
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("3 emails have been saved to " + files.Folder())) << run.err.toStdString();

    const QDir out(files.Folder());
    const QStringList pdfs = out.entryList({QStringLiteral("*.pdf")});
    ASSERT_EQ(pdfs.size(), 3);
    bool subjectFound = false;
    for (const QString& pdf : pdfs) {
        const QString text = PdfText(out.filePath(pdf));
        EXPECT_FALSE(text.trimmed().isEmpty()) << pdf.toStdString();
        subjectFound = subjectFound || text.contains(QStringLiteral("Quarterly figures"));
    }
    EXPECT_TRUE(subjectFound);
    EXPECT_TRUE(out.exists(QStringLiteral("index.csv")));
}

} // namespace
