#include "tests/support/RecordingFrame.h"

#include <set>

void RecordingFrame::QueueAnswer(bool yes)
{
    std::lock_guard lock(m_mutex);
    m_answers.push_back(yes);
}

void RecordingFrame::QueueChosenFile(const QString& path)
{
    std::lock_guard lock(m_mutex);
    m_chosenFiles.push_back(path);
}

QStringList RecordingFrame::Calls() const
{
    std::lock_guard lock(m_mutex);
    return m_calls;
}

QStringList RecordingFrame::CallsStartingWith(const QString& prefix) const
{
    QStringList found;
    for (const QString& call : Calls())
        if (call.startsWith(prefix))
            found << call;
    return found;
}

QStringList RecordingFrame::OutputLines() const
{
    const QString prefix = QStringLiteral("OutputLine ");
    QStringList lines;
    for (const QString& call : CallsStartingWith(prefix))
        lines << call.mid(prefix.size());
    return lines;
}

std::vector<HTreeItem> RecordingFrame::Children(HTreeItem parent) const
{
    std::lock_guard lock(m_mutex);
    std::vector<HTreeItem> children;
    for (const auto& [handle, item] : m_tree)
        if (item.parent == parent)
            children.push_back(handle);
    return children;
}

RecordingFrame::TreeItem RecordingFrame::Item(HTreeItem item) const
{
    std::lock_guard lock(m_mutex);
    const auto found = m_tree.find(item);
    return found == m_tree.end() ? TreeItem{} : found->second;
}

std::vector<EmailRow> RecordingFrame::Rows() const
{
    std::lock_guard lock(m_mutex);
    return m_rows;
}

void RecordingFrame::Record(const QString& call)
{
    {
        std::lock_guard lock(m_mutex);
        m_calls << call;
    }
    if (onCall)
        onCall(call);
}

QString RecordingFrame::NextChosenFile()
{
    std::lock_guard lock(m_mutex);
    if (m_chosenFiles.empty())
        return QString();
    QString path = m_chosenFiles.front();
    m_chosenFiles.pop_front();
    return path;
}

void RecordingFrame::ProgressRange(int64_t lower, int64_t upper)
{
    Record(QStringLiteral("ProgressRange %1 %2").arg(lower).arg(upper));
}

void RecordingFrame::ProgressPos(int64_t pos) { Record(QStringLiteral("ProgressPos %1").arg(pos)); }
void RecordingFrame::OutputLine(const QString& line) { Record(QStringLiteral("OutputLine ") + line); }
void RecordingFrame::SetCaptionText(const QString& text) { Record(QStringLiteral("SetCaptionText ") + text); }
void RecordingFrame::ShowPane(int tab) { Record(QStringLiteral("ShowPane %1").arg(tab)); }
void RecordingFrame::NavigatePreview(const QString& file) { Record(QStringLiteral("NavigatePreview ") + file); }
void RecordingFrame::ShowProgressBar(bool show) { Record(QStringLiteral("ShowProgressBar %1").arg(show)); }
void RecordingFrame::MessageBox(const QString& text) { Record(QStringLiteral("MessageBox ") + text); }

bool RecordingFrame::AskYesNo(const QString& text)
{
    bool yes = false;
    {
        std::lock_guard lock(m_mutex);
        if (!m_answers.empty()) {
            yes = m_answers.front();
            m_answers.pop_front();
        }
    }
    Record(QStringLiteral("AskYesNo ") + text);
    return yes;
}

void RecordingFrame::LogDeleteAll() { Record(QStringLiteral("LogDeleteAll")); }

HTreeItem RecordingFrame::TreeInsertItem(HTreeItem parent, const QString& text, int image, int selectedImage)
{
    HTreeItem handle;
    {
        std::lock_guard lock(m_mutex);
        handle = m_nextItem++;
        m_tree[handle] = TreeItem{parent, text, image, selectedImage};
    }
    Record(QStringLiteral("TreeInsertItem %1 %2 %3 %4").arg(parent).arg(text).arg(image).arg(selectedImage));
    return handle;
}

