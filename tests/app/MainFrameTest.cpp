#include "app/CMainFrame.h"
#include "app/CMyCaptionBar.h"
#include "app/CRibbonBar.h"
#include "app/CRibbonStatusBarCls.h"
#include "app/CTeldoraNimbrelProjApp.h"
#include "app/FrameCommands.h"
#include "app/VisualStyle.h"
#include "scan/ProcessGuard.h"
#include "platform/ScriptedPrompts.h"
#include "platform/TempFolder.h"
#include "ui/controls/CTeldoraListCtrl.h"
#include "ui/controls/PreviewScheme.h"
#include "ui/panes/COutputWnd.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProgressBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <QUrl>
#include <memory>
#include <thread>

namespace {

QString LastLogLine(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    const QByteArray bytes = file.readAll();
    const QString text = QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData()), bytes.size() / 2);
    QStringList lines = text.split(QStringLiteral("\r\n"));
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines.isEmpty() ? QString() : lines.last();
}

} // namespace

class MainFrameTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void progressBarKeepsWholeBoundsAndIgnoresNonPositivePositions();
    void progressBarGeometryFollowsTheStatusBar();
    void captionOutputLineAndPane();
    void workerCallsArriveInOrder();
    void stopIsEnabledOnlyWhileBusy();
    void busyRefusesEveryJobAndTheClose();
    void helpOpensTheShippedPage();
    void visualStyleIsAppliedAndStored();
    void closeAnsweredNoKeepsEverything();
    void closeSequenceRemovesTempFolderLogsAndExits255();
    void secondInstanceIsRefusedWithoutWindow();

private:
    CMainFrame& Frame() { return *m_app->MainFrame(); }
    int Busy() const { return m_app->m_members.g_bProcessRunning.load(); }

    std::unique_ptr<CScriptedPrompts> m_prompts;
    std::unique_ptr<CTeldoraNimbrelProjApp> m_app;
    int m_nExitStatus = -1;
};

void MainFrameTest::init()
{
    m_prompts = std::make_unique<CScriptedPrompts>();
    m_app = std::make_unique<CTeldoraNimbrelProjApp>(m_prompts.get());
    QVERIFY(m_app->InitInstance());
    m_nExitStatus = -1;
    Frame().SetExitProcess([this](int status) { m_nExitStatus = status; });
}

void MainFrameTest::cleanup()
{
    m_app.reset();
    m_prompts.reset();
}

void MainFrameTest::progressBarKeepsWholeBoundsAndIgnoresNonPositivePositions()
{
    QProgressBar* bar = Frame().StatusBar()->ProgressBar();
    Frame().ProgressRange(0, 1000);
    QCOMPARE(bar->value(), 0);
    Frame().ProgressPos(400);
    QCOMPARE(bar->value(), 400);
    Frame().ProgressPos(0);
    Frame().ProgressPos(-7);
    QCOMPARE(bar->value(), 400);
    // More than 65,535 emails: the bounds must not wrap to their low 16 bits.
    Frame().ProgressRange(0, 200000);
    QCOMPARE(bar->maximum(), 200000);
    QCOMPARE(bar->value(), 0);
    Frame().ProgressPos(150000);
    QCOMPARE(bar->value(), 150000);
    Frame().ProgressPos(300000);
    QCOMPARE(bar->value(), 200000);
}

void MainFrameTest::progressBarGeometryFollowsTheStatusBar()
{
    CRibbonStatusBarCls* status = Frame().StatusBar();
    QVERIFY(!status->ProgressBar()->isVisible());
    for (int width : {1280, 900}) {
        status->resize(width, status->height());
        QCOMPARE(status->ProgressBar()->geometry(), QRect(250, 3, width - 560, 17));
    }
    QCOMPARE(status->contextMenuPolicy(), Qt::PreventContextMenu);
}

void MainFrameTest::captionOutputLineAndPane()
{
    QCOMPARE(Frame().CaptionBar()->Text(), QStringLiteral("Select Mbox file to continue the conversion process."));
    Frame().SetCaptionText(QStringLiteral("/mail/<archive>.mbox"));
    QCOMPARE(Frame().CaptionBar()->Text(), QStringLiteral("/mail/<archive>.mbox"));

    const QString line = QStringLiteral("Processing File: /mail/Ärchiv.mbox");
    Frame().OutputLine(line);
    CTeldoraListCtrl* log = Frame().OutputPane()->GetLogList();
    QCOMPARE(log->GetItemText(log->GetItemCount() - 1), line);
    QVERIFY(m_app->m_strLogPath.startsWith(QDir::homePath() + QStringLiteral("/Desktop/")));
    QFile file(m_app->m_strLogPath);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QByteArray expected(reinterpret_cast<const char*>(line.utf16()), line.size() * 2);
    expected.append("\r\0\n\0", 4);
    QVERIFY(file.readAll().endsWith(expected));

    QTabWidget* tabs = Frame().OutputPane()->GetTabs();
    Frame().ShowPane(1);
    QCOMPARE(tabs->currentIndex(), 1);
    Frame().ShowPane(0);
    QCOMPARE(tabs->currentIndex(), 0);
}

