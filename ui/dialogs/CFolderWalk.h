#pragma once
#include <QString>

#include <atomic>
#include <functional>
#include <set>
#include <sys/types.h>
#include <utility>

// Reports every non-folder entry below a folder, at every depth, hidden ones included, depth first in the
// order the folder lists them. A symbolic link to a folder is followed unless that folder was already
// visited (by device and inode), so link cycles end and each file is reported once.
// The walk ends at the next entry once the running flag is 0.
class CFolderWalk {
public:
    using FileSink = std::function<void(const QString& path)>;

    CFolderWalk(const std::atomic<int>& running, FileSink onFile);

    void Walk(const QString& root);

private:
    bool Enter(const QString& folder);

    const std::atomic<int>& m_running;
    FileSink m_onFile;
    std::set<std::pair<dev_t, ino_t>> m_visited;
};
