// Whole-window flows on the real main frame: ribbon commands, the Select File dialog, tree and list clicks,
// the preview page, snapshots and Stop, with every box and picker answered from a script.
#include "tests/ui/UiTestMain.h"

#include "app/CMainFrame.h"
#include "app/CRibbonBar.h"
#include "app/CRibbonStatusBarCls.h"
#include "app/CTeldoraNimbrelProjApp.h"
#include "app/FrameCommands.h"
#include "platform/ScriptedPrompts.h"
#include "ui/controls/CCheckTreeCtrl.h"
#include "ui/controls/CTeldoraListCtrl.h"
#include "ui/controls/CTeldoraStaticViewer.h"
#include "ui/controls/CTeldoraToolsTopListCtrl.h"
#include "ui/controls/CTeldoraToolsWebBrowser.h"
#include "ui/dialogs/CSelectFilesDlg.h"
#include "ui/panes/COutputWnd.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QProgressBar>
#include <QTabWidget>
#include <QPushButton>
#include <QTableView>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QWebEnginePage>
#include <memory>

namespace {

constexpr int kJobTimeoutMs = 30000;
const QString kBusyText = QStringLiteral("Please stop the running process to continue the process.");
const QString kScanDone = QStringLiteral(
    "Scanning process completed for selected file, click on folder to see recovered email items.");

QString Sample(const char* name)
{
    return qEnvironmentVariable("ORLANDA_SOURCE_DIR") + QStringLiteral("/samples/") + QString::fromLatin1(name);
}

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// An mbox of about size bytes made of one-kilobyte messages.
QByteArray GeneratedMbox(qsizetype size)
{
    const QByteArray body(1000, 'x');
    QByteArray bytes;
    for (int i = 0; bytes.size() < size; ++i)
        bytes += "From a@example.org Mon Jan  1 00:00:00 2024\nSubject: n" + QByteArray::number(i) + "\n\n" + body
            + "\n";
    return bytes;
}

// Every file item's text, each followed by its folder items' texts indented.
QStringList TreeLines(const CCheckTreeCtrl& tree)
{
    QStringList lines;
    for (HTreeItem file : tree.GetRootItems()) {
        lines << tree.GetItemText(file);
        for (HTreeItem folder : tree.GetChildItems(file))
            lines << QStringLiteral("  ") + tree.GetItemText(folder);
    }
    return lines;
}

// Every row's texts, the attachment mark as "@" and the item data.
QStringList RowLines(const CTeldoraToolsTopListCtrl& list)
{
    QStringList lines;
    for (int64_t row = 0; row < list.GetItemCount(); ++row) {
        const bool attached =
            !list.model()->data(list.model()->index(static_cast<int>(row), 1), Qt::DecorationRole).isNull();
        QStringList cells;
        for (int column : {0, 2, 3, 4, 5})
            cells << list.GetItemText(row, column);
        lines << cells.join(QLatin1Char('|')) + (attached ? QStringLiteral("|@") : QString()) + QLatin1Char('#')
                + QString::number(list.GetItemData(row));
    }
    return lines;
}

// Runs action on the UI thread at the status bar's progress positions, while the job's worker waits for the
// position to be shown, until action returns true.
class ProgressHook {
public:
    ProgressHook(QProgressBar* bar, std::function<bool()> action) : m_action(std::move(action))
    {
        m_connection = QObject::connect(bar, &QProgressBar::valueChanged, bar, [this](int value) {
            if (value > 0 && !m_bDone)
                m_bDone = m_action();
        });
    }
    ~ProgressHook() { QObject::disconnect(m_connection); }
    ProgressHook(const ProgressHook&) = delete;
    ProgressHook& operator=(const ProgressHook&) = delete;

    bool Done() const { return m_bDone; }

private:
    std::function<bool()> m_action;
    QMetaObject::Connection m_connection;
    bool m_bDone = false;
};

} // namespace

class WindowFlowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void openScanListPreviewThenSnapshotRoundTrip();
    void cancelledOpenChangesNothing();
    void commandLinePathsAreScannedByTheirFullPath();
    void stopDuringScanKeepsWhatTheFirstFileFound();
    void busyWindowRefusesJobsAndClose();
    void damagedSnapshotKeepsTheRecordsBeforeTheDamage();
    void previewSendsNoRequestAndRunsNoScript();

