#include "cli/PdfExport.h"

#include "export/SaveOutputJob.h"
#include "ui/export/CWebPdfPrinter.h"

#include <QApplication>
#include <unistd.h>

namespace {

// The job waits on its worker for every page while this thread's event loop prints it; the loop ends with the job.
int64_t RunWithWebPrinter(JobContext& ctx, const ExportRequest& request)
{
    CWebPdfPrinter printer;
    int64_t written = 0;
    ctx.frame.m_worker.Start([&] {
        written = SaveOutputThread(ctx, request, &printer);
        QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    });
    QCoreApplication::exec();
    ctx.frame.m_worker.Join();
    // The last page may still wait for its deferred delete; it must go before the printer's profile.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return written;
}

} // namespace

std::unique_ptr<QCoreApplication> CreateCliApplication(int& argc, char** argv)
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    if (args.value(0) != QLatin1String("export") || !ExportAsksForPdf(args.mid(1)))
        return std::make_unique<QCoreApplication>(argc, argv);
    // A console program has no screen to rely on; a platform the caller chose still wins.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The web engine's sandbox refuses to start for root.
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    return std::make_unique<QApplication>(argc, argv);
}

ExportRunner PdfExportRunner() { return RunWithWebPrinter; }
