#include "app/CTeldoraNimbrelProjApp.h"
#include "ui/controls/PreviewScheme.h"

#include <QApplication>
#include <unistd.h>

int main(int argc, char** argv)
{
    // The web engine's sandbox refuses to start for root.
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    RegisterPreviewScheme();
    QApplication qtApp(argc, argv);
    CTeldoraNimbrelProjApp theApp;
    if (!theApp.InitInstance(QApplication::arguments().mid(1)))
        return 0;
    return QApplication::exec();
}