private:
    CMainFrame& Frame() { return *m_app->MainFrame(); }
    int Busy() const { return m_app->m_members.g_bProcessRunning.load(); }
    CCheckTreeCtrl& Tree() { return *Frame().findChild<CCheckTreeCtrl*>(); }
    CTeldoraToolsTopListCtrl& List() { return *Frame().findChild<CTeldoraToolsTopListCtrl*>(); }
    CTeldoraStaticViewer& Viewer() { return *Frame().OutputPane()->GetPreviewPane(); }
    QToolButton* Button(int command) { return Frame().Ribbon()->Button(command); }

    bool WaitIdle();
    void Open(const QStringList& paths);
    void RunOpen(const std::function<void(CSelectFilesDlg&)>& driveDialog);
    void ClickLabel(HTreeItem item);
    bool ListFolder(int fileIndex);
    void ClickRow(int row);
    bool PreviewRow(int row);
    QString PageText();
    void UseLargeScanWith(const std::function<void()>& onFirstProgress);

    std::unique_ptr<CScriptedPrompts> m_prompts;
    std::unique_ptr<CTeldoraNimbrelProjApp> m_app;
    std::unique_ptr<QTemporaryDir> m_dir;
    QUrl m_lastLoaded;
};

void WindowFlowTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_prompts = std::make_unique<CScriptedPrompts>();
    m_app = std::make_unique<CTeldoraNimbrelProjApp>(m_prompts.get());
    QVERIFY(m_app->InitInstance());
    Frame().SetExitProcess([](int) {});
    QVERIFY(QTest::qWaitForWindowExposed(&Frame()));
    m_lastLoaded.clear();
    connect(Viewer().GetBrowser(), &QWebEngineView::loadFinished, this,
        [this] { m_lastLoaded = Viewer().GetBrowser()->url(); });
}

void WindowFlowTest::cleanup()
{
    QVERIFY(WaitIdle());
    m_app.reset();
    m_prompts.reset();
    m_dir.reset();
}

bool WindowFlowTest::WaitIdle()
{
    return QTest::qWaitFor([&] { return Busy() == 0 && !Frame().m_members.m_worker.IsAlive(); }, kJobTimeoutMs);
}

// Clicks Open and hands the Select File dialog to driveDialog once it is up; a dialog left open is cancelled.
void WindowFlowTest::RunOpen(const std::function<void(CSelectFilesDlg&)>& driveDialog)
{
    QTimer::singleShot(0, this, [driveDialog] {
        CSelectFilesDlg* dlg = nullptr;
        if (!QTest::qWaitFor([&] { return (dlg = qobject_cast<CSelectFilesDlg*>(QApplication::activeModalWidget())); }))
            return;
        driveDialog(*dlg);
        if (dlg->isVisible())
            dlg->reject();
    });
    Button(kCmdOpen)->click();
}

// Open with paths added through the dialog's Add Files, then OK; waits for the scan.
void WindowFlowTest::Open(const QStringList& paths)
{
    m_prompts->QueueOpenFiles(paths);
    int flagWhileChoosing = -1;
    RunOpen([&](CSelectFilesDlg& dlg) {
        flagWhileChoosing = Busy();
        dlg.findChild<QPushButton*>(QStringLiteral("Add Files"))->click();
        const QAbstractItemModel* rows = dlg.findChild<QTableView*>(QStringLiteral("fileList"))->model();
        QVERIFY(QTest::qWaitFor([&] { return rows->rowCount() == paths.size(); }));
        dlg.findChild<QPushButton*>(QStringLiteral("OK"))->click();
    });
    QCOMPARE(flagWhileChoosing, 1);
    QVERIFY(WaitIdle());
}

// Near the start of the label: a long path runs past the pane's edge.
void WindowFlowTest::ClickLabel(HTreeItem item)
{
    const QRect label = Tree().LabelRect(item);
    QTest::mouseClick(Tree().viewport(), Qt::LeftButton, {}, QPoint(label.left() + 4, label.center().y()));
}

// A click on the label of file fileIndex's folder item; true when the listing ran to its end.
bool WindowFlowTest::ListFolder(int fileIndex)
{
    ClickLabel(Tree().GetChildItems(Tree().GetRootItems().at(fileIndex)).at(0));
    return WaitIdle();
}

void WindowFlowTest::ClickRow(int row)
{
    const QRect subject = List().visualRect(List().model()->index(row, 4));
    QTest::mouseClick(List().viewport(), Qt::LeftButton, {}, subject.center());
}

// A left click on a row; true when the preview page has loaded.
bool WindowFlowTest::PreviewRow(int row)
{
    m_lastLoaded.clear();
    ClickRow(row);
    return WaitIdle()
        && QTest::qWaitFor([&] { return m_lastLoaded.path().endsWith(QStringLiteral(".mht")); }, kJobTimeoutMs);
}

