#include "app/CMainFrame.h"

#include "app/CMyCaptionBar.h"
#include "app/CRibbonBar.h"
#include "app/CRibbonStatusBarCls.h"
#include "app/CTeldoraNimbrelProjApp.h"
#include "app/FrameCommands.h"
#include "app/HowItWorksPage.h"
#include "app/VisualStyle.h"
#include "display/EmailListLoader.h"
#include "display/MailPreviewBuilder.h"
#include "export/SaveOutputJob.h"
#include "persist/SnapshotCommands.h"
#include "platform/AppTitle.h"
#include "platform/DesktopFolder.h"
#include "platform/TempFolder.h"
#include "scan/ProcessGuard.h"
#include "scan/ScanJob.h"
#include "scan/ScannedFiles.h"
#include "ui/controls/CCheckTreeCtrl.h"
#include "ui/controls/CTeldoraListCtrl.h"
#include "ui/controls/CTeldoraStaticViewer.h"
#include "ui/controls/CTeldoraToolsTopListCtrl.h"
#include "ui/dialogs/CSaveOutputDlg.h"
#include "ui/dialogs/CSelectFilesDlg.h"
#include "ui/dialogs/CTeldoraAboutDlg.h"
#include "ui/dialogs/QtUserPrompts.h"
#include "ui/export/CWebPdfPrinter.h"
#include "ui/panes/CFileView.h"
#include "ui/panes/COutputWnd.h"
#include "ui/panes/CSplashWnd.h"
#include "ui/panes/CTeldoraNimbrelProjView.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QDockWidget>
#include <QFileInfo>
#include <QProgressBar>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <climits>
#include <unistd.h>

namespace {

constexpr int kCommandUiPollMs = 100;

int ClampToInt(int64_t value)
{
    return static_cast<int>(std::clamp<int64_t>(value, INT_MIN, INT_MAX));
}

// Like the platform's bar, a position outside the range goes to the nearer bound.
void SetBarPosition(QProgressBar* bar, int64_t pos)
{
    bar->setValue(std::clamp(ClampToInt(pos), bar->minimum(), bar->maximum()));
}

// The one filter entry ".TeldoraORLANDA Files (*.ORLANDASNAP)" with its dotless pattern "*ORLANDASNAP".
QString SnapshotFilter()
{
    return QStringLiteral(".TeldoraORLANDA Files (*ORLANDASNAP)");
}

} // namespace

CMainFrame::CMainFrame(CTeldoraNimbrelProjApp& app, IUserPrompts* prompts)
    : m_app(app)
    , m_pOwnPrompts(prompts ? nullptr : std::make_unique<CQtUserPrompts>(this))
    , m_pPrompts(prompts ? prompts : m_pOwnPrompts.get())
    , m_exitProcess([](int status) { _exit(status); })
    , m_pPdfPrinter(new CWebPdfPrinter(this))
{
    setWindowTitle(kAppTitle());
    m_app.m_nVisualStyle = ReadApplicationLook();
}

CMainFrame::~CMainFrame()
{
    SetWaitCursor(false);
}

template <typename F>
auto CMainFrame::OnUiThread(F&& call)
{
    using Result = std::invoke_result_t<F>;
    if (QThread::currentThread() == thread())
        return call();
    if constexpr (std::is_void_v<Result>) {
        QMetaObject::invokeMethod(this, std::forward<F>(call), Qt::BlockingQueuedConnection);
    } else {
        Result result{};
        QMetaObject::invokeMethod(this, [&] { result = call(); }, Qt::BlockingQueuedConnection);
        return result;
    }
}

