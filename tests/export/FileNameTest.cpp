#include "export/SafeFileName.h"
#include "tests/export/ExportFixture.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

const QString kHostileSubjects[] = {
    QStringLiteral("../../x"),
    QString(300, u'a'),
    QStringLiteral("/"),
    QStringLiteral(".."),
    QStringLiteral("a\x01" "b\x1F" "c\x7F" "d\tx\ny"),
    QStringLiteral("C:\\Windows\\win.ini"),
    QString(150, QChar(0x4E2D)),
    QString::fromUtf8("\xF0\x9F\x98\x80").repeated(100),
    QStringLiteral("   "),
};

// A name the file system takes as one new entry of the folder.
void ExpectSafe(const QString& name)
{
    EXPECT_FALSE(name.isEmpty());
    EXPECT_FALSE(name.contains(u'/'));
    EXPECT_FALSE(name.startsWith(u'.'));
    EXPECT_LE(name.toUtf8().size(), 255);
    for (const QChar c : name)
        EXPECT_GE(c.unicode(), 0x20) << name.toStdString();
    EXPECT_FALSE(name.back().isHighSurrogate());
}

} // namespace

TEST(ExportFileName, HostileSubjectsGiveSafeBoundedNames)
{
    for (const QString& subject : kHostileSubjects) {
        const QString name = ExportBaseName(123456, QStringLiteral("\x01../../etc/passwd with a long tail"), subject)
            + QStringLiteral(" (9999).html");
        SCOPED_TRACE(name.toStdString());
        ExpectSafe(name);
        EXPECT_TRUE(name.startsWith(QStringLiteral("123456 ")));
    }
}

TEST(ExportFileName, DateAndSubject)
{
    EXPECT_EQ(ExportBaseName(3, QStringLiteral("Tue, 2 Jan 2024 10:00:00 +0000"), QStringLiteral("Hello, world")),
              QStringLiteral("00003 2024-01-02 Hello, world"));
    EXPECT_EQ(ExportBaseName(4, QString(), QString()), QStringLiteral("00004"));
    EXPECT_EQ(ExportBaseName(5, QStringLiteral("31/12/2023 junk"), QStringLiteral("  a \t b  ")),
              QStringLiteral("00005 31_12_2023 a b"));
}

TEST(ExportFileName, ExportsNeverReplaceOrFollowWhatIsThere)
{
    ExportFixture fixture;
    QList<QByteArray> emails;
    for (const QString& subject : kHostileSubjects)
        emails.append("Subject: " + subject.toUtf8().replace('\n', ' ') + "\n\nbody\n");
    fixture.AddMailbox(QStringLiteral("box.mbox"), Mbox(emails, "\n"));
    // Something already there under the first email's name, and a link that must not be written through.
    const QString first = QStringLiteral("00001 _.._x.eml");
    const QString second = ExportBaseName(2, QString(), QString(300, u'a')) + QStringLiteral(".eml");
    const QString outside = fixture.files.Path(QStringLiteral("outside"));
    fixture.files.WriteFile(QStringLiteral("out/") + first, "keep me");
    ASSERT_TRUE(QFile::link(outside, fixture.outFolder + u'/' + second));

    ASSERT_EQ(fixture.Save(ExportFormat::Eml), emails.size());
    ASSERT_EQ(fixture.Save(ExportFormat::Eml), emails.size());

    EXPECT_EQ(fixture.Read(first), "keep me");
    EXPECT_FALSE(QFile::exists(outside));
    const QStringList names = fixture.Files();
    EXPECT_TRUE(names.contains(QStringLiteral("00001 _.._x (2).eml")));
    EXPECT_TRUE(names.contains(QStringLiteral("00001 _.._x (3).eml")));
    EXPECT_TRUE(names.contains(QStringLiteral("index (2).csv")));
    // Everything landed in the output folder: 2 runs × emails, the kept file and two indexes (the
    // dangling link is not listed).
    EXPECT_EQ(names.size(), 2 * emails.size() + 3);
    for (const QString& name : names)
        ExpectSafe(name);
}
