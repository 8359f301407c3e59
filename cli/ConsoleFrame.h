#pragma once
#include "scan/MainFrameInterface.h"

#include <QString>
#include <QStringList>
#include <mutex>
#include <vector>

// The window of orlanda-cli: status lines and message boxes go to standard error one per line, with a
// progress bar there when standard error is a terminal; the tree and the lists are kept for the commands
// to print. Questions are answered No; the snapshot choosers answer with the file the command names.
class ConsoleFrame : public IMainFrame {
public:
    struct TreeItem {
        HTreeItem parent = kNoTreeItem;
        QString text;
        int64_t data = 0;
        bool checked = false;
    };

    ConsoleFrame();

    void SetChosenFile(const QString& path) { m_chosenFile = path; }
    // The first child of the index-th root item (the folder item of the index-th file), or kNoTreeItem.
    HTreeItem FolderItem(size_t index) const;
    const std::vector<EmailRow>& Rows() const { return m_rows; }
    const PreviewHeaders& Headers() const { return m_headers; }
    const QStringList& AttachmentRows() const { return m_attachmentRows; }

    void ProgressRange(int64_t lower, int64_t upper) override;
    void ProgressPos(int64_t pos) override;
    void OutputLine(const QString& line) override;
    void SetCaptionText(const QString&) override {}
    void ShowPane(int) override {}
    void NavigatePreview(const QString&) override {}
    void ShowProgressBar(bool show) override;
    void MessageBox(const QString& text) override;
    bool AskYesNo(const QString& text) override;
    void LogDeleteAll() override {}
    HTreeItem TreeInsertItem(HTreeItem parent, const QString& text, int image, int selectedImage) override;
    void TreeSetItemData(HTreeItem item, int64_t data) override;
    void TreeSetCheck(HTreeItem item, bool checked) override;
    void TreeExpand(HTreeItem) override {}
    void TreeDeleteAllItems() override;
    HTreeItem TreeGetParent(HTreeItem item) override;
    QString TreeGetItemText(HTreeItem item) override;
    int64_t TreeGetItemData(HTreeItem item) override;
    bool TreeHasItems() override { return !m_tree.empty(); }
    void TreeReselectItem(HTreeItem) override {}
    std::vector<int64_t> CheckedFileNumbers() override;
    void ListDeleteAll() override { m_rows.clear(); }
    void ListAppendRows(const std::vector<EmailRow>& rows) override;
    int64_t ListItemCount() override { return int64_t(m_rows.size()); }
    int64_t ListGetItemData(int64_t row) override;
    void ListEnsureVisible(int64_t) override {}
    void ClearPreview() override;
    void SetPreviewHeaders(const PreviewHeaders& headers) override { m_headers = headers; }
    void AppendAttachmentRows(const QStringList& names) override { m_attachmentRows << names; }
    void RepaintPreview() override {}
    QString ChooseSnapshotToSave() override { return m_chosenFile; }
    QString ChooseSnapshotToLoad() override { return m_chosenFile; }
    void SetWaitCursor(bool) override {}

private:
    const TreeItem* Find(HTreeItem item) const;
    void PrintLine(const QString& text);
    void DrawBar();
    void ClearBar();

    // Jobs call in from their worker while the command waits; the lock keeps the calls whole.
    mutable std::recursive_mutex m_mutex;
    bool m_terminal;
    bool m_barShown = false;
    bool m_barDrawn = false;
    int64_t m_upper = 1000;
    int64_t m_pos = 0;
    QString m_chosenFile;
    std::vector<TreeItem> m_tree; // handle = index + 1
    std::vector<EmailRow> m_rows;
    PreviewHeaders m_headers;
    QStringList m_attachmentRows;
};