bool CMainFrame::Create()
{
    auto* splash = new CSplashWnd(this);
    if (splash->SetBitmap(QStringLiteral(":/frame/splash_343.png")))
        splash->SetText(QStringLiteral("v17.0"));
    splash->Show();
    OnApplicationLook(m_app.m_nVisualStyle);
    BuildRibbonAndCaptionBar();
    BuildStatusBar();
    if (!BuildPanes())
        return false;
    SetCaptionText(QStringLiteral("Select Mbox file to continue the conversion process."));
    ShowProgressBar(false);
    // Without a window manager a maximize request does nothing; start with the screen's size anyway.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());
    showMaximized();
    m_app.m_logFile.Open(GetDesktopFolder(), QDateTime::currentDateTime());
    m_app.m_strLogPath = m_app.m_logFile.Path();

    auto* poll = new QTimer(this);
    connect(poll, &QTimer::timeout, this, &CMainFrame::UpdateCommandUi);
    poll->start(kCommandUiPollMs);
    UpdateCommandUi();
    return true;
}

// The ribbon and, under it across the whole width, the caption bar.
void CMainFrame::BuildRibbonAndCaptionBar()
{
    auto* top = new QWidget(this);
    m_pRibbon = new CRibbonBar(top);
    connect(m_pRibbon, &CRibbonBar::commandTriggered, this, &CMainFrame::OnCommand);
    m_pCaptionBar = new CMyCaptionBar(top);
    auto* layout = new QVBoxLayout(top);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_pRibbon);
    layout->addWidget(m_pCaptionBar);
    setMenuWidget(top);
}

void CMainFrame::BuildStatusBar()
{
    m_pStatusBar = new CRibbonStatusBarCls(this);
    connect(m_pStatusBar, &CRibbonStatusBarCls::linkActivated, this,
        [this](const QString& address) { m_pPrompts->OpenUrl(address); });
    setStatusBar(m_pStatusBar);
}

bool CMainFrame::BuildPanes()
{
    setCorner(Qt::BottomLeftCorner, Qt::LeftDockWidgetArea);
    auto* view = new CTeldoraNimbrelProjView(this);
    setCentralWidget(view);
    auto* fileView = new CFileView(this);
    m_pOutputPane = new COutputWnd(this);
    const auto dock = [this](const QString& title, QWidget* content, Qt::DockWidgetArea area, QSize size) {
        auto* pane = new QDockWidget(title, this);
        pane->setObjectName(title);
        pane->setWidget(content);
        pane->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
        addDockWidget(area, pane);
        resizeDocks({pane}, {area == Qt::LeftDockWidgetArea ? size.width() : size.height()},
            area == Qt::LeftDockWidgetArea ? Qt::Horizontal : Qt::Vertical);
    };
    dock(QStringLiteral("MBOX File View"), fileView, Qt::LeftDockWidgetArea, QSize(200, 200));
    dock(QStringLiteral("Output"), m_pOutputPane, Qt::BottomDockWidgetArea, QSize(100, 100));
    m_pMailboxTree = fileView->GetTree();
    m_pEmailList = view->GetEmailList();
    m_pLogList = m_pOutputPane->GetLogList();
    m_pPreviewPane = m_pOutputPane->GetPreviewPane();
    if (!m_pMailboxTree || !m_pEmailList || !m_pLogList || !m_pPreviewPane)
        return false;
    connect(m_pMailboxTree, &CCheckTreeCtrl::showFolderMails, this, &CMainFrame::OnShowFolderMails);
    connect(m_pEmailList, &CTeldoraToolsTopListCtrl::showMailPreview, this, &CMainFrame::OnShowMailPreview);
    return true;
}

JobContext CMainFrame::Context()
{
    return JobContext{m_app.m_members, m_members, *this};
}

// ---- IMainFrame: every call runs on the UI thread ----

void CMainFrame::OutputLine(const QString& line)
{
    OnUiThread([&] {
        m_pLogList->AppendLine(line);
        m_app.m_logFile.WriteLine(line);
    });
}

void CMainFrame::SetCaptionText(const QString& text)
{
    OnUiThread([&] { m_pCaptionBar->SetText(text); });
}

void CMainFrame::ShowPane(int tab)
{
    OnUiThread([&] { m_pOutputPane->ActivateTab(tab); });
}