QString WindowFlowTest::PageText()
{
    QString text;
    bool done = false;
    Viewer().GetBrowser()->page()->toPlainText([&](const QString& plain) {
        text = plain;
        done = true;
    });
    return QTest::qWaitFor([&] { return done; }, kJobTimeoutMs) ? text : QString();
}

// Two generated mailboxes (the first one several scan blocks long) chosen with Open; onFirstProgress runs on
// the UI thread at the first progress position of the scan, while the worker waits for it.
void WindowFlowTest::UseLargeScanWith(const std::function<void()>& onFirstProgress)
{
    const QString large = m_dir->filePath(QStringLiteral("large.mbox"));
    const QString small = m_dir->filePath(QStringLiteral("small.mbox"));
    QVERIFY(WriteFile(large, GeneratedMbox(6 << 20)));
    QVERIFY(WriteFile(small, GeneratedMbox(4000)));
    const ProgressHook hook(Frame().StatusBar()->ProgressBar(), [&] {
        onFirstProgress();
        return true;
    });
    Open({large, small});
    QVERIFY(hook.Done());
}

void WindowFlowTest::openScanListPreviewThenSnapshotRoundTrip()
{
    const QString lf = Sample("inbox.mbox");
    const QString crlf = Sample("archive-crlf.mbox");
    Open({lf, crlf});
    const QStringList tree{lf, QStringLiteral("  inbox.mbox(3)"), crlf, QStringLiteral("  archive-crlf.mbox(2)")};
    QCOMPARE(TreeLines(Tree()), tree);
    QCOMPARE(m_prompts->Shown(), QStringList{kScanDone});
    QTRY_VERIFY(!Button(kCmdStop)->isEnabled());

    QVERIFY(ListFolder(0));
    const QStringList inboxRows{
        QStringLiteral("inbox.mbox|Bob Lind <bob@example.net>|Alice Moreau <alice@example.org>|Quarterly figures|"
                       "Mon, 9 Dec 2024 09:15:02 +0100#0"),
        QStringLiteral("inbox.mbox|bob@example.net|Harbour Newsletter <news@example.com>|"
                       "Winter edition — harbour news|Tue, 10 Dec 2024 14:02:11 +0000|@#1"),
        QStringLiteral("inbox.mbox|Bob Lind <bob@example.net>, Alice Moreau <alice@example.org>|"
                       "Carla González <carla@example.org>|Café on Friday|Wed, 11 Dec 2024 08:30:00 +0100#2"),
    };
    QCOMPARE(RowLines(List()), inboxRows);
    QVERIFY(ListFolder(1));
    const QStringList crlfRows = RowLines(List());
    QCOMPARE(crlfRows.size(), 2);
    QVERIFY(crlfRows.at(1).contains(QStringLiteral("|Erin Walsh <erin@example.org>|Re: Release notes|")));

    QVERIFY(ListFolder(0));
    QVERIFY(PreviewRow(1));
    QCOMPARE(Frame().OutputPane()->GetTabs()->currentIndex(), 1);
    QCOMPARE(Viewer().m_strSubject, QStringLiteral("Winter edition — harbour news"));
    QCOMPARE(Viewer().m_strFrom, QStringLiteral("Harbour Newsletter <news@example.com>"));
    QCOMPARE(Viewer().m_strTo, QStringLiteral("bob@example.net"));
    QCOMPARE(Viewer().m_strDate, QStringLiteral("Tue, 10 Dec 2024 14:02:11 +0000"));
    const QListWidget* attachments = Viewer().GetAttachmentList();
    QStringList names;
    for (int i = 0; i < attachments->count(); ++i) {
        names << attachments->item(i)->text();
        QVERIFY(!attachments->item(i)->icon().isNull());
    }
    // The inline logo carries a name too, so it is listed with the two attached files.
    QCOMPARE(names, QStringList({"logo.png", "timetable.pdf", "map.png"}));

    const QString snapshot = m_dir->filePath(QStringLiteral("scan.ORLANDASNAP"));
    m_prompts->QueueSaveFile(snapshot);
    Button(kCmdSaveSnapshot)->click();
    QVERIFY(QFileInfo(snapshot).size() > 0);
    m_prompts->QueueOpenFile(snapshot);
    Button(kCmdLoadSnapshot)->click();
    QCOMPARE(m_prompts->Shown().last(), QStringLiteral("Loading snapshot process completed."));
    QCOMPARE(TreeLines(Tree()), tree);
    QCOMPARE(List().GetItemCount(), int64_t{0});
    QVERIFY(ListFolder(0));
    QCOMPARE(RowLines(List()), inboxRows);
    QVERIFY(ListFolder(1));
    QCOMPARE(RowLines(List()), crlfRows);

    QVERIFY(PreviewRow(0));
    const QString page = PageText();
    if (page.contains(QStringLiteral("Content-Type:")))
        QSKIP("The preview scheme still serves the raw message; the e-mail renderer is not wired in yet.");
    // The HTML alternative of a CR LF mail, not its text part.
    QVERIFY2(page.contains(QStringLiteral("twice as fast")) && !page.contains(QStringLiteral("See the HTML part")),
        qPrintable(page));
    QVERIFY(PreviewRow(1));
    QVERIFY2(PageText().contains(QStringLiteral("Congratulations on the release!")), "plain text mail");
    QVERIFY(ListFolder(0));
    QVERIFY(PreviewRow(1));
    const QString winter = PageText();
    QVERIFY2(winter.contains(QStringLiteral("Winter edition — harbour news"))
            && winter.contains(QStringLiteral("The ferry timetable changes on 16 December")),
        qPrintable(winter));
}