void MainFrameTest::workerCallsArriveInOrder()
{
    constexpr int kLines = 40;
    std::atomic<bool> done{false};
    HTreeItem file = kNoTreeItem, folder = kNoTreeItem, parentSeen = kNoTreeItem;
    std::thread worker([&] {
        file = Frame().TreeInsertItem(kNoTreeItem, QStringLiteral("a.mbox"), 0, 0);
        folder = Frame().TreeInsertItem(file, QStringLiteral("a.mbox (3)"), 1, 1);
        parentSeen = Frame().TreeGetParent(folder);
        for (int i = 0; i < kLines; ++i) {
            Frame().OutputLine(QString::number(i));
            Frame().ProgressPos(i + 1);
        }
        done = true;
    });
    Frame().ProgressRange(0, kLines);
    QTRY_VERIFY(done.load());
    worker.join();
    QVERIFY(file != kNoTreeItem);
    QCOMPARE(parentSeen, file);
    CTeldoraListCtrl* log = Frame().OutputPane()->GetLogList();
    const int first = log->GetItemCount() - kLines;
    for (int i = 0; i < kLines; ++i)
        QCOMPARE(log->GetItemText(first + i), QString::number(i));
    QCOMPARE(Frame().StatusBar()->ProgressBar()->value(), kLines);
}

void MainFrameTest::stopIsEnabledOnlyWhileBusy()
{
    QToolButton* stop = Frame().Ribbon()->Button(kCmdStop);
    QVERIFY(!stop->isEnabled());
    QVERIFY(Frame().Ribbon()->Button(kCmdOpen)->isEnabled());
    m_app->m_members.g_bProcessRunning = 1;
    QTRY_VERIFY(stop->isEnabled());
    m_app->m_members.g_bProcessRunning = 0;
    QTRY_VERIFY(!stop->isEnabled());
}

void MainFrameTest::busyRefusesEveryJobAndTheClose()
{
    m_app->m_members.g_bProcessRunning = 1;
    const QString caption = Frame().CaptionBar()->Text();
    const int commands[] = {kCmdOpen, kCmdSave, kCmdLoadSnapshot, kCmdSaveSnapshot, kCmdHelp, kCmdAbout};
    for (int command : commands)
        Frame().OnCommand(command);
    QVERIFY(!Frame().OnShowFolderMails(1));
    QVERIFY(!Frame().OnShowMailPreview(0));
    QCOMPARE(m_prompts->Shown(), QStringList(std::size(commands) + 2, StopRunningProcessText()));
    Frame().close();
    QCOMPARE(m_prompts->Shown().last(), QStringLiteral("Please stop the running process to close the application."));
    QCOMPARE(Busy(), 1);
    QCOMPARE(m_nExitStatus, -1);
    QVERIFY(Frame().isVisible());
    QVERIFY(m_prompts->OpenedUrls().isEmpty());
    QCOMPARE(Frame().CaptionBar()->Text(), caption);
    QVERIFY(m_app->m_members.m_vecMboxFiles.isEmpty());
}

void MainFrameTest::helpOpensTheShippedPage()
{
    Frame().OnCommand(kCmdHelp);
    QCOMPARE(m_prompts->OpenedUrls().size(), 1);
    QFile page(QUrl(m_prompts->OpenedUrls().first()).toLocalFile());
    QVERIFY(page.open(QIODevice::ReadOnly));
    QVERIFY(page.readAll().contains("how it works"));
}

void MainFrameTest::visualStyleIsAppliedAndStored()
{
    Frame().OnApplicationLook(216);
    QCOMPARE(m_app->m_nVisualStyle, 216);
    QCOMPARE(ReadApplicationLook(), 216);
    QCOMPARE(QApplication::palette().color(QPalette::Window), VisualStylePalette(216).color(QPalette::Window));
    QVERIFY(VisualStylePalette(216).color(QPalette::Window) != VisualStylePalette(215).color(QPalette::Window));
    Frame().OnApplicationLook(kDefaultApplicationLook);
}

void MainFrameTest::closeAnsweredNoKeepsEverything()
{
    const QString temp = GetTempFolder(QString());
    m_prompts->QueueYesNo(false);
    Frame().close();
    QCOMPARE(m_prompts->Shown(), QStringList{QStringLiteral("Do you want to close the application?")});
    QVERIFY(QDir(temp).exists());
    QCOMPARE(m_nExitStatus, -1);
    QVERIFY(Frame().isVisible());
}

void MainFrameTest::closeSequenceRemovesTempFolderLogsAndExits255()
{
    const QString temp = GetTempFolder(QString());
    QVERIFY(QDir().mkpath(temp + QStringLiteral("nested")));
    QFile preview(temp + QStringLiteral("nested/preview.mht"));
    QVERIFY(preview.open(QIODevice::WriteOnly));
    preview.close();
    ScannedFileEntry entry;
    entry.pScanner = std::make_unique<MboxFileScanner>();
    Frame().m_members.m_vecScannedFiles.push_back(std::move(entry));

    m_prompts->QueueYesNo(true);
    Frame().close();
    QCOMPARE(m_nExitStatus, 255);
    QVERIFY(!QDir(temp).exists());
    QVERIFY(Frame().m_members.m_vecScannedFiles.empty());
    QVERIFY(Frame().m_members.m_pCurScanner.load() == nullptr);
    QCOMPARE(LastLogLine(m_app->m_strLogPath), QStringLiteral("Application has been closed."));
    QCOMPARE(m_prompts->Shown().last(), QStringLiteral("Log file path is : ") + m_app->m_strLogPath);
    QCOMPARE(m_prompts->OpenedUrls().size(), 1);
}

void MainFrameTest::secondInstanceIsRefusedWithoutWindow()
{
    CScriptedPrompts prompts;
    CTeldoraNimbrelProjApp second(&prompts);
    QVERIFY(!second.InitInstance());
    QCOMPARE(prompts.Shown(), QStringList{QStringLiteral("Another instance of application is already running")});
    QVERIFY(second.MainFrame() == nullptr);
}

int main(int argc, char** argv)
{
    RegisterPreviewScheme();
    QApplication app(argc, argv);
    MainFrameTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "MainFrameTest.moc"
