#include "platform/TempFileName.h"
#include "platform/TempFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

void WriteFile(const QString& path, const QByteArray& bytes = "x")
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QStringList EntriesBelow(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

class TempFolderTest : public ::testing::Test {
protected:
    QTemporaryDir m_base;
};

TEST_F(TempFolderTest, PathBelowTheBaseWithOneTrailingSlash)
{
    const QString base = m_base.path();
    const struct {
        QString base;
        QString expected;
    } cases[] = {
        {QString(), QDir::tempPath() + "/KavrenOrlandaCon/"},
        {base, base + "/KavrenOrlandaCon/"},
        {base + "/", base + "/KavrenOrlandaCon/"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.base.toStdString());
        EXPECT_EQ(GetTempFolder(c.base), c.expected);
        EXPECT_TRUE(QFileInfo(c.expected).isDir());
    }
}

TEST_F(TempFolderTest, PathIsReturnedEvenWhenTheFolderCannotBeMade)
{
    const QString base = m_base.path() + "/missing/parent";
    EXPECT_EQ(GetTempFolder(base), base + "/KavrenOrlandaCon/");
    EXPECT_FALSE(QFileInfo::exists(base));

    // A TMPDIR that does not exist must not turn into the root folder.
    const bool rootHadOne = QFileInfo::exists("/KavrenOrlandaCon");
    const QByteArray saved = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(base));
    const QString folder = GetTempFolder(QString());
    qputenv("TMPDIR", saved);
    EXPECT_EQ(folder, base + "/KavrenOrlandaCon/");
    EXPECT_EQ(QFileInfo::exists("/KavrenOrlandaCon"), rootHadOne);
}

TEST_F(TempFolderTest, EmptyFolderDeletesNestedContentAndKeepsTheFolder)
{
    const QString folder = GetTempFolder(m_base.path());
    WriteFile(folder + "a.mht");
    WriteFile(folder + ".hidden");
    WriteFile(folder + "sub/deeper/b.eml");
    WriteFile(folder + "sub/.c");
    QDir().mkpath(folder + "empty/also-empty");

    EmptyFolder(folder);
    EXPECT_TRUE(QFileInfo(folder).isDir());
    EXPECT_EQ(EntriesBelow(folder), QStringList());
}

TEST_F(TempFolderTest, SymbolicLinksAreRemovedAndTheirTargetsSurvive)
{
    const QString outside = m_base.path() + "/outside/";
    WriteFile(outside + "keep.txt");
    WriteFile(outside + "inner/keep-too.txt");
    const QString folder = GetTempFolder(m_base.path());
    ASSERT_TRUE(QFile::link(outside, folder + "dir-link"));
    ASSERT_TRUE(QFile::link(outside + "keep.txt", folder + "file-link"));
    ASSERT_TRUE(QFile::link(m_base.path() + "/nowhere", folder + "dangling-link"));
    WriteFile(folder + "sub/x");
    ASSERT_TRUE(QFile::link(outside + "inner", folder + "sub/nested-link"));

    EmptyFolder(folder);
    EXPECT_EQ(EntriesBelow(folder), QStringList());
    EXPECT_TRUE(QFileInfo::exists(outside + "keep.txt"));
    EXPECT_TRUE(QFileInfo::exists(outside + "inner/keep-too.txt"));
}

// Runs fn(".") in a child process that works inside folder. Root deletes through any permission, so as root
// the child drops to nobody first, which is when a read-only folder really stops a delete. The folder is
// entered through a descriptor opened beforehand, so the folders above it need not be reachable for nobody.
void RunUnprivilegedIn(const QString& folder, void (*fn)(const QString&))
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const bool dropped = ::geteuid() != 0 || (::setgid(65534) == 0 && ::setuid(65534) == 0);
        const bool entered = dropped && ::fchdir(fd) == 0;
        if (entered)
            fn(QStringLiteral("."));
        ::_exit(entered ? 0 : 1);
    }
    ::close(fd);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

TEST_F(TempFolderTest, EntriesThatCannotBeDeletedStayAndTheWalkGoesOn)
{
    const QString folder = GetTempFolder(m_base.path());
    WriteFile(folder + "locked/stays.txt");
    WriteFile(folder + "a-before.txt");
    WriteFile(folder + "z-after/gone.txt");
    const QStringList owned = {m_base.path(), folder, folder + "locked", folder + "locked/stays.txt",
        folder + "a-before.txt", folder + "z-after", folder + "z-after/gone.txt"};
    if (::geteuid() == 0) {
        for (const QString& path : owned)
            ASSERT_EQ(::chown(QFile::encodeName(path).constData(), 65534, 65534), 0);
    }
    ASSERT_EQ(::chmod(QFile::encodeName(folder + "locked").constData(), 0555), 0);

    RunUnprivilegedIn(folder, [](const QString& here) { EmptyFolder(here); });
    EXPECT_EQ(EntriesBelow(folder), QStringList{"locked"});
    EXPECT_TRUE(QFileInfo::exists(folder + "locked/stays.txt"));

    RunUnprivilegedIn(m_base.path(), [](const QString& base) { RemoveTempFolder(base); });
    EXPECT_TRUE(QFileInfo::exists(folder + "locked/stays.txt"));
    ::chmod(QFile::encodeName(folder + "locked").constData(), 0755);
}

TEST_F(TempFolderTest, RemoveTempFolderRemovesTheFolderWithItsContent)
{
    const QString folder = GetTempFolder(m_base.path());
    WriteFile(folder + "sub/file.html");
    RemoveTempFolder(m_base.path());
    EXPECT_FALSE(QFileInfo::exists(folder));
    EXPECT_TRUE(QFileInfo(m_base.path()).isDir());
}

TEST_F(TempFolderTest, TempFileNamesAreNewEmptyFilesWithUniqueNames)
{
    const QString folder = GetTempFolder(m_base.path());
    const QRegularExpression pattern(QStringLiteral("^Tmp[0-9A-F]{1,4}\\.tmp$"));
    QSet<QString> names;
    for (int i = 0; i < 300; ++i) {
        const QString path = GetTempFileName(i % 2 ? folder : folder.chopped(1), QStringLiteral("Tmp"));
        const QFileInfo info(path);
        ASSERT_EQ(info.absolutePath() + "/", folder);
        ASSERT_TRUE(pattern.match(info.fileName()).hasMatch()) << info.fileName().toStdString();
        ASSERT_TRUE(info.isFile());
        EXPECT_EQ(info.size(), 0);
        names.insert(path);
    }
    EXPECT_EQ(names.size(), 300);
}

TEST_F(TempFolderTest, TempFileNameIsEmptyWhenNoFileCanBeMade)
{
    EXPECT_EQ(GetTempFileName(m_base.path() + "/missing", QStringLiteral("Tmp")), QString());
}

} // namespace
