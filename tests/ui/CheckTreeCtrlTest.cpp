#include "PixelChecks.h"
#include "UiTestMain.h"
#include "ui/controls/CCheckTreeCtrl.h"
#include "ui/panes/CFileView.h"
#include <QSignalSpy>

namespace {

constexpr int kUnchecked = 1;
constexpr int kChecked = 2;
constexpr int kMixed = 3;

// root
// └─ file
//    ├─ a
//    └─ b
struct SmallTree {
    CFileView pane;
    CCheckTreeCtrl* tree = pane.GetTree();
    HTreeItem root = tree->InsertItem(kNoTreeItem, "root", 1, 1);
    HTreeItem file = tree->InsertItem(root, "file", 1, 1);
    HTreeItem a = tree->InsertItem(file, "a", 0, 0);
    HTreeItem b = tree->InsertItem(file, "b", 0, 0);

    SmallTree()
    {
        pane.resize(300, 200);
        pane.show();
        tree->ExpandAll(root);
    }
    const CHECKTREEDATA& Rec(HTreeItem item) const { return *tree->GetItemRecord(item); }
};

} // namespace

class CheckTreeCtrlTest : public QObject {
    Q_OBJECT
private slots:
    void checkingSpreadsDownAndUp()
    {
        SmallTree t;
        QCOMPARE(t.Rec(t.root).nDescendants, 3);
        t.tree->SetCheck(t.file, true);
        QCOMPARE(t.tree->GetCheck(t.a), 1);
        QCOMPARE(t.tree->GetCheck(t.b), 1);
        QCOMPARE(t.Rec(t.file).nCheckedDescendants, 2);
        QCOMPARE(t.Rec(t.root).nCheckedDescendants, 3);
        QCOMPARE(t.tree->GetCheck(t.root), 1);
        QCOMPARE(t.tree->GetStateImageIndex(t.root), kChecked);

        t.tree->SetCheck(t.a, false);
        QCOMPARE(t.tree->GetCheck(t.file), 0);
        QCOMPARE(t.tree->GetStateImageIndex(t.file), kMixed);
        QCOMPARE(t.Rec(t.root).nCheckedDescendants, 1); // only b is still checked
        QCOMPARE(t.tree->GetStateImageIndex(t.root), kMixed);

        t.tree->SetCheck(t.b, false);
        QCOMPARE(t.tree->GetStateImageIndex(t.file), kUnchecked);
        QCOMPARE(t.Rec(t.root).nCheckedDescendants, 0);
        QCOMPARE(t.tree->GetStateImageIndex(t.root), kUnchecked);
    }

    void insertingUncheckedChildUnderCheckedParentShowsMixed()
    {
        SmallTree t;
        t.tree->SetCheck(t.root, true);
        const HTreeItem c = t.tree->InsertItem(t.file, "c", 0, 0);
        QCOMPARE(t.tree->GetCheck(c), 0);
        QCOMPARE(t.tree->GetCheck(t.file), 0);
        QCOMPARE(t.tree->GetStateImageIndex(t.file), kMixed);
        QCOMPARE(t.Rec(t.root).nDescendants, 4);
        QCOMPARE(t.Rec(t.root).nCheckedDescendants, 2); // a and b; file no longer counts
        QCOMPARE(t.tree->GetStateImageIndex(t.root), kMixed);
    }

    void setCheckToSameValueOnlyNotifies()
    {
        SmallTree t;
        t.tree->SetCheck(t.a, true);
        QSignalSpy clicked(t.tree, &CCheckTreeCtrl::checkBoxClicked);
        t.tree->SetCheck(t.a, true);
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(clicked[0][0].value<HTreeItem>(), t.a);
        QCOMPARE(t.Rec(t.file).nCheckedDescendants, 1);
        t.tree->SetCheck(kNoTreeItem, true); // refused: no notification
        QCOMPARE(clicked.count(), 1);
    }

    void clicksOnCheckBoxLabelButtonAndBeside()
    {
        SmallTree t;
        QVERIFY(QTest::qWaitForWindowExposed(&t.pane));
        QSignalSpy folder(t.tree, &CCheckTreeCtrl::showFolderMails);
        QWidget* vp = t.tree->viewport();

        QTest::mouseClick(vp, Qt::LeftButton, {}, t.tree->CheckBoxRect(t.a).center());
        QCOMPARE(t.tree->GetCheck(t.a), 1);
        QCOMPARE(t.tree->GetSelectedItem(), t.a);
        QCOMPARE(t.tree->GetStateImageIndex(t.a), kChecked + CCheckTreeCtrl::kHotCellOffset);
        QCOMPARE(folder.count(), 0);

        QTest::mouseClick(vp, Qt::LeftButton, {}, t.tree->LabelRect(t.b).center());
        QCOMPARE(folder.count(), 1);
        QCOMPARE(folder[0][0].value<HTreeItem>(), t.b);
        QCOMPARE(t.tree->GetSelectedItem(), t.b);
        QCOMPARE(t.tree->GetCheck(t.b), 0);

        const QRect label = t.tree->LabelRect(t.file);
        QTest::mouseClick(vp, Qt::LeftButton, {}, QPoint(label.right() + 20, label.center().y()));
        unsigned flags = 0;
        QCOMPARE(t.tree->HitTest(QPoint(label.right() + 20, label.center().y()), &flags), t.file);
        QCOMPARE(flags, unsigned{kHitOnRight});
        const QPoint button(t.tree->CheckBoxRect(t.file).left() - t.tree->indentation() / 2, label.center().y());
        QCOMPARE(t.tree->HitTest(button, &flags), t.file);
        QCOMPARE(flags, unsigned{kHitOnButton});
        QTest::mouseClick(vp, Qt::LeftButton, {}, button);
        QCOMPARE(folder.count(), 1);

        QTest::mouseClick(vp, Qt::RightButton, {}, t.tree->LabelRect(t.root).center());
        QCOMPARE(t.tree->GetSelectedItem(), t.root);
        QCOMPARE(folder.count(), 1);
    }

