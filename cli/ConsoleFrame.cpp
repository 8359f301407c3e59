#include "cli/ConsoleFrame.h"

#include <algorithm>
#include <cstdio>
#include <unistd.h>

namespace {
constexpr int kBarWidth = 40;
} // namespace

ConsoleFrame::ConsoleFrame() : m_terminal(::isatty(STDERR_FILENO) == 1) {}

HTreeItem ConsoleFrame::FolderItem(size_t index) const
{
    std::lock_guard lock(m_mutex);
    size_t root = 0;
    HTreeItem fileItem = kNoTreeItem;
    for (size_t i = 0; i < m_tree.size() && fileItem == kNoTreeItem; ++i)
        if (m_tree[i].parent == kNoTreeItem && root++ == index)
            fileItem = HTreeItem(i + 1);
    for (size_t i = 0; i < m_tree.size(); ++i)
        if (fileItem != kNoTreeItem && m_tree[i].parent == fileItem)
            return HTreeItem(i + 1);
    return kNoTreeItem;
}

void ConsoleFrame::ProgressRange(int64_t, int64_t upper)
{
    std::lock_guard lock(m_mutex);
    m_upper = upper > 0 ? upper : 1;
    m_pos = 0;
    DrawBar();
}

void ConsoleFrame::ProgressPos(int64_t pos)
{
    std::lock_guard lock(m_mutex);
    if (pos <= 0)
        return;
    m_pos = pos;
    DrawBar();
}

void ConsoleFrame::OutputLine(const QString& line) { PrintLine(line); }
void ConsoleFrame::MessageBox(const QString& text) { PrintLine(text); }

bool ConsoleFrame::AskYesNo(const QString& text)
{
    PrintLine(text + QStringLiteral(" No"));
    return false;
}

void ConsoleFrame::ShowProgressBar(bool show)
{
    std::lock_guard lock(m_mutex);
    m_barShown = show;
    if (show)
        DrawBar();
    else
        ClearBar();
}

HTreeItem ConsoleFrame::TreeInsertItem(HTreeItem parent, const QString& text, int, int)
{
    std::lock_guard lock(m_mutex);
    m_tree.push_back({parent, text});
    return HTreeItem(m_tree.size());
}

void ConsoleFrame::TreeSetItemData(HTreeItem item, int64_t data)
{
    std::lock_guard lock(m_mutex);
    if (Find(item))
        m_tree[item - 1].data = data;
}

void ConsoleFrame::TreeSetCheck(HTreeItem item, bool checked)
{
    std::lock_guard lock(m_mutex);
    if (Find(item))
        m_tree[item - 1].checked = checked;
}

void ConsoleFrame::TreeDeleteAllItems()
{
    std::lock_guard lock(m_mutex);
    m_tree.clear();
}

HTreeItem ConsoleFrame::TreeGetParent(HTreeItem item)
{
    std::lock_guard lock(m_mutex);
    const TreeItem* found = Find(item);
    return found ? found->parent : kNoTreeItem;
}

QString ConsoleFrame::TreeGetItemText(HTreeItem item)
{
    std::lock_guard lock(m_mutex);
    const TreeItem* found = Find(item);
    return found ? found->text : QString();
}

int64_t ConsoleFrame::TreeGetItemData(HTreeItem item)
{
    std::lock_guard lock(m_mutex);
    const TreeItem* found = Find(item);
    return found ? found->data : 0;
}

std::vector<int64_t> ConsoleFrame::CheckedFileNumbers()
{
    std::lock_guard lock(m_mutex);
    std::vector<int64_t> numbers;
    for (const TreeItem& item : m_tree)
        if (item.parent != kNoTreeItem && item.checked && Find(item.parent)->checked)
            numbers.push_back(item.data);
    return numbers;
}

void ConsoleFrame::ListAppendRows(const std::vector<EmailRow>& rows)
{
    std::lock_guard lock(m_mutex);
    m_rows.insert(m_rows.end(), rows.begin(), rows.end());
}

int64_t ConsoleFrame::ListGetItemData(int64_t row)
{
    std::lock_guard lock(m_mutex);
    return row >= 0 && row < int64_t(m_rows.size()) ? m_rows[size_t(row)].nItemData : -1;
}

void ConsoleFrame::ClearPreview()
{
    std::lock_guard lock(m_mutex);
    m_headers = PreviewHeaders{};
    m_attachmentRows.clear();
}

const ConsoleFrame::TreeItem* ConsoleFrame::Find(HTreeItem item) const
{
    return item >= 1 && item <= m_tree.size() ? &m_tree[item - 1] : nullptr;
}

void ConsoleFrame::PrintLine(const QString& text)
{
    std::lock_guard lock(m_mutex);
    ClearBar();
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    DrawBar();
}

void ConsoleFrame::DrawBar()
{
    if (!m_terminal || !m_barShown)
        return;
    const int64_t pos = std::clamp<int64_t>(m_pos, 0, m_upper);
    const int filled = int(pos * kBarWidth / m_upper);
    std::fprintf(stderr, "\r[%s%s] %3d%%", QByteArray(filled, '#').constData(),
                 QByteArray(kBarWidth - filled, ' ').constData(), int(pos * 100 / m_upper));
    std::fflush(stderr);
    m_barDrawn = true;
}

void ConsoleFrame::ClearBar()
{
    if (!m_barDrawn)
        return;
    std::fprintf(stderr, "\r%*s\r", kBarWidth + 8, "");
    m_barDrawn = false;
}
