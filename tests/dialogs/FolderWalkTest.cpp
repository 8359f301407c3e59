#include "ui/dialogs/CFolderWalk.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace {

void Touch(const QString& path)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

void Link(const QString& target, const QString& link)
{
    QCOMPARE(::symlink(QFile::encodeName(target).constData(), QFile::encodeName(link).constData()), 0);
}

// A file is known by its real path; a dangling link, which has none, by its own.
QString Identity(const QString& path)
{
    const QString real = QFileInfo(path).canonicalFilePath();
    return real.isEmpty() ? path : real;
}

QStringList Walk(const QString& root, std::atomic<int>& running, int stopAfter = -1)
{
    QStringList found;
    CFolderWalk(running, [&](const QString& path) {
        found.append(path);
        if (found.size() == stopAfter)
            running = 0;
    }).Walk(root);
    return found;
}

} // namespace

class FolderWalkTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        const QString root = m_dir.path();
        for (const char* name : {"top.txt", "noext", ".hidden", "a/1.mbox", "a/.hidden", "a/b/c/deep",
                 ".secret/inside", "x/x1", "x/x2", "x/sub/x3", "y/y1", "y/y2"})
            Touch(root + "/" + name);
        Link("../..", root + "/a/b/up");  // a cycle back to the root
        Link(root + "/a", root + "/toA"); // a second way into a folder that exists anyway
        Link(root + "/x/x1", root + "/fileLink");
        Link("nowhere", root + "/dangling");
    }

    void everyFileOnceThroughHiddenFoldersAndLinkCycles()
    {
        const QString root = QDir(m_dir.path()).canonicalPath();
        std::atomic<int> running{1};
        const QStringList found = Walk(root, running);

        QStringList identities;
        for (const QString& path : found) {
            QVERIFY2(path.startsWith(root + "/") && !path.contains("//"), qPrintable(path));
            identities.append(Identity(path));
        }
        QStringList expected;
        for (const char* name : {"top.txt", "noext", ".hidden", "a/1.mbox", "a/.hidden", "a/b/c/deep",
                 ".secret/inside", "x/x1", "x/x2", "x/sub/x3", "y/y1", "y/y2", "x/x1", "dangling"})
            expected.append(Identity(root + "/" + name));
        identities.sort();
        expected.sort();
        QCOMPARE(identities, expected); // x/x1 twice: once itself, once as the file link
    }

    // A subfolder's files come where the subfolder was met, not after its parent's other entries.
    void depthFirst()
    {
        std::atomic<int> running{1};
        const QStringList found = Walk(m_dir.path(), running);
        for (const QString& folder : {QStringLiteral("/x/"), QStringLiteral("/y/")}) {
            QList<qsizetype> at;
            for (qsizetype i = 0; i < found.size(); ++i) {
                if (found[i].contains(folder))
                    at.append(i);
            }
            QVERIFY(!at.isEmpty());
            QCOMPARE(at.last() - at.first() + 1, at.size());
        }
    }

    void stopsAtTheNextEntry()
    {
        std::atomic<int> running{1};
        QCOMPARE(Walk(m_dir.path(), running, 3).size(), 3);
        std::atomic<int> stopped{0};
        QVERIFY(Walk(m_dir.path(), stopped).isEmpty());
    }

    void missingOrFileRootReportsNothing()
    {
        std::atomic<int> running{1};
        QVERIFY(Walk(m_dir.path() + "/absent", running).isEmpty());
        QVERIFY(Walk(m_dir.path() + "/top.txt", running).isEmpty());
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(FolderWalkTest)
#include "FolderWalkTest.moc"
