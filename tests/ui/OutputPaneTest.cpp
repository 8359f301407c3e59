#include "UiTestMain.h"
#include "ui/controls/CTeldoraListCtrl.h"
#include "ui/controls/CTeldoraStaticViewer.h"
#include "ui/controls/CTeldoraToolsWebBrowser.h"
#include "ui/panes/COutputWnd.h"
#include <QListWidget>
#include <QScrollBar>
#include <QTabWidget>

class OutputPaneTest : public QObject {
    Q_OBJECT
private slots:
    void tabsInOrderLogViewerFirst()
    {
        COutputWnd pane;
        QTabWidget* tabs = pane.GetTabs();
        QCOMPARE(tabs->count(), 2);
        QCOMPARE(tabs->tabText(0), QStringLiteral("Log Viewer"));
        QCOMPARE(tabs->tabText(1), QStringLiteral("File Viewer"));
        QCOMPARE(tabs->tabPosition(), QTabWidget::South);
        QCOMPARE(tabs->currentWidget(), static_cast<QWidget*>(pane.GetLogList()));
        pane.ActivateTab(COutputWnd::kPreviewTab);
        QCOMPARE(tabs->currentWidget(), static_cast<QWidget*>(pane.GetPreviewPane()));
        pane.ActivateTab(7);
        QCOMPARE(tabs->currentIndex(), 1);
        pane.resize(500, 300);
        pane.show();
        QCOMPARE(tabs->geometry(), QRect(0, 0, 500, 300));
    }

    void linesAppendBelowWithoutScrolling()
    {
        COutputWnd pane;
        pane.resize(400, 150);
        pane.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pane));
        CTeldoraListCtrl* log = pane.GetLogList();
        log->AppendLine("first");
        QCOMPARE(log->GetItemText(0), QStringLiteral("first"));
        for (int i = 1; i < 200; ++i)
            log->AppendLine(QString::number(i));
        QCoreApplication::processEvents();
        QCOMPARE(log->GetItemCount(), 200);
        QCOMPARE(log->GetItemText(199), QStringLiteral("199"));
        QCOMPARE(log->verticalScrollBar()->value(), 0);
        log->DeleteAllItems();
        QCOMPARE(log->GetItemCount(), 0);
    }

    void previewLayoutInBothModes()
    {
        CTeldoraStaticViewer viewer;
        viewer.resize(600, 400);
        viewer.show();
        QVERIFY(viewer.IsBrowserOnly());
        QCOMPARE(viewer.GetBrowser()->geometry(), QRect(10, 10, 580, 380));
        QCOMPARE(viewer.GetAttachmentList()->geometry(), QRect(0, 0, 0, 0));

        viewer.SetHeaders({"Subject", "From", "To", "Date"});
        viewer.AppendAttachmentRows({"report.pdf", "no-extension"});
        QCOMPARE(viewer.GetAttachmentList()->count(), 2);
        QVERIFY(!viewer.GetAttachmentList()->item(0)->icon().isNull());
        viewer.ClearPreview();
        QVERIFY(!viewer.IsBrowserOnly());
        QVERIFY(viewer.m_strSubject.isEmpty() && viewer.m_strFrom.isEmpty() && viewer.m_strTo.isEmpty()
                && viewer.m_strDate.isEmpty());
        QCOMPARE(viewer.GetAttachmentList()->count(), 0);
        QCOMPARE(viewer.GetAttachmentList()->geometry(), QRect(120, 75, 470, 40));
        QCOMPARE(viewer.GetBrowser()->geometry(), QRect(10, 125, 580, 255));
        viewer.resize(700, 500);
        QCOMPARE(viewer.GetBrowser()->geometry(), QRect(10, 125, 680, 355));
    }

    void previewPaintsHeaderBoxAndShadedFrame()
    {
        CTeldoraStaticViewer viewer;
        viewer.resize(400, 300);
        viewer.ClearPreview();
        viewer.SetHeaders({QString(200, QLatin1Char('W')), "From", "To", "Date"});
        const QImage shot = viewer.grab().toImage();
        QCOMPARE(viewer.HeaderRect(), QRect(6, 6, 388, 110));
        QCOMPARE(shot.pixelColor(0, 0).rgb(), qRgb(138, 146, 166));
        QCOMPARE(shot.pixelColor(399, 299).rgb(), qRgb(131, 139, 158));
        QCOMPARE(shot.pixelColor(5, 150).rgb(), qRgb(0, 0, 0));
        QCOMPARE(shot.pixelColor(394, 150).rgb(), qRgb(0, 0, 0));
        // The long subject is clipped 120 pixels before the header box's right edge.
        const QColor window = viewer.palette().color(QPalette::Base);
        const int subjectY = 6 + 4 + 6;
        bool inked = false;
        for (int x = 20; x < 200; ++x)
            inked = inked || shot.pixelColor(x, subjectY).rgb() != window.rgb();
        QVERIFY(inked);
        for (int x = 394 - 120 + 1; x < 394 - 60; ++x)
            QCOMPARE(shot.pixelColor(x, subjectY).rgb(), window.rgb());
    }
};

ORLANDA_UI_TEST_MAIN(OutputPaneTest)
#include "OutputPaneTest.moc"
