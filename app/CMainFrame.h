#pragma once
#include "export/ExportOptions.h"
#include "scan/JobContext.h"
#include "scan/MainFrameInterface.h"

#include <QMainWindow>
#include <QStringList>
#include <functional>
#include <optional>

class CCheckTreeCtrl;
class CMyCaptionBar;
class COutputWnd;
class CRibbonBar;
class CRibbonStatusBarCls;
class CTeldoraListCtrl;
class CTeldoraNimbrelProjApp;
class CTeldoraStaticViewer;
class CTeldoraToolsTopListCtrl;
class IUserPrompts;

// The mailbox paths of a scan and the base folder for its temporary files ("" for the system's).
struct ScanChoice {
    QStringList paths;
    QString tempBase;
};

// The main window: ribbon, caption bar, mailbox tree pane, email list, output pane and status bar. It carries
// every IMainFrame call to the UI thread and waits for it, so the jobs' changes arrive in their order.
class CWebPdfPrinter;

class CMainFrame : public QMainWindow, public IMainFrame {
    Q_OBJECT
public:
    // prompts answers boxes and pickers (tests); null shows real dialogs owned by this window.
    CMainFrame(CTeldoraNimbrelProjApp& app, IUserPrompts* prompts);
    ~CMainFrame() override;

    // Builds the window's parts, shows it maximized and opens the log; false when a part cannot be made.
    bool Create();
    // Scans paths as if they had been chosen with Open, with the system's temporary folder.
    void ScanAtStart(const QStringList& paths);

    void OutputLine(const QString& line) override;
    void SetCaptionText(const QString& text) override;
    void ShowPane(int tab) override;
    void NavigatePreview(const QString& file) override;
    void ShowProgressBar(bool show) override;
    void ProgressRange(int64_t lower, int64_t upper) override;
    void ProgressPos(int64_t pos) override;
    void MessageBox(const QString& text) override;
    bool AskYesNo(const QString& text) override;
    void LogDeleteAll() override;
    HTreeItem TreeInsertItem(HTreeItem parent, const QString& text, int image, int selectedImage) override;
    void TreeSetItemData(HTreeItem item, int64_t data) override;
    void TreeSetCheck(HTreeItem item, bool checked) override;
    void TreeExpand(HTreeItem item) override;
    void TreeDeleteAllItems() override;
    HTreeItem TreeGetParent(HTreeItem item) override;
    QString TreeGetItemText(HTreeItem item) override;
    int64_t TreeGetItemData(HTreeItem item) override;
    bool TreeHasItems() override;
    void TreeReselectItem(HTreeItem item) override;
    std::vector<int64_t> CheckedFileNumbers() override;
    void ListDeleteAll() override;
    void ListAppendRows(const std::vector<EmailRow>& rows) override;
    int64_t ListItemCount() override;
    int64_t ListGetItemData(int64_t row) override;
    void ListEnsureVisible(int64_t row) override;
    void ClearPreview() override;
    void SetPreviewHeaders(const PreviewHeaders& headers) override;
    void AppendAttachmentRows(const QStringList& names) override;
    void RepaintPreview() override;
    QString ChooseSnapshotToSave() override;
    QString ChooseSnapshotToLoad() override;
    void SetWaitCursor(bool wait) override;

    // A ribbon command by id.
    void OnCommand(int commandId);
    // Makes visual style id (210 to 218) the look and stores it.
    void OnApplicationLook(int styleId);
    // A click on a tree item's label and on an email row; false when refused.
    bool OnShowFolderMails(HTreeItem item);
    bool OnShowMailPreview(int64_t row);
    // Enables Stop exactly while a job runs; also polled.
    void UpdateCommandUi();

    CRibbonBar* Ribbon() const { return m_pRibbon; }
    CRibbonStatusBarCls* StatusBar() const { return m_pStatusBar; }
    CMyCaptionBar* CaptionBar() const { return m_pCaptionBar; }
    COutputWnd* OutputPane() const { return m_pOutputPane; }
    JobContext Context();
    // What ends the process after the close sequence; tests record the status instead.
    void SetExitProcess(std::function<void(int)> exitProcess) { m_exitProcess = std::move(exitProcess); }

    CFrameMembers m_members;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    template <typename F>
    auto OnUiThread(F&& call);

    void BuildRibbonAndCaptionBar();
    void BuildStatusBar();
    bool BuildPanes();
    bool IsBusy() const;
    bool RefuseWhileBusy();
    void StartJob(std::function<void(JobContext&)> job);
    void CloseSequence();
    void OnOpen();
    void OnStop();
    void OnSave();
    void OnLoadSnapshot();
    void OnSaveSnapshot();
    void OnHelp();
    void OnAbout();
    std::optional<ScanChoice> ChooseFilesForScan();
    std::optional<ExportOptions> ChooseExportOptions();

    CTeldoraNimbrelProjApp& m_app;
    std::unique_ptr<IUserPrompts> m_pOwnPrompts;
    IUserPrompts* m_pPrompts;
    std::function<void(int)> m_exitProcess;
    CWebPdfPrinter* m_pPdfPrinter; // lives as long as the window: the export's worker prints through it
    QStringList m_vecStartPaths;
    bool m_bWaitCursor = false;

    CRibbonBar* m_pRibbon = nullptr;
    CRibbonStatusBarCls* m_pStatusBar = nullptr;
    CMyCaptionBar* m_pCaptionBar = nullptr;
    COutputWnd* m_pOutputPane = nullptr;
    CCheckTreeCtrl* m_pMailboxTree = nullptr;
    CTeldoraToolsTopListCtrl* m_pEmailList = nullptr;
    CTeldoraListCtrl* m_pLogList = nullptr;
    CTeldoraStaticViewer* m_pPreviewPane = nullptr;
};
