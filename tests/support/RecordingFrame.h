#pragma once
#include "scan/MainFrameInterface.h"

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <vector>

// An IMainFrame for tests: records every call as one text line in call order, keeps a small tree and
// list model, and answers questions and file choosers from queues (empty queue: No / cancelled).
// Safe to call from a worker thread while the test thread reads it.
class RecordingFrame : public IMainFrame {
public:
    struct TreeItem {
        HTreeItem parent = kNoTreeItem;
        QString text;
        int image = 0;
        int selectedImage = 0;
        int64_t data = 0;
        bool checked = false;
        bool expanded = false;
    };

    // Called after each recorded call with its line, outside the lock (a test may issue commands here).
    std::function<void(const QString& call)> onCall;

    void QueueAnswer(bool yes);
    void QueueChosenFile(const QString& path);

    QStringList Calls() const;
    QStringList CallsStartingWith(const QString& prefix) const; // the recorded lines with that prefix
    QStringList OutputLines() const;                            // OutputLine texts, without the prefix
    std::vector<HTreeItem> Children(HTreeItem parent) const;    // in insertion order
    TreeItem Item(HTreeItem item) const;
    std::vector<EmailRow> Rows() const;

    void ProgressRange(int64_t lower, int64_t upper) override;
    void ProgressPos(int64_t pos) override;
    void OutputLine(const QString& line) override;
    void SetCaptionText(const QString& text) override;
    void ShowPane(int tab) override;
    void NavigatePreview(const QString& file) override;
    void ShowProgressBar(bool show) override;
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

private:
    void Record(const QString& call);
    QString NextChosenFile();

    mutable std::mutex m_mutex;
    QStringList m_calls;
    std::deque<bool> m_answers;
    std::deque<QString> m_chosenFiles;
    std::map<HTreeItem, TreeItem> m_tree;
    HTreeItem m_nextItem = 1;
    std::vector<EmailRow> m_rows;
};
