// Draws the main window at start, the splash over it, the window during a job and the About dialog into the
// folder given on the command line (run under a real X server such as Xvfb).
#include "app/CMainFrame.h"
#include "app/CTeldoraNimbrelProjApp.h"
#include "platform/ScriptedPrompts.h"
#include "ui/controls/CCheckTreeCtrl.h"
#include "ui/controls/PreviewScheme.h"
#include "ui/dialogs/CTeldoraAboutDlg.h"

#include <QApplication>
#include <QDir>
#include <QDockWidget>
#include <QScreen>
#include <QTest>
#include <algorithm>
#include <cstdio>

namespace {

bool Shoot(const QDir& out, const char* name, int afterMs)
{
    QTest::qWait(afterMs);
    const QString path = out.filePath(QString::fromLatin1(name));
    const bool saved = QGuiApplication::primaryScreen()->grabWindow(0).save(path);
    std::printf("%s %s\n", saved ? "wrote" : "FAILED", qPrintable(path));
    return saved;
}

} // namespace

int main(int argc, char** argv)
{
    RegisterPreviewScheme();
    QApplication qtApp(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    CScriptedPrompts prompts;
    CTeldoraNimbrelProjApp app(&prompts);
    if (!app.InitInstance())
        return 1;
    CMainFrame& frame = *app.MainFrame();
    bool ok = Shoot(out, "splash.png", 900);
    ok &= Shoot(out, "main-window.png", 2600);

    app.m_members.g_bProcessRunning = 1;
    frame.ShowProgressBar(true);
    frame.ProgressRange(0, 100);
    frame.ProgressPos(40);
    frame.OutputLine(QStringLiteral("Processing File: /home/user/mail/archive.mbox"));
    frame.SetCaptionText(QStringLiteral("/home/user/mail/archive.mbox"));
    ok &= Shoot(out, "main-window-busy.png", 400);
    app.m_members.g_bProcessRunning = 0;

    CTeldoraAboutDlg about(prompts, &frame);
    about.show();
    ok &= Shoot(out, "about.png", 600);
    about.close();

    // The sample mailboxes scanned as if given on the command line, then the first one listed.
    const QDir samples(QStringLiteral(ORLANDA_SOURCE_DIR "/samples"));
    QStringList paths;
    for (const QString& name : samples.entryList(QDir::Files, QDir::Name))
        paths << samples.filePath(name);
    frame.ScanAtStart(paths);
    QTest::qWaitFor([&] { return !frame.m_members.m_worker.IsAlive(); }, 10000);
    CCheckTreeCtrl* tree = frame.findChild<CCheckTreeCtrl*>();
    const std::vector<HTreeItem> files = tree->GetRootItems();
    if (!files.empty() && !tree->GetChildItems(files.front()).empty())
        frame.OnShowFolderMails(tree->GetChildItems(files.front()).front());
    QTest::qWaitFor([&] { return !frame.m_members.m_worker.IsAlive(); }, 10000);
    ok &= Shoot(out, "main-window-scanned.png", 800);

    // inbox.mbox listed and its HTML newsletter (inline logo, two attachments) previewed in a taller output pane.
    const auto inbox = std::find_if(files.begin(), files.end(),
        [&](HTreeItem file) { return tree->GetItemText(file).endsWith(QStringLiteral("/inbox.mbox")); });
    if (inbox != files.end() && !tree->GetChildItems(*inbox).empty())
        frame.OnShowFolderMails(tree->GetChildItems(*inbox).front());
    QTest::qWaitFor([&] { return !frame.m_members.m_worker.IsAlive(); }, 10000);
    if (auto* output = frame.findChild<QDockWidget*>(QStringLiteral("Output")))
        frame.resizeDocks({output}, {frame.height() / 2}, Qt::Vertical);
    frame.OnShowMailPreview(1);
    QTest::qWaitFor([&] { return !frame.m_members.m_worker.IsAlive(); }, 10000);
    ok &= Shoot(out, "main-window-preview.png", 2500);
    return ok ? 0 : 1;
}