void RecordingFrame::TreeSetItemData(HTreeItem item, int64_t data)
{
    {
        std::lock_guard lock(m_mutex);
        m_tree[item].data = data;
    }
    Record(QStringLiteral("TreeSetItemData %1 %2").arg(item).arg(data));
}

void RecordingFrame::TreeSetCheck(HTreeItem item, bool checked)
{
    {
        std::lock_guard lock(m_mutex);
        m_tree[item].checked = checked;
    }
    Record(QStringLiteral("TreeSetCheck %1 %2").arg(item).arg(checked));
}

void RecordingFrame::TreeExpand(HTreeItem item)
{
    {
        std::lock_guard lock(m_mutex);
        m_tree[item].expanded = true;
    }
    Record(QStringLiteral("TreeExpand %1").arg(item));
}

void RecordingFrame::TreeDeleteAllItems()
{
    {
        std::lock_guard lock(m_mutex);
        m_tree.clear();
    }
    Record(QStringLiteral("TreeDeleteAllItems"));
}

HTreeItem RecordingFrame::TreeGetParent(HTreeItem item) { return Item(item).parent; }
QString RecordingFrame::TreeGetItemText(HTreeItem item) { return Item(item).text; }
int64_t RecordingFrame::TreeGetItemData(HTreeItem item) { return Item(item).data; }

bool RecordingFrame::TreeHasItems()
{
    std::lock_guard lock(m_mutex);
    return !m_tree.empty();
}

void RecordingFrame::TreeReselectItem(HTreeItem item) { Record(QStringLiteral("TreeReselectItem %1").arg(item)); }

std::vector<int64_t> RecordingFrame::CheckedFileNumbers()
{
    std::lock_guard lock(m_mutex);
    std::set<int64_t> numbers;
    for (const auto& [handle, item] : m_tree) {
        if (item.checked && item.data > 0)
            numbers.insert(item.data);
    }
    return {numbers.begin(), numbers.end()};
}

void RecordingFrame::ListDeleteAll()
{
    {
        std::lock_guard lock(m_mutex);
        m_rows.clear();
    }
    Record(QStringLiteral("ListDeleteAll"));
}

void RecordingFrame::ListAppendRows(const std::vector<EmailRow>& rows)
{
    {
        std::lock_guard lock(m_mutex);
        m_rows.insert(m_rows.end(), rows.begin(), rows.end());
    }
    Record(QStringLiteral("ListAppendRows %1").arg(rows.size()));
}

int64_t RecordingFrame::ListItemCount()
{
    std::lock_guard lock(m_mutex);
    return int64_t(m_rows.size());
}

int64_t RecordingFrame::ListGetItemData(int64_t row)
{
    std::lock_guard lock(m_mutex);
    return row >= 0 && row < int64_t(m_rows.size()) ? m_rows[size_t(row)].nItemData : -1;
}

void RecordingFrame::ListEnsureVisible(int64_t row) { Record(QStringLiteral("ListEnsureVisible %1").arg(row)); }
void RecordingFrame::ClearPreview() { Record(QStringLiteral("ClearPreview")); }

void RecordingFrame::SetPreviewHeaders(const PreviewHeaders& h)
{
    Record(QStringLiteral("SetPreviewHeaders %1|%2|%3|%4").arg(h.strSubject, h.strFrom, h.strTo, h.strDate));
}

void RecordingFrame::AppendAttachmentRows(const QStringList& names)
{
    Record(QStringLiteral("AppendAttachmentRows ") + names.join(u'|'));
}

void RecordingFrame::RepaintPreview() { Record(QStringLiteral("RepaintPreview")); }

QString RecordingFrame::ChooseSnapshotToSave()
{
    const QString path = NextChosenFile();
    Record(QStringLiteral("ChooseSnapshotToSave ") + path);
    return path;
}

QString RecordingFrame::ChooseSnapshotToLoad()
{
    const QString path = NextChosenFile();
    Record(QStringLiteral("ChooseSnapshotToLoad ") + path);
    return path;
}

void RecordingFrame::SetWaitCursor(bool wait) { Record(QStringLiteral("SetWaitCursor %1").arg(wait)); }
