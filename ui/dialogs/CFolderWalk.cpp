#include "ui/dialogs/CFolderWalk.h"

#include <QDirIterator>
#include <QFile>

#include <memory>
#include <sys/stat.h>
#include <vector>

namespace {

std::unique_ptr<QDirIterator> ListFolder(const QString& folder)
{
    return std::make_unique<QDirIterator>(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

} // namespace

CFolderWalk::CFolderWalk(const std::atomic<int>& running, FileSink onFile)
    : m_running(running), m_onFile(std::move(onFile))
{
}

void CFolderWalk::Walk(const QString& root)
{
    if (!Enter(root))
        return;
    // An explicit stack instead of recursion: a hostile tree may be nested deeper than the thread's stack.
    std::vector<std::unique_ptr<QDirIterator>> open;
    open.push_back(ListFolder(root));
    while (!open.empty() && m_running.load(std::memory_order_relaxed)) {
        QDirIterator& folder = *open.back();
        if (!folder.hasNext()) {
            open.pop_back();
            continue;
        }
        const QFileInfo entry = folder.nextFileInfo();
        if (!entry.isDir())
            m_onFile(entry.filePath());
        else if (Enter(entry.filePath()))
            open.push_back(ListFolder(entry.filePath()));
    }
}

// True when the folder (the target, for a link) has not been visited yet; it is marked visited.
bool CFolderWalk::Enter(const QString& folder)
{
    struct stat info {};
    if (::stat(QFile::encodeName(folder).constData(), &info) != 0)
        return false;
    return m_visited.emplace(info.st_dev, info.st_ino).second;
}
