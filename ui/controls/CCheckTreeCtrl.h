#pragma once
#include "scan/MainFrameInterface.h"
#include "ui/controls/CImageList.h"
#include <QColor>
#include <QTreeView>
#include <unordered_map>
#include <vector>

class QStandardItem;
class QStandardItemModel;

// The control's own record of one item.
struct CHECKTREEDATA {
    int bChecked = 0;
    int bExpanded = 0;           // as tracked by the control's own expand operations
    int bExpandedOnce = 0;
    int nDescendants = 0;        // items below, at all depths
    int nCheckedDescendants = 0; // checked items below, at all depths; never below 0
    int nTextRight = 0;          // viewport x of the right edge of the text as last drawn
};

// Where a point lies on a row.
enum TreeHitFlags : unsigned {
    kHitNowhere = 0x01,
    kHitOnIcon = 0x02,
    kHitOnLabel = 0x04,
    kHitOnIndent = 0x08,
    kHitOnButton = 0x10,
    kHitOnRight = 0x20,
    kHitOnStateIcon = 0x40,
};

// Tree view with three-state check boxes of its own that spread check changes to descendants and
// ancestors. Items are addressed by handles; every operation runs on the UI thread.
class CCheckTreeCtrl : public QTreeView {
    Q_OBJECT
public:
    static constexpr int kCollapse = 1;
    static constexpr int kExpand = 2;
    static constexpr int kToggle = 3;
    static constexpr int kCollapseReset = 0x8000;
    static constexpr int kMaxTipChars = 78;
    static constexpr int kStateCells = 17;
    static constexpr int kHotCellOffset = 8;

    explicit CCheckTreeCtrl(QWidget* parent = nullptr);
    ~CCheckTreeCtrl() override;

    void Initialize();
    void SetImageList(const CImageList& images);

    HTreeItem InsertItem(HTreeItem parent, const QString& text, int image, int selectedImage);
    void SetItemData(HTreeItem item, int64_t data);
    int64_t GetItemData(HTreeItem item) const;
    void SetCheck(HTreeItem item, bool checked);
    int GetCheck(HTreeItem item) const;
    const CHECKTREEDATA* GetItemRecord(HTreeItem item) const;
    int GetStateImageIndex(HTreeItem item) const; // the cell shown, hot cells included
    bool Expand(HTreeItem item, int code);
    void ExpandAll(HTreeItem item);
    void CollapseAll(HTreeItem item);
    void DeleteAllItems();
    bool SelectItemNotify(HTreeItem item);
    HTreeItem GetSelectedItem() const;
    HTreeItem GetParentItem(HTreeItem item) const;
    QString GetItemText(HTreeItem item) const;
    int GetCount() const;
    std::vector<HTreeItem> GetRootItems() const;
    std::vector<HTreeItem> GetChildItems(HTreeItem item) const;

    // Hit test in viewport coordinates; flags from TreeHitFlags.
    HTreeItem HitTest(const QPoint& pos, unsigned* flags) const;
    QRect CheckBoxRect(HTreeItem item) const; // viewport coordinates
    QRect LabelRect(HTreeItem item) const;    // viewport coordinates
    QString TooltipTextAt(const QPoint& pos) const; // empty when the row's text is not cut off

    bool m_bCheckBoxes = false;
    bool m_bSmartCheck = false;
    bool m_bSelectFollowsCheck = true;
    bool m_bToolTip = false;

signals:
    void showFolderMails(HTreeItem item);                  // a left click on an item's label
    void checkBoxClicked(HTreeItem item, int checked);     // after every SetCheck that was not refused
    void itemExpanded(HTreeItem item, int expanded);       // an expand operation changed bExpanded
    void displayTooltip(HTreeItem item, bool* handled);    // before the control shows its own tip
    void initTooltip();                                    // after the tip rows are rebuilt
    void selectionChangedNotify(HTreeItem item);           // SelectItemNotify selects a new item

protected:
    void drawRow(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QStandardItem* ItemOf(HTreeItem item) const;
    HTreeItem HandleOf(const QModelIndex& index) const;
    CHECKTREEDATA* Record(HTreeItem item);
    const CHECKTREEDATA* Record(HTreeItem item) const;
    int ComputeStateImage(HTreeItem item) const;
    void SetStateImage(HTreeItem item, int index);
    void RefreshStateImage(HTreeItem item);
    void SetSubtreeCheck(HTreeItem item, int checked);
    void UpdateAncestors(HTreeItem item, int change, bool addDescendant);
    void ClickCheckBox(HTreeItem item);
    void SetExpandedState(HTreeItem item, int expanded);
    HTreeItem NextVisibleWithRecord(HTreeItem from, bool down) const;
    void ReadColours();
    void CreateCheckboxImages();
    void DrawItem(QPainter* painter, const QModelIndex& index, const QRect& cell) const;

    QStandardItemModel* m_model;
    std::unordered_map<HTreeItem, QStandardItem*> m_items;
    mutable std::unordered_map<HTreeItem, CHECKTREEDATA> m_records; // painting stores nTextRight
    HTreeItem m_nextHandle = 1;
    bool m_bFirstTime = true;
    bool m_bDestroying = false;
    int m_nCheckBoxSize = 16;
    CImageList m_images;
    CImageList m_stateImages;
    QColor m_clrBackground, m_clrText, m_clrSelBackground, m_clrSelText;
};