void CMainFrame::NavigatePreview(const QString& file)
{
    OnUiThread([&] {
        m_members.m_strPreviewFile = file;
        m_pPreviewPane->NavigatePreview(file);
        m_pPreviewPane->repaint();
    });
}

void CMainFrame::ShowProgressBar(bool show)
{
    OnUiThread([&] { m_pStatusBar->ProgressBar()->setVisible(show); });
}

// The whole bounds are kept: a bar limited to 16 bits would wrap for mailboxes of more than 65,535 emails.
void CMainFrame::ProgressRange(int64_t lower, int64_t upper)
{
    OnUiThread([&] {
        QProgressBar* bar = m_pStatusBar->ProgressBar();
        bar->setRange(ClampToInt(lower), ClampToInt(upper));
        SetBarPosition(bar, 0);
    });
}

void CMainFrame::ProgressPos(int64_t pos)
{
    if (pos <= 0)
        return;
    OnUiThread([&] { SetBarPosition(m_pStatusBar->ProgressBar(), pos); });
}

void CMainFrame::MessageBox(const QString& text)
{
    OnUiThread([&] { m_pPrompts->MessageBox(text); });
}

bool CMainFrame::AskYesNo(const QString& text)
{
    return OnUiThread([&] { return m_pPrompts->AskYesNo(text, false); });
}

void CMainFrame::LogDeleteAll()
{
    OnUiThread([&] { m_pLogList->DeleteAllItems(); });
}

HTreeItem CMainFrame::TreeInsertItem(HTreeItem parent, const QString& text, int image, int selectedImage)
{
    return OnUiThread([&] { return m_pMailboxTree->InsertItem(parent, text, image, selectedImage); });
}

void CMainFrame::TreeSetItemData(HTreeItem item, int64_t data)
{
    OnUiThread([&] { m_pMailboxTree->SetItemData(item, data); });
}

void CMainFrame::TreeSetCheck(HTreeItem item, bool checked)
{
    OnUiThread([&] { m_pMailboxTree->SetCheck(item, checked); });
}

void CMainFrame::TreeExpand(HTreeItem item)
{
    OnUiThread([&] { m_pMailboxTree->Expand(item, CCheckTreeCtrl::kExpand); });
}

void CMainFrame::TreeDeleteAllItems()
{
    OnUiThread([&] { m_pMailboxTree->DeleteAllItems(); });
}

HTreeItem CMainFrame::TreeGetParent(HTreeItem item)
{
    return OnUiThread([&] { return m_pMailboxTree->GetParentItem(item); });
}

QString CMainFrame::TreeGetItemText(HTreeItem item)
{
    return OnUiThread([&] { return m_pMailboxTree->GetItemText(item); });
}

int64_t CMainFrame::TreeGetItemData(HTreeItem item)
{
    return OnUiThread([&] { return m_pMailboxTree->GetItemData(item); });
}

bool CMainFrame::TreeHasItems()
{
    return OnUiThread([&] { return m_pMailboxTree->GetCount() > 0; });
}

void CMainFrame::TreeReselectItem(HTreeItem item)
{
    OnUiThread([&] { m_pMailboxTree->SelectItemNotify(item); });
}

// A checked file item covers its folder item.
std::vector<int64_t> CMainFrame::CheckedFileNumbers()
{
    return OnUiThread([&] {
        std::vector<int64_t> numbers;
        for (HTreeItem file : m_pMailboxTree->GetRootItems()) {
            const bool fileChecked = m_pMailboxTree->GetCheck(file) != 0;
            for (HTreeItem folder : m_pMailboxTree->GetChildItems(file)) {
                if (fileChecked || m_pMailboxTree->GetCheck(folder) != 0)
                    numbers.push_back(m_pMailboxTree->GetItemData(folder));
            }
        }
        std::sort(numbers.begin(), numbers.end());
        numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
        return numbers;
    });
}