void WindowFlowTest::cancelledOpenChangesNothing()
{
    Open({Sample("inbox.mbox")});
    QVERIFY(ListFolder(0));
    const QStringList tree = TreeLines(Tree());
    const QStringList rows = RowLines(List());
    const MboxFileScanner* scanner = Frame().m_members.m_vecScannedFiles.at(0).pScanner.get();
    const QString tempBase = m_app->m_members.m_strTempPath;
    const int64_t logRows = Frame().OutputPane()->GetLogList()->GetItemCount();

    // Another temporary folder, an OK refused for the empty list (the dialog has taken the folder by then), Cancel.
    m_prompts->QueueFolder(m_dir->path());
    int flagWhileChoosing = -1;
    RunOpen([&](CSelectFilesDlg& dlg) {
        flagWhileChoosing = Busy();
        dlg.findChild<QPushButton*>(QStringLiteral("..."))->click();
        dlg.findChild<QPushButton*>(QStringLiteral("OK"))->click();
        dlg.findChild<QPushButton*>(QStringLiteral("Cancel"))->click();
    });
    QCOMPARE(flagWhileChoosing, 1);
    QCOMPARE(m_prompts->Shown().last(), QStringLiteral("Please select files to continue the process."));
    QCOMPARE(Busy(), 0);
    QCOMPARE(TreeLines(Tree()), tree);
    QCOMPARE(RowLines(List()), rows);
    QCOMPARE(Frame().m_members.m_vecScannedFiles.at(0).pScanner.get(), scanner);
    QCOMPARE(m_app->m_members.m_strTempPath, tempBase);
    QCOMPARE(Frame().OutputPane()->GetLogList()->GetItemCount(), logRows);
    QVERIFY(m_app->m_members.m_vecMboxFiles.isEmpty());
    QVERIFY(ListFolder(0)); // the kept scan still lists
    QCOMPARE(RowLines(List()), rows);
}

void WindowFlowTest::commandLinePathsAreScannedByTheirFullPath()
{
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(Sample("")));
    Frame().ScanAtStart({QStringLiteral("inbox.mbox")});
    QDir::setCurrent(previous);
    QVERIFY(WaitIdle());
    QCOMPARE(TreeLines(Tree()), QStringList({Sample("inbox.mbox"), QStringLiteral("  inbox.mbox(3)")}));
    QCOMPARE(m_prompts->Shown(), QStringList{kScanDone});
}

void WindowFlowTest::stopDuringScanKeepsWhatTheFirstFileFound()
{
    m_prompts->QueueYesNo(true);
    UseLargeScanWith([this] {
        QVERIFY(Button(kCmdStop)->isEnabled());
        Button(kCmdStop)->click();
    });
    QCOMPARE(m_prompts->Shown(), QStringList({"Are you sure to stop the running process?", kScanDone}));
    const QStringList tree = TreeLines(Tree());
    QCOMPARE(tree.size(), 2); // the second file was not taken
    QVERIFY(tree.at(0).endsWith(QStringLiteral("/large.mbox")));
    const qsizetype open = tree.at(1).indexOf(QLatin1Char('('));
    const int found = tree.at(1).mid(open + 1).chopped(1).toInt();
    QVERIFY2(found > 0 && found < 6000, qPrintable(tree.at(1)));
    QVERIFY(ListFolder(0));
    QCOMPARE(List().GetItemCount(), int64_t{found});
}

