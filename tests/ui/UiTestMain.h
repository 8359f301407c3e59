#pragma once
#include "ui/controls/PreviewScheme.h"
#include <QApplication>
#include <QTest>

// Like QTEST_MAIN, with the preview scheme registered before the application object exists, as
// the program's own main() does.
#define ORLANDA_UI_TEST_MAIN(TestClass)                                \
    int main(int argc, char** argv)                                    \
    {                                                                  \
        RegisterPreviewScheme();                                       \
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);    \
        QApplication app(argc, argv);                                  \
        TestClass test;                                                \
        return QTest::qExec(&test, argc, argv);                        \
    }