void CMainFrame::ListDeleteAll()
{
    OnUiThread([&] { m_pEmailList->DeleteAllItems(); });
}

void CMainFrame::ListAppendRows(const std::vector<EmailRow>& rows)
{
    OnUiThread([&] { m_pEmailList->AppendRows(rows); });
}

int64_t CMainFrame::ListItemCount()
{
    return OnUiThread([&] { return m_pEmailList->GetItemCount(); });
}

int64_t CMainFrame::ListGetItemData(int64_t row)
{
    return OnUiThread([&] { return m_pEmailList->GetItemData(row); });
}

void CMainFrame::ListEnsureVisible(int64_t row)
{
    OnUiThread([&] { m_pEmailList->EnsureVisible(row); });
}

void CMainFrame::ClearPreview()
{
    OnUiThread([&] { m_pPreviewPane->ClearPreview(); });
}

void CMainFrame::SetPreviewHeaders(const PreviewHeaders& headers)
{
    OnUiThread([&] { m_pPreviewPane->SetHeaders(headers); });
}

void CMainFrame::AppendAttachmentRows(const QStringList& names)
{
    OnUiThread([&] { m_pPreviewPane->AppendAttachmentRows(names); });
}

void CMainFrame::RepaintPreview()
{
    OnUiThread([&] { m_pPreviewPane->repaint(); });
}

QString CMainFrame::ChooseSnapshotToSave()
{
    return OnUiThread([&] { return m_pPrompts->ChooseSaveFile(SnapshotFilter(), QStringLiteral("ORLANDASNAP")); });
}

QString CMainFrame::ChooseSnapshotToLoad()
{
    return OnUiThread([&] { return m_pPrompts->ChooseOpenFile(SnapshotFilter()); });
}

void CMainFrame::SetWaitCursor(bool wait)
{
    OnUiThread([&] {
        if (wait == m_bWaitCursor)
            return;
        m_bWaitCursor = wait;
        if (wait)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QApplication::restoreOverrideCursor();
    });
}

// ---- Commands and messages ----

bool CMainFrame::IsBusy() const
{
    return m_app.m_members.g_bProcessRunning.load(std::memory_order_relaxed) != 0;
}

bool CMainFrame::RefuseWhileBusy()
{
    JobContext ctx = Context();
    return RefuseWhileRunning(ctx);
}

// Runs job on the frame's worker; a worker still on its way out refuses it, and the job never starts.
void CMainFrame::StartJob(std::function<void(JobContext&)> job)
{
    const bool started = m_members.m_worker.Start([this, job = std::move(job)] {
        JobContext ctx = Context();
        job(ctx);
    });
    if (!started)
        m_app.m_members.g_bProcessRunning = 0;
}

void CMainFrame::UpdateCommandUi()
{
    m_pRibbon->Button(kCmdStop)->setEnabled(IsBusy());
}

void CMainFrame::OnCommand(int commandId)
{
    switch (commandId) {
    case kCmdOpen: OnOpen(); break;
    case kCmdStop: OnStop(); break;
    case kCmdSave: OnSave(); break;
    case kCmdLoadSnapshot: OnLoadSnapshot(); break;
    case kCmdSaveSnapshot: OnSaveSnapshot(); break;
    case kCmdHelp: OnHelp(); break;
    case kCmdAbout: OnAbout(); break;
    default: break;
    }
    UpdateCommandUi();
}

void CMainFrame::OnApplicationLook(int styleId)
{
    SetWaitCursor(true);
    m_app.m_nVisualStyle = styleId;
    ApplyVisualStyle(styleId);
    update();
    WriteApplicationLook(styleId);
    SetWaitCursor(false);
}

void CMainFrame::ScanAtStart(const QStringList& paths)
{
    m_vecStartPaths.clear();
    for (const QString& path : paths)
        m_vecStartPaths << QFileInfo(path).absoluteFilePath();
    OnOpen();
}

