#pragma once
#include "scan/CWorkerThread.h"
#include "scan/MainFrameInterface.h"
#include "scan/ScannedFileEntry.h"

#include <QString>
#include <QStringList>
#include <atomic>
#include <vector>

// The application members that the jobs share (the application object holds one of these).
struct CAppMembers {
    std::atomic<int> g_bProcessRunning{0};
    QString m_strCurrentFile;
    QString m_strTempPath;   // base folder for temporary files; empty: the system temporary folder
    QStringList m_vecMboxFiles;
};

// The main-frame members that the jobs share (the main frame holds one of these).
struct CFrameMembers {
    std::vector<ScannedFileEntry> m_vecScannedFiles;
    int64_t m_nFileCount = 0;
    std::atomic<MboxFileScanner*> m_pCurScanner{nullptr};
    bool m_bCurIsImm = false;
    bool m_bCurHasAttachments = false;
    HTreeItem m_hClickedItem = kNoTreeItem;
    int64_t m_nPreviewIndex = 0;
    QString m_strPreviewFile;
    CWorkerThread m_worker; // last, so it is joined before the members its job uses go away
};

// What a job runs against: shared state and the window.
struct JobContext {
    CAppMembers& app;
    CFrameMembers& frame;
    IMainFrame& ui;
};
