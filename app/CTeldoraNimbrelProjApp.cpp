#include "app/CTeldoraNimbrelProjApp.h"

#include "app/CMainFrame.h"
#include "ui/dialogs/QtUserPrompts.h"

CTeldoraNimbrelProjApp::CTeldoraNimbrelProjApp(IUserPrompts* prompts)
    : m_pOwnPrompts(prompts ? nullptr : std::make_unique<CQtUserPrompts>())
    , m_pPrompts(prompts ? prompts : m_pOwnPrompts.get())
{
}

CTeldoraNimbrelProjApp::~CTeldoraNimbrelProjApp() = default;

bool CTeldoraNimbrelProjApp::InitInstance(const QStringList& mailboxPaths)
{
    if (m_instanceGuard.AlreadyRunning()) {
        m_pPrompts->MessageBox(QStringLiteral("Another instance of application is already running"));
        return false;
    }
    // Real dialogs of the frame belong to the frame; scripted answers serve both.
    m_pMainFrame = std::make_unique<CMainFrame>(*this, m_pOwnPrompts ? nullptr : m_pPrompts);
    if (!m_pMainFrame->Create()) {
        m_pMainFrame.reset();
        return false;
    }
    m_pMainFrame->show();
    if (!mailboxPaths.isEmpty())
        m_pMainFrame->ScanAtStart(mailboxPaths);
    return true;
}