// The Select File dialog, filling a choice of its own so that a cancelled dialog changes nothing. Real
// dialogs of the frame are owned by the frame; the Select File dialog then owns its own.
std::optional<ScanChoice> CMainFrame::ChooseFilesForScan()
{
    if (!m_vecStartPaths.isEmpty())
        return ScanChoice{std::exchange(m_vecStartPaths, {}), QString()};
    CAppMembers chosen;
    CSelectFilesDlg dlg(chosen, this, m_pOwnPrompts ? nullptr : m_pPrompts);
    if (dlg.exec() != QDialog::Accepted)
        return std::nullopt;
    return ScanChoice{chosen.m_vecMboxFiles, chosen.m_strTempPath};
}

void CMainFrame::OnOpen()
{
    JobContext ctx = Context();
    if (!BeginOpenCommand(ctx))
        return;
    const std::optional<ScanChoice> choice = ChooseFilesForScan();
    if (!choice) {
        CancelOpenCommand(ctx);
        return;
    }
    m_app.m_members.m_vecMboxFiles += choice->paths;
    m_app.m_members.m_strTempPath = choice->tempBase;
    StartScanFiles(ctx);
}

void CMainFrame::OnStop()
{
    JobContext ctx = Context();
    OnStopCommand(ctx);
}

std::optional<ExportOptions> CMainFrame::ChooseExportOptions()
{
    return CSaveOutputDlg::Ask(*m_pPrompts, this);
}

void CMainFrame::OnSave()
{
    JobContext ctx = Context();
    const std::optional<ExportRequest> request = OnSaveOutput(ctx, [this] { return ChooseExportOptions(); });
    if (request)
        StartJob([this, request = *request](JobContext& job) { SaveOutputThread(job, request, m_pPdfPrinter); });
}

void CMainFrame::OnLoadSnapshot()
{
    JobContext ctx = Context();
    ::OnLoadSnapshot(ctx);
}

void CMainFrame::OnSaveSnapshot()
{
    JobContext ctx = Context();
    ::OnSaveSnapshot(ctx);
}

void CMainFrame::OnHelp()
{
    if (RefuseWhileBusy())
        return;
    if (const QString page = HowItWorksPageUrl(); !page.isEmpty())
        m_pPrompts->OpenUrl(page);
}

void CMainFrame::OnAbout()
{
    if (RefuseWhileBusy())
        return;
    CTeldoraAboutDlg about(*m_pPrompts, this);
    about.exec();
}

bool CMainFrame::OnShowFolderMails(HTreeItem item)
{
    JobContext ctx = Context();
    if (RefuseWhileRunning(ctx) || !::OnShowFolderMails(ctx, item))
        return false;
    StartJob([](JobContext& job) { ShowFolderMailsThread(job); });
    return true;
}

bool CMainFrame::OnShowMailPreview(int64_t row)
{
    JobContext ctx = Context();
    if (RefuseWhileRunning(ctx) || !::OnShowMailPreview(ctx, row))
        return false;
    StartJob([](JobContext& job) { ShowMailPreviewThread(job); });
    return true;
}

// ---- Closing ----

void CMainFrame::closeEvent(QCloseEvent* event)
{
    // The window never closes by itself: the sequence below ends the process.
    event->ignore();
    if (IsBusy()) {
        m_pPrompts->MessageBox(QStringLiteral("Please stop the running process to close the application."));
        return;
    }
    if (!m_pPrompts->AskYesNo(QStringLiteral("Do you want to close the application?"), true))
        return;
    CloseSequence();
}

void CMainFrame::CloseSequence()
{
    if (const QString page = HowItWorksPageUrl(); !page.isEmpty())
        m_pPrompts->OpenUrl(page);
    DiscardScannedFiles(m_members);
    RemoveTempFolder(m_app.m_members.m_strTempPath);
    OutputLine(QStringLiteral("Application has been closed."));
    m_pPrompts->MessageBox(QStringLiteral("Log file path is : ") + m_app.m_strLogPath);
    m_exitProcess(255);
}

