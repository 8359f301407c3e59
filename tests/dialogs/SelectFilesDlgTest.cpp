#include "platform/ScriptedPrompts.h"
#include "platform/TempFolder.h"
#include "scan/JobContext.h"
#include "ui/dialogs/CSelectFilesDlg.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
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

// The dialog with scripted prompts, and the ways a person works it.
struct Harness {
    CAppMembers app;
    CScriptedPrompts prompts;
    CSelectFilesDlg dlg{app, nullptr, &prompts};

    template <typename T = QPushButton>
    T* Control(const QString& name) const
    {
        T* control = dlg.findChild<T*>(name);
        if (!control)
            qFatal("no control %s", qPrintable(name));
        return control;
    }
    void Click(const QString& button) const { Control(button)->click(); }
    QString Status() const { return Control<QLineEdit>("status")->text(); }
    QAbstractItemModel* Model() const { return Control<QTableView>("fileList")->model(); }
    QStringList Rows() const
    {
        QStringList rows;
        for (int row = 0; row < Model()->rowCount(); ++row)
            rows.append(Model()->index(row, 0).data().toString());
        return rows;
    }
    bool Idle() const { return Control("Stop")->isHidden() && Control<QProgressBar>("progress")->isHidden(); }
    void AddFiles(const QStringList& paths)
    {
        prompts.QueueOpenFiles(paths);
        Click("Add Files");
        QTRY_VERIFY(Idle());
    }
    void Search(const QString& folder)
    {
        prompts.QueueFolder(folder);
        Click("Search File");
        QTRY_VERIFY(Idle());
    }
};

} // namespace

class SelectFilesDlgTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_root = m_dir.path();
        for (const char* name : {"A.mbox", "B.mbox", "C.mbox", "D.mbox", "E.mbox", "\u00c4.mbox", "\u00e4.mbox"})
            Touch(m_root + "/" + name);
    }

    void opensEmptyWithTheSystemTemporaryFolder()
    {
        Harness h;
        QCOMPARE(h.Control<QLineEdit>("tempPath")->text(), SystemTempPath() + "/");
        QCOMPARE(h.Status(), QString("Add files to continue the process."));
        QVERIFY(h.Rows().isEmpty());
        QVERIFY(h.Idle());
    }

    void addFilesSkipsMissingAndAsciiCaseDuplicates()
    {
        Harness h;
        h.AddFiles({Path("A.mbox"), Path("gone.mbox"), Path("B.mbox"), Path("a.MBOX"), Path("\u00c4.mbox"),
            Path("\u00e4.mbox")});
        // Only A-Z fold: the two umlaut names are different files.
        QCOMPARE(h.Rows(), QStringList({Path("A.mbox"), Path("B.mbox"), Path("\u00c4.mbox"), Path("\u00e4.mbox")}));
        QCOMPARE(h.prompts.Shown(), QStringList{"Selected file is not valid."});
        QCOMPARE(h.Status(), QString("Total number of files: [4]"));
        QVERIFY(!h.Model()->index(0, 0).data(Qt::DecorationRole).value<QIcon>().isNull());

        // A listed path in other case is skipped silently, even when it does not exist as typed.
        h.AddFiles({Path("b.mbox"), Path("A.MBOX"), Path("C.mbox")});
        QCOMPARE(h.Rows().size(), 5);
        QCOMPARE(h.prompts.Shown().size(), 1);

        h.AddFiles({}); // cancelled picker
        QCOMPARE(h.Rows().size(), 5);
        QCOMPARE(h.Status(), QString("Total number of files: [5]"));
    }

    void removeAndRemoveAll()
    {
        Harness h;
        h.Click("Remove");
        h.Click("Remove All");
        h.AddFiles({Path("A.mbox"), Path("B.mbox"), Path("C.mbox"), Path("D.mbox"), Path("E.mbox")});
        h.Click("Remove");
        auto* selection = h.Control<QTableView>("fileList")->selectionModel();
        for (int row : {0, 2, 4})
            selection->select(h.Model()->index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
        h.Click("Remove");
        QCOMPARE(h.Rows(), QStringList({Path("B.mbox"), Path("D.mbox")}));
        QCOMPARE(h.Status(), QString("Total number of files: [2]"));

        h.app.m_vecMboxFiles = {"earlier"};
        h.Click("Remove All");
        QVERIFY(h.Rows().isEmpty());
        QVERIFY(h.app.m_vecMboxFiles.isEmpty());
        QCOMPARE(h.Status(), QString("Add files to continue the process."));
        QCOMPARE(h.prompts.Shown(), QStringList({"No file(s) is present in the list to remove.",
                                        "No file is present in the list to remove", "No file(s) selected to remove."}));
    }

    void okValidatesThenHandsOver()
    {
        Harness h;
        h.app.m_strTempPath = "before";
        h.app.m_vecMboxFiles = {"earlier"};
        const QString temp = m_root + "/temp";
        QVERIFY(QDir().mkpath(temp));
        h.prompts.QueueFolder(temp + "  ");
        h.Click("...");
        QCOMPARE(h.Control<QLineEdit>("tempPath")->text(), temp);
        QVERIFY(QDir(temp).removeRecursively());

        h.Click("OK");
        QCOMPARE(h.app.m_strTempPath, QString("before"));
        h.Click("..."); // cancelled: the field keeps the vanished folder
        h.prompts.QueueFolder(m_root);
        h.Click("...");
        h.Click("OK");
        QCOMPARE(h.app.m_strTempPath, m_root); // stored although the empty list is refused
        QCOMPARE(h.dlg.result(), 0);
        QCOMPARE(h.prompts.Shown(),
            QStringList({"Please select valid temporary folder path to create temporary files during conversion process.",
                "Please select valid folder path.", "Please select files to continue the process."}));
        QCOMPARE(h.prompts.FolderTitles(), QStringList(3, "Select temporary folder path."));

        h.AddFiles({Path("B.mbox"), Path("A.mbox")});
        h.Click("OK");
        QCOMPARE(h.dlg.result(), int(QDialog::Accepted));
        QCOMPARE(h.app.m_vecMboxFiles, QStringList({"earlier", Path("B.mbox"), Path("A.mbox")}));

        Harness again; // a new showing starts afresh
        QVERIFY(again.Rows().isEmpty());
        QCOMPARE(again.Control<QLineEdit>("tempPath")->text(), SystemTempPath() + "/");
    }

    void cancelHandsNothingOver()
    {
        Harness h;
        h.app.m_strTempPath = "before";
        h.app.m_vecMboxFiles = {"earlier"};
        h.AddFiles({Path("A.mbox")});
        h.Click("Cancel");
        QCOMPARE(h.dlg.result(), int(QDialog::Rejected));
        QCOMPARE(h.app.m_strTempPath, QString("before"));
        QCOMPARE(h.app.m_vecMboxFiles, QStringList{"earlier"});
    }

    void enterAndEscapeDoNotEndTheDialog()
    {
        Harness h;
        h.dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&h.dlg));
        h.Control("OK")->setFocus();
        QTest::keyClick(h.Control("OK"), Qt::Key_Return);
        QTest::keyClick(h.Control("OK"), Qt::Key_Enter);
        QTest::keyClick(h.Control<QTableView>("fileList"), Qt::Key_Escape);
        QTest::keyClick(&h.dlg, Qt::Key_Escape);
        QVERIFY(h.dlg.isVisible());
        QVERIFY(h.prompts.Shown().isEmpty()); // OK was not pressed either
    }

    void searchListsEveryFileOnce()
    {
        QTemporaryDir tree;
        const QString root = QDir(tree.path()).canonicalPath();
        for (const char* name : {"inbox", ".hidden.mbox", "deep/er/est/mail.mbox", ".dot/x"})
            Touch(root + "/" + name);
        QCOMPARE(::symlink("../..", QFile::encodeName(root + "/deep/er/loop").constData()), 0);

        Harness h;
        h.AddFiles({root + "/inbox"}); // the search finds it again and skips it
        h.Search(" " + root + " ");
        QVERIFY(!h.Model()->index(0, 0).data(Qt::DecorationRole).isNull());
        QVERIFY(h.Model()->index(1, 0).data(Qt::DecorationRole).isNull()); // found rows carry no picture
        QStringList rows = h.Rows();
        rows.sort();
        QStringList expected{root + "/.dot/x", root + "/.hidden.mbox", root + "/deep/er/est/mail.mbox",
            root + "/inbox"};
        QCOMPARE(rows, expected);
        QCOMPARE(h.Status(), QString("Total number of files: [4]"));
        QCOMPARE(h.prompts.FolderTitles(), QStringList({"Select folder to search file(s)"}));

        QTemporaryDir empty;
        Harness other;
        other.Search(empty.path());
        QVERIFY(other.Rows().isEmpty());
        QCOMPARE(other.Status(), QString()); // the search form of the status line
    }

    void guardsAndStopWhileSearching()
    {
        QTemporaryDir tree;
        for (int folder = 0; folder < 20; ++folder) {
            for (int file = 0; file < 100; ++file)
                Touch(QString("%1/f%2/m%3").arg(tree.path()).arg(folder).arg(file));
        }
        Harness h;
        h.prompts.QueueFolder(tree.path());
        h.Click("Search File");
        QVERIFY(!h.Idle());
        h.Click("Add Files");
        h.Click("Search File");
        h.Click("Remove");
        h.prompts.QueueYesNo(true);
        h.Click("Stop");
        h.Click("Add Files"); // stopped, but refused until the worker's last batch is in
        QTRY_VERIFY(h.Idle());
        QVERIFY(h.Rows().size() <= 2000);
        QCOMPARE(h.Status(), h.Rows().isEmpty() ? QString() : QString("Total number of files: [%1]").arg(h.Rows().size()));
        QCOMPARE(h.prompts.Shown(),
            QStringList({"Please stop the running process to add file(s) in the list.",
                "Please stop the running process to search mbox files",
                "Please stop the running process to remove file(s) from the list.",
                "Do you want to stop the running process.",
                "Please stop the running process to add file(s) in the list."}));

        h.AddFiles({Path("A.mbox")}); // idle again: a new worker may start
        QVERIFY(h.Rows().contains(Path("A.mbox")));
    }

    // Closing while a search runs waits for the worker before the controls go away.
    void cancelDuringSearch()
    {
        QTemporaryDir tree;
        for (int file = 0; file < 500; ++file)
            Touch(QString("%1/m%2").arg(tree.path()).arg(file));
        auto h = std::make_unique<Harness>();
        h->prompts.QueueFolder(tree.path());
        h->Click("Search File");
        h->Click("Cancel");
        QVERIFY(h->Idle());
        h.reset();
        QTest::qWait(50); // nothing may still arrive for the destroyed dialog
    }

    void controlsSitAtTheirTemplateRectangles()
    {
        Harness h;
        const QFontMetrics metrics(h.dlg.font());
        const double cx = metrics.averageCharWidth() / 4.0;
        const double cy = metrics.height() / 8.0;
        auto pixels = [&](int x, int y, int w, int height) {
            return QRect(qRound(x * cx), qRound(y * cy), qRound(w * cx), qRound(height * cy));
        };
        QCOMPARE(h.dlg.size(), pixels(0, 0, 359, 285).size());
        QCOMPARE(h.Control<QTableView>("fileList")->geometry(), pixels(10, 72, 340, 143));
        QCOMPARE(h.Control("OK")->geometry(), pixels(129, 265, 50, 16));
        QCOMPARE(h.Control("Stop")->geometry(), pixels(311, 238, 39, 17));
        QCOMPARE(h.Control<QLineEdit>("tempPath")->geometry(), pixels(11, 16, 313, 14));
        for (const QWidget* child : h.dlg.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            QVERIFY2(h.dlg.rect().contains(child->geometry()), qPrintable(child->objectName()));
        QCOMPARE(h.Control<QTableView>("fileList")->model()->headerData(0, Qt::Horizontal).toString(),
            QString("File Name"));
    }

    // With ORLANDA_SCREENSHOT_DIR set (scripts/screenshot-select-files), pictures of the dialog with rows.
    void screenshot()
    {
        const QString folder = qEnvironmentVariable("ORLANDA_SCREENSHOT_DIR");
        if (folder.isEmpty())
            QSKIP("ORLANDA_SCREENSHOT_DIR not set");
        Harness h;
        QStringList picks;
        for (const char* name : {"A.mbox", "B.mbox", "C.mbox", "D.mbox", "E.mbox"})
            picks.append(Path(name));
        h.AddFiles(picks);
        h.Search(m_root);
        h.dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&h.dlg));
        QVERIFY(h.dlg.grab().save(folder + "/select-files.png"));
        h.Control("Stop")->show();
        h.Control<QProgressBar>("progress")->setRange(0, 100);
        h.Control<QProgressBar>("progress")->setValue(40);
        h.Control<QProgressBar>("progress")->show();
        QVERIFY(h.dlg.grab().save(folder + "/select-files-running.png"));
    }

private:
    QString Path(const char* name) const { return m_root + "/" + QString::fromUtf8(name); }

    QTemporaryDir m_dir;
    QString m_root;
};

QTEST_MAIN(SelectFilesDlgTest)
#include "SelectFilesDlgTest.moc"
