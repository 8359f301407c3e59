#pragma once
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

// Handle of a mailbox-tree item; 0 is "no item" and, as a parent, the tree root.
using HTreeItem = quint64;
inline constexpr HTreeItem kNoTreeItem = 0;

// Row images of the email list.
inline constexpr int kEmailRowImage = 38;
inline constexpr int kAttachmentImage = 56;

// One row of the email list: column 0 name (image 38), column 1 attachment mark (image 56), columns 2-5 texts.
struct EmailRow {
    QString strName;
    QString strTo;
    QString strFrom;
    QString strSubject;
    QString strDate;
    bool bHasAttachment = false;
    int64_t nItemData = 0; // the email's 0-based index into the scanner's offset table
};

// The header texts the preview pane paints.
struct PreviewHeaders {
    QString strSubject;
    QString strFrom;
    QString strTo;
    QString strDate;
};

// Receiver of a scan's progress (the status-bar progress bar).
class IProgressNotify {
public:
    virtual ~IProgressNotify() = default;
    virtual void ProgressRange(int64_t lower, int64_t upper) = 0; // range set, position back to 0
    virtual void ProgressPos(int64_t pos) = 0;                     // 0 and negative values are ignored
};

// Everything the jobs do to the window. The main window carries each call to the UI thread and waits
// for it, so changes happen on the UI thread in the worker's order; the console and the tests
// implement it directly.
class IMainFrame : public IProgressNotify {
public:
    // Frame messages.
    virtual void OutputLine(const QString& line) = 0;        // a row of the "Log Viewer" list and a log line
    virtual void SetCaptionText(const QString& text) = 0;    // the caption bar's text
    virtual void ShowPane(int tab) = 0;                      // 0 "Log Viewer", 1 "File Viewer"
    virtual void NavigatePreview(const QString& file) = 0;   // the preview browser loads file, pane repainted
    virtual void ShowProgressBar(bool show) = 0;             // shows or hides the status-bar progress bar

    // Message boxes with caption kAppTitle and the information icon, owned by the main frame.
    virtual void MessageBox(const QString& text) = 0;
    virtual bool AskYesNo(const QString& text) = 0;

    // The "Log Viewer" list.
    virtual void LogDeleteAll() = 0;

    // The mailbox tree. Items are inserted after the parent's last child.
    virtual HTreeItem TreeInsertItem(HTreeItem parent, const QString& text, int image, int selectedImage) = 0;
    virtual void TreeSetItemData(HTreeItem item, int64_t data) = 0;
    virtual void TreeSetCheck(HTreeItem item, bool checked) = 0;
    virtual void TreeExpand(HTreeItem item) = 0;
    virtual void TreeDeleteAllItems() = 0;
    virtual HTreeItem TreeGetParent(HTreeItem item) = 0;
    virtual QString TreeGetItemText(HTreeItem item) = 0;
    virtual int64_t TreeGetItemData(HTreeItem item) = 0;
    virtual bool TreeHasItems() = 0;
    virtual void TreeReselectItem(HTreeItem item) = 0; // the click handling's own selection, on a refused click
    // 1-based numbers of the scanned files whose folder item is checked (a file item's check covers its
    // folder item), ascending. Called on the UI thread by the Save command.
    virtual std::vector<int64_t> CheckedFileNumbers() = 0;

    // The email list. Rows are appended in order; several rows may come in one call.
    virtual void ListDeleteAll() = 0;
    virtual void ListAppendRows(const std::vector<EmailRow>& rows) = 0;
    virtual int64_t ListItemCount() = 0;
    virtual int64_t ListGetItemData(int64_t row) = 0;
    virtual void ListEnsureVisible(int64_t row) = 0;

    // The preview pane.
    virtual void ClearPreview() = 0;
    virtual void SetPreviewHeaders(const PreviewHeaders& headers) = 0;
    virtual void AppendAttachmentRows(const QStringList& names) = 0;
    virtual void RepaintPreview() = 0;

    // Snapshot file choosers; an empty result means cancelled.
    virtual QString ChooseSnapshotToSave() = 0;
    virtual QString ChooseSnapshotToLoad() = 0;
    virtual void SetWaitCursor(bool wait) = 0;
};
