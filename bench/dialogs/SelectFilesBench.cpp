// How the Select File dialog copes with a folder of many files: the bare walk against the dialog's
// search, and Add Files with every path picked (twice: the second time all are already listed).
// The longest stall is the longest time the dialog's thread did not get to its event loop.
//   orlanda_select_files_bench [FILE_COUNT]   (default 100000; runs offscreen unless a platform is set)
#include "platform/ScriptedPrompts.h"
#include "scan/JobContext.h"
#include "ui/dialogs/CFolderWalk.h"
#include "ui/dialogs/CSelectFilesDlg.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

struct Run {
    qint64 nMs = 0;
    qint64 nLongestStallMs = 0;
    int nRows = 0;
};

// Clicks a button and spins the event loop until the dialog is idle again.
Run ClickAndWait(CSelectFilesDlg& dlg, const QString& button)
{
    QPushButton* stop = dlg.findChild<QPushButton*>("Stop");
    QEventLoop loop;
    QElapsedTimer clock;
    QElapsedTimer sinceTick;
    Run run;
    QTimer tick;
    tick.setInterval(1);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        run.nLongestStallMs = std::max(run.nLongestStallMs, sinceTick.restart());
        if (stop->isHidden())
            loop.quit();
    });
    clock.start();
    sinceTick.start();
    tick.start();
    dlg.findChild<QPushButton*>(button)->click();
    loop.exec();
    run.nMs = clock.elapsed();
    run.nRows = dlg.findChild<QTableView*>("fileList")->model()->rowCount();
    return run;
}

void Print(const char* what, const Run& run)
{
    std::printf("%-28s %7lld ms  longest stall %4lld ms  rows %d\n", what, static_cast<long long>(run.nMs),
        static_cast<long long>(run.nLongestStallMs), run.nRows);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100000;

    QTemporaryDir tree;
    QStringList paths;
    for (int i = 0; i < count; ++i) {
        const QString folder = QString("%1/f%2").arg(tree.path()).arg(i % 100);
        if (i < 100)
            QDir().mkpath(folder);
        paths.append(QString("%1/mail%2.mbox").arg(folder).arg(i));
        QFile file(paths.last());
        if (!file.open(QIODevice::WriteOnly))
            return 1;
    }

    std::atomic<int> running{1};
    int found = 0;
    QElapsedTimer clock;
    clock.start();
    CFolderWalk(running, [&](const QString&) { ++found; }).Walk(tree.path());
    Print("bare walk", {clock.elapsed(), 0, found});

    CAppMembers members;
    CScriptedPrompts prompts;
    {
        CSelectFilesDlg dlg(members, nullptr, &prompts);
        dlg.show();
        prompts.QueueFolder(tree.path());
        Print("dialog Search File", ClickAndWait(dlg, "Search File"));
    }
    CSelectFilesDlg dlg(members, nullptr, &prompts);
    dlg.show();
    prompts.QueueOpenFiles(paths);
    Print("dialog Add Files", ClickAndWait(dlg, "Add Files"));
    prompts.QueueOpenFiles(paths);
    Print("dialog Add Files, all listed", ClickAndWait(dlg, "Add Files"));
    return 0;
}
