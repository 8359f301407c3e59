#include "platform/AppTitle.h"

#include <QApplication>
#include <QMainWindow>
#include <QWebEngineView>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(kAppTitle());
    window.setCentralWidget(new QWebEngineView(&window));
    window.show();
    return app.exec();
}