    void keysToggleAndExpand()
    {
        SmallTree t;
        t.tree->CollapseAll(t.root);
        QVERIFY(!t.tree->isExpanded(t.tree->model()->index(0, 0)));
        t.tree->SelectItemNotify(t.root);
        t.tree->setFocus();

        QTest::keyClick(t.tree, Qt::Key_Space);
        QCOMPARE(t.tree->GetCheck(t.b), 1);
        QTest::keyClick(t.tree, Qt::Key_Space);
        QCOMPARE(t.tree->GetCheck(t.b), 0);

        QSignalSpy expanded(t.tree, &CCheckTreeCtrl::itemExpanded);
        QTest::keyClick(t.tree, Qt::Key_Asterisk, Qt::KeypadModifier);
        QCOMPARE(expanded.count(), 2); // root and file
        QCOMPARE(t.Rec(t.file).bExpanded, 1);
        QVERIFY(t.tree->isExpanded(t.tree->model()->index(0, 0, t.tree->model()->index(0, 0))));

        QTest::keyClick(t.tree, Qt::Key_Left);
        QCOMPARE(t.Rec(t.root).bExpanded, 0);
        QCOMPARE(t.tree->GetSelectedItem(), t.root);
        QTest::keyClick(t.tree, Qt::Key_Right);
        QCOMPARE(t.Rec(t.root).bExpanded, 1);
        QTest::keyClick(t.tree, Qt::Key_Down);
        QCOMPARE(t.tree->GetSelectedItem(), t.file);
    }

    void tooltipOnlyForCutOffRowsAtMost78Chars()
    {
        SmallTree t;
        const QString longText = QString(120, QLatin1Char('x'));
        const HTreeItem wide = t.tree->InsertItem(t.root, longText, 1, 1);
        t.pane.resize(200, 200);
        QVERIFY(QTest::qWaitForWindowExposed(&t.pane));
        t.tree->viewport()->repaint();
        QCOMPARE(t.tree->TooltipTextAt(t.tree->LabelRect(wide).topLeft() + QPoint(2, 2)),
                 longText.left(CCheckTreeCtrl::kMaxTipChars));
        QVERIFY(t.tree->TooltipTextAt(t.tree->LabelRect(t.a).center()).isEmpty());
    }

    void deleteAllItemsFreesRecords()
    {
        SmallTree t;
        t.tree->DeleteAllItems();
        QCOMPARE(t.tree->GetCount(), 0);
        QVERIFY(t.tree->GetItemRecord(t.a) == nullptr);
        t.tree->DeleteAllItems();
        QVERIFY(t.tree->GetRootItems().empty());
        t.tree->SetCheck(t.a, true); // stale handle: nothing happens
        QCOMPARE(t.tree->GetCheck(t.a), 0);
    }

    void itemImagesShowNoMagenta()
    {
        SmallTree t;
        QVERIFY(QTest::qWaitForWindowExposed(&t.pane));
        QCOMPARE(CountMagenta(t.tree->viewport()->grab().toImage()), 0);
    }

    void paneKeepsFrameAndPassesFocus()
    {
        CFileView pane;
        pane.resize(200, 150);
        pane.show();
        QVERIFY(QTest::qWaitForWindowActive(&pane));
        QCOMPARE(pane.GetTree()->geometry(), QRect(1, 1, 198, 148));
        QCOMPARE(pane.GetTree()->GetCount(), 0);
        pane.setFocus();
        QVERIFY(pane.GetTree()->hasFocus());
        const QImage shot = pane.grab().toImage();
        const QColor shadow = pane.palette().color(QPalette::Dark);
        for (const QPoint& p : {QPoint(0, 0), QPoint(199, 75), QPoint(100, 149), QPoint(0, 75)})
            QCOMPARE(shot.pixelColor(p).rgb(), shadow.rgb());
    }
};

ORLANDA_UI_TEST_MAIN(CheckTreeCtrlTest)
#include "CheckTreeCtrlTest.moc"
