#pragma once
#include "persist/LogFile.h"
#include "platform/SettingsStore.h"
#include "platform/SingleInstance.h"
#include "scan/JobContext.h"

#include <QStringList>
#include <memory>

class CMainFrame;
class IUserPrompts;

// The application object: the members the jobs share, this run's log, and the start-up up to the visible window.
class CTeldoraNimbrelProjApp {
public:
    // prompts answers every box and picker (tests); null shows real dialogs.
    explicit CTeldoraNimbrelProjApp(IUserPrompts* prompts = nullptr);
    ~CTeldoraNimbrelProjApp();
    CTeldoraNimbrelProjApp(const CTeldoraNimbrelProjApp&) = delete;
    CTeldoraNimbrelProjApp& operator=(const CTeldoraNimbrelProjApp&) = delete;

    // Refuses a second instance, builds and shows the main window and scans mailboxPaths as if chosen with
    // Open. False, with no window left, when the program should end at once.
    bool InitInstance(const QStringList& mailboxPaths = {});

    CMainFrame* MainFrame() const { return m_pMainFrame.get(); }

    CAppMembers m_members;
    QString m_strLogPath;
    CLogFile m_logFile;
    int m_nVisualStyle = kDefaultApplicationLook;

private:
    CSingleInstanceGuard m_instanceGuard;
    std::unique_ptr<IUserPrompts> m_pOwnPrompts;
    IUserPrompts* m_pPrompts;
    std::unique_ptr<CMainFrame> m_pMainFrame;
};
