#include "tests/export/ExportFixture.h"

#include "export/SaveOutputJob.h"
#include "tests/support/ScannedMailbox.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <gtest/gtest.h>

ExportFixture::ExportFixture() : outFolder(files.Path(QStringLiteral("out")))
{
    QDir().mkdir(outFolder);
}

void ExportFixture::AddMailbox(const QString& name, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(files.Path(name)).path());
    const HTreeItem folderItem = AddScannedMailbox(frame, ui, files.WriteFile(name, bytes), name);
    ui.TreeSetCheck(ui.TreeGetParent(folderItem), true);
    ui.TreeSetCheck(folderItem, true);
}

int64_t ExportFixture::Save(ExportFormat format, bool hierarchy)
{
    const std::optional<ExportRequest> request = OnSaveOutput(ctx, [&] {
        return std::optional<ExportOptions>(ExportOptions{format, outFolder, hierarchy});
    });
    EXPECT_TRUE(request.has_value());
    return request ? SaveOutputThread(ctx, *request, nullptr) : -1;
}

QStringList ExportFixture::Files(const QString& folder) const
{
    return QDir(QDir(outFolder).filePath(folder)).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot,
                                                             QDir::Name);
}

QByteArray ExportFixture::Read(const QString& relativePath) const
{
    QFile file(QDir(outFolder).filePath(relativePath));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << relativePath.toStdString();
    return file.readAll();
}

QByteArray Mbox(const QList<QByteArray>& emails, const QByteArray& eol)
{
    QByteArray out;
    for (const QByteArray& email : emails) {
        if (!out.isEmpty())
            out += eol;
        out += "From sender@example.com Mon Jan  1 00:00:00 2024" + eol + email;
    }
    return out;
}

QList<QStringList> ParseCsv(const QString& path)
{
    // Python's csv module is an independent RFC 4180 reader; JSON carries its rows back.
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral("-c"), QStringLiteral("import csv, json, sys\n"
                                                      "with open(sys.argv[1], encoding='utf-8-sig', newline='') as f:\n"
                                                      "    print(json.dumps(list(csv.reader(f, strict=True))))\n"),
                  path});
    EXPECT_TRUE(python.waitForFinished(30000));
    EXPECT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
    QList<QStringList> rows;
    for (const QJsonValue& row : QJsonDocument::fromJson(python.readAllStandardOutput()).array())
        rows.append(row.toVariant().toStringList());
    return rows;
}
