#include "PixelChecks.h"
#include "UiTestMain.h"
#include "ui/controls/CTeldoraToolsTopListCtrl.h"
#include "ui/panes/CTeldoraNimbrelProjView.h"
#include <QHeaderView>
#include <QScrollBar>
#include <QSignalSpy>

namespace {

std::vector<EmailRow> Rows(int count, int64_t firstData = 0)
{
    std::vector<EmailRow> rows(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        EmailRow& row = rows[static_cast<size_t>(i)];
        row.strName = QString::number(i);
        row.strTo = QStringLiteral("to%1@example.org").arg(i);
        row.strFrom = QStringLiteral("from%1@example.org").arg(count - i); // descending: a sort would show
        row.strSubject = QStringLiteral("Subject %1").arg(i);
        row.strDate = QStringLiteral("Mon, 1 Jan 2024 00:00:%1 +0000").arg(i % 60, 2, 10, QLatin1Char('0'));
        row.bHasAttachment = i % 2 == 1;
        row.nItemData = firstData + i;
    }
    return rows;
}

} // namespace

class EmailListTest : public QObject {
    Q_OBJECT
private slots:
    void columnsHaveTheirTitlesWidthsAndResizeRules()
    {
        CTeldoraNimbrelProjView view;
        QHeaderView* header = view.GetEmailList()->horizontalHeader();
        const struct {
            const char* title;
            int width;
            QHeaderView::ResizeMode mode;
            bool image;
        } expected[] = {
            {"", 24, QHeaderView::Fixed, true},
            {"", 24, QHeaderView::Fixed, true},
            {"To", 300, QHeaderView::Fixed, false},
            {"From", 300, QHeaderView::Interactive, false},
            {"Subject", 300, QHeaderView::Interactive, false},
            {"Arrival Date/Time", 200, QHeaderView::Interactive, false},
        };
        QCOMPARE(header->count(), 6);
        for (int c = 0; c < 6; ++c) {
            const QAbstractItemModel* model = view.GetEmailList()->model();
            QCOMPARE(model->headerData(c, Qt::Horizontal).toString(), QString::fromLatin1(expected[c].title));
            QCOMPARE(header->sectionSize(c), expected[c].width);
            QCOMPARE(header->sectionResizeMode(c), expected[c].mode);
            QCOMPARE(header->visualIndex(c), c);
            const QPixmap image = model->headerData(c, Qt::Horizontal, Qt::DecorationRole).value<QPixmap>();
            QCOMPARE(!image.isNull(), expected[c].image);
            if (expected[c].image)
                QCOMPARE(image.size(), QSize(12, 13));
        }
    }

    void rowsShowTheirImagesAndFullTextTips()
    {
        CTeldoraNimbrelProjView view;
        CTeldoraToolsTopListCtrl* list = view.GetEmailList();
        list->AppendRows(Rows(2));
        const QAbstractItemModel* model = list->model();
        QCOMPARE(model->data(model->index(0, 0), Qt::DecorationRole).value<QPixmap>().size(), QSize(16, 16));
        QVERIFY(model->data(model->index(0, 1), Qt::DecorationRole).isNull());
        QVERIFY(!model->data(model->index(1, 1), Qt::DecorationRole).value<QPixmap>().isNull());
        QCOMPARE(model->data(model->index(1, 4), Qt::ToolTipRole).toString(), QStringLiteral("Subject 1"));
        QCOMPARE(list->GetItemText(1, 2), QStringLiteral("to1@example.org"));
        QCOMPARE(list->GetItemData(5), int64_t{-1});

        view.resize(800, 200);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QCOMPARE(CountMagenta(view.grab().toImage()), 0);
    }

    void leftClickSelectsThenAsksForPreview()
    {
        CTeldoraNimbrelProjView view;
        view.resize(800, 400);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        CTeldoraToolsTopListCtrl* list = view.GetEmailList();
        list->AppendRows(Rows(3, 100));
        list->selectRow(0);

        int64_t selectedWhenSignalled = -2;
        QSignalSpy preview(list, &CTeldoraToolsTopListCtrl::showMailPreview);
        connect(list, &CTeldoraToolsTopListCtrl::showMailPreview, this,
                [&] { selectedWhenSignalled = list->GetSelectionMark(); });
        const QRect row2 = list->visualRect(list->model()->index(2, 3));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row2.center());
        QCOMPARE(preview.count(), 1);
        QCOMPARE(preview[0][0].value<int64_t>(), int64_t{2});
        QCOMPARE(selectedWhenSignalled, int64_t{2});
        QCOMPARE(list->GetItemData(2), int64_t{102});

        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(row2.center().x(), row2.bottom() + 100));
        QSignalSpy rightClick(list, &CTeldoraToolsTopListCtrl::rightClickedRow);
        QTest::mouseClick(list->viewport(), Qt::RightButton, {}, row2.center());
        QCOMPARE(preview.count(), 1);
        QCOMPARE(rightClick.count(), 1);

        QSignalSpy keys(list, &CTeldoraToolsTopListCtrl::mailListKey);
        QTest::keyClick(list, Qt::Key_Up);
        QCOMPARE(keys.count(), 2); // key down and key up
        QCOMPARE(keys[1][0].value<int64_t>(), int64_t{1});
    }

    void headerClickKeepsRowOrder()
    {
        CTeldoraNimbrelProjView view;
        view.resize(800, 400);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        CTeldoraToolsTopListCtrl* list = view.GetEmailList();
        list->AppendRows(Rows(5));
        QHeaderView* header = list->horizontalHeader();
        for (int c = 0; c < 6; ++c)
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                              QPoint(header->sectionViewportPosition(c) + 5, header->height() / 2));
        for (int64_t r = 0; r < 5; ++r)
            QCOMPARE(list->GetItemData(r), r);
        QCOMPARE(list->GetItemText(0, 3), QStringLiteral("from5@example.org"));
    }

    void batchOfHundredThousandRowsAppendsInOrder()
    {
        CTeldoraNimbrelProjView view;
        view.resize(800, 400);
        view.show();
        CTeldoraToolsTopListCtrl* list = view.GetEmailList();
        list->AppendRows(Rows(100000));
        list->AppendRows(Rows(1, 100000));
        QCOMPARE(list->GetItemCount(), int64_t{100001});
        QCOMPARE(list->GetItemData(99999), int64_t{99999});
        QCOMPARE(list->GetItemData(100000), int64_t{100000});
        list->EnsureVisible(100000);
        QVERIFY(list->verticalScrollBar()->value() > 0);
        list->DeleteAllItems();
        QCOMPARE(list->GetItemCount(), int64_t{0});
    }

    void viewIsFilledByTheList()
    {
        CTeldoraNimbrelProjView view;
        view.resize(640, 480);
        view.show();
        view.resize(700, 300);
        QCOMPARE(view.GetEmailList()->geometry(), QRect(0, 0, 700, 300));
    }
};

ORLANDA_UI_TEST_MAIN(EmailListTest)
#include "EmailListTest.moc"