void WindowFlowTest::busyWindowRefusesJobsAndClose()
{
    QStringList treeSeen;
    UseLargeScanWith([&] {
        treeSeen = TreeLines(Tree());
        for (int command : {kCmdOpen, kCmdLoadSnapshot, kCmdSaveSnapshot, kCmdSave, kCmdHelp, kCmdAbout})
            Button(command)->click();
        const HTreeItem file = Tree().GetRootItems().at(0);
        ClickLabel(file);
        QVERIFY(!Frame().close());
        QVERIFY(Frame().isVisible());
    });
    QStringList expected(8, kBusyText);
    expected[7] = QStringLiteral("Please stop the running process to close the application.");
    expected << kScanDone;
    QCOMPARE(m_prompts->Shown().join(QLatin1Char('\n')), expected.join(QLatin1Char('\n')));
    QCOMPARE(treeSeen.size(), 1);
    QCOMPARE(TreeLines(Tree()).size(), 4); // the scan ran on over both files
    QCOMPARE(List().GetItemCount(), int64_t{0});

    // A click on an email while its list is still loading.
    const ProgressHook listing(Frame().StatusBar()->ProgressBar(), [this] {
        if (List().GetItemCount() == 0)
            return false;
        ClickRow(0);
        return true;
    });
    QVERIFY(ListFolder(0));
    QVERIFY(listing.Done());
    QCOMPARE(m_prompts->Shown().mid(expected.size()),
        QStringList({kBusyText, QStringLiteral("Click on emails items to see preview.")}));
    QVERIFY(Viewer().m_strSubject.isEmpty());
}

void WindowFlowTest::damagedSnapshotKeepsTheRecordsBeforeTheDamage()
{
    const QString inbox = Sample("inbox.mbox");
    Open({inbox});
    const QString snapshot = m_dir->filePath(QStringLiteral("damaged.ORLANDASNAP"));
    m_prompts->QueueSaveFile(snapshot);
    Button(kCmdSaveSnapshot)->click();
    QFile file(snapshot);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QByteArray bytes = file.readAll();
    bytes[0] = 2; // a second record that claims a path of two thousand million code units
    bytes += QByteArray("\xFF\xFF\xFF\x7F" "a\0b\0", 8);
    QVERIFY(file.seek(0) && file.write(bytes) == bytes.size());
    file.close();

    m_prompts->QueueOpenFile(snapshot);
    Button(kCmdLoadSnapshot)->click();
    QCOMPARE(m_prompts->Shown().last(),
        QStringLiteral("The snapshot file is damaged; the files stored before the damage were loaded."));
    QCOMPARE(Busy(), 0);
    QCOMPARE(TreeLines(Tree()), QStringList({inbox, QStringLiteral("  inbox.mbox(3)")}));
    QVERIFY(ListFolder(0));
    QCOMPARE(List().GetItemCount(), int64_t{3});
}

void WindowFlowTest::previewSendsNoRequestAndRunsNoScript()
{
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    int connections = 0;
    connect(&server, &QTcpServer::newConnection, this, [&] { ++connections; });
    const QByteArray remote = "http://127.0.0.1:" + QByteArray::number(server.serverPort()) + "/";
    const QString mailbox = m_dir->filePath(QStringLiteral("tracked.mbox"));
    QVERIFY(WriteFile(mailbox,
        "From x@example.org Mon Jan  1 00:00:00 2024\n"
        "From: Tracker <x@example.org>\nTo: bob@example.net\nSubject: Look\nMIME-Version: 1.0\n"
        "Content-Type: text/html; charset=\"utf-8\"\n\n"
        "<html><head><link rel=\"stylesheet\" href=\"" + remote + "s.css\"></head><body>\n"
        "<p>Local text only</p><img src=\"" + remote + "pixel.png\">\n"
        "<iframe src=\"" + remote + "frame.html\"></iframe>\n"
        "<script>document.body.innerHTML = 'script ran';</script>\n</body></html>\n"));
    Open({mailbox});
    QVERIFY(ListFolder(0));
    QVERIFY(PreviewRow(0));
    QTest::qWait(500);
    QCOMPARE(connections, 0);
    const QString page = PageText();
    if (page.contains(QStringLiteral("Content-Type:")))
        QSKIP("The preview scheme still serves the raw message; the e-mail renderer is not wired in yet.");
    QVERIFY2(page.contains(QStringLiteral("Local text only")), qPrintable(page));
    QVERIFY2(!page.contains(QStringLiteral("script ran")), qPrintable(page));
}

ORLANDA_UI_TEST_MAIN(WindowFlowTest)
#include "WindowFlowTest.moc"
