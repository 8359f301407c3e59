#pragma once

// Allows one running instance per machine: an advisory lock on a file in the system temporary folder, held
// for the object's life. The kernel drops it when the process ends, however it ends.
class CSingleInstanceGuard {
public:
    CSingleInstanceGuard();
    ~CSingleInstanceGuard();
    CSingleInstanceGuard(const CSingleInstanceGuard&) = delete;
    CSingleInstanceGuard& operator=(const CSingleInstanceGuard&) = delete;

    // True when another process holds the lock. When the lock file cannot be made the program runs unguarded.
    bool AlreadyRunning() const { return m_bAlreadyRunning; }

private:
    int m_fd = -1;
    bool m_bAlreadyRunning = false;
};
