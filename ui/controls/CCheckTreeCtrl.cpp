#include "ui/controls/CCheckTreeCtrl.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QStyleOptionButton>
#include <QToolTip>
#include <algorithm>

namespace {

constexpr int kHandleRole = Qt::UserRole + 1;
constexpr int kDataRole = Qt::UserRole + 2;
constexpr int kImageRole = Qt::UserRole + 3;
constexpr int kSelectedImageRole = Qt::UserRole + 4;
constexpr int kStateRole = Qt::UserRole + 5;

constexpr int kImageSize = 16;
constexpr int kGap = 2;
constexpr int kTextPadding = 2;
constexpr int kTipEdge = 3;

constexpr int kUnchecked = 1;
constexpr int kChecked = 2;
constexpr int kMixed = 3;

QStyle::State CellState(int cell)
{
    const int kind = cell % 4;
    QStyle::State state = kind == kChecked ? QStyle::State_On : kind == kMixed ? QStyle::State_NoChange : QStyle::State_Off;
    if ((cell / 4) % 2 == 0)
        state |= QStyle::State_Enabled;
    if (cell >= 8)
        state |= QStyle::State_MouseOver;
    return state;
}

} // namespace

CCheckTreeCtrl::CCheckTreeCtrl(QWidget* parent) : QTreeView(parent), m_model(new QStandardItemModel(this))
{
    setModel(m_model);
    setHeaderHidden(true);
    setUniformRowHeights(true);
    setRootIsDecorated(true);
    setEditTriggers(NoEditTriggers);
    setDragDropMode(NoDragDrop);
    setSelectionMode(SingleSelection);
    setAllColumnsShowFocus(true);
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    header()->setStretchLastSection(false);
    ReadColours();
}

CCheckTreeCtrl::~CCheckTreeCtrl() = default;

void CCheckTreeCtrl::Initialize()
{
    m_bDestroying = true;
    DeleteAllItems();
    m_bCheckBoxes = true;
    m_bToolTip = true;
    m_bSmartCheck = false;
    m_bSelectFollowsCheck = true;
    m_nCheckBoxSize = kImageSize;
    m_bFirstTime = true;
    ReadColours();
    CreateCheckboxImages();
    m_bDestroying = false;
}

void CCheckTreeCtrl::SetImageList(const CImageList& images)
{
    m_images = images;
    viewport()->update();
}

void CCheckTreeCtrl::ReadColours()
{
    const QPalette& pal = palette();
    m_clrBackground = pal.color(QPalette::Base);
    m_clrText = pal.color(QPalette::Text);
    m_clrSelBackground = pal.color(QPalette::Highlight);
    m_clrSelText = pal.color(QPalette::HighlightedText);
}

// One strip of 17 cells: unchecked, checked and mixed, normal, disabled and hot; cells 0, 4, 8,
// 12 and 16 stay empty.
void CCheckTreeCtrl::CreateCheckboxImages()
{
    const int size = m_nCheckBoxSize;
    QPixmap strip(kStateCells * size, size);
    strip.fill(m_clrBackground);
    QPainter painter(&strip);
    for (int cell = 0; cell < kStateCells; ++cell) {
        if (cell % 4 == 0)
            continue;
        QStyleOptionButton option;
        option.initFrom(this);
        option.rect = QRect(cell * size + 1, 1, size - 2, size - 2);
        option.state = CellState(cell);
        style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &option, &painter, this);
    }
    painter.end();
    m_stateImages = CImageList(strip, QSize(size, size));
}

QStandardItem* CCheckTreeCtrl::ItemOf(HTreeItem item) const
{
    const auto it = m_items.find(item);
    return it == m_items.end() ? nullptr : it->second;
}

HTreeItem CCheckTreeCtrl::HandleOf(const QModelIndex& index) const
{
    return index.isValid() ? index.data(kHandleRole).toULongLong() : kNoTreeItem;
}

CHECKTREEDATA* CCheckTreeCtrl::Record(HTreeItem item)
{
    if (m_bDestroying)
        return nullptr;
    const auto it = m_records.find(item);
    return it == m_records.end() ? nullptr : &it->second;
}

const CHECKTREEDATA* CCheckTreeCtrl::Record(HTreeItem item) const
{
    return const_cast<CCheckTreeCtrl*>(this)->Record(item);
}

const CHECKTREEDATA* CCheckTreeCtrl::GetItemRecord(HTreeItem item) const
{
    return Record(item);
}

HTreeItem CCheckTreeCtrl::InsertItem(HTreeItem parent, const QString& text, int image, int selectedImage)
{
    QStandardItem* parentItem = parent == kNoTreeItem ? m_model->invisibleRootItem() : ItemOf(parent);
    if (!parentItem)
        return kNoTreeItem;
    const HTreeItem handle = m_nextHandle++;
    auto* item = new QStandardItem(text); // owned by the model once appended
    item->setEditable(false);
    item->setData(handle, kHandleRole);
    item->setData(qint64{0}, kDataRole);
    item->setData(image, kImageRole);
    item->setData(selectedImage, kSelectedImageRole);
    item->setData(kUnchecked, kStateRole);
    const int rowHeight = std::max(kImageSize + 2, fontMetrics().height() + 2);
    const int width = 2 * (kImageSize + kGap) + fontMetrics().horizontalAdvance(text) + 2 * kTextPadding;
    item->setSizeHint(QSize(width, rowHeight));
    m_records.emplace(handle, CHECKTREEDATA{});
    m_items.emplace(handle, item);
    parentItem->appendRow(item);
    if (m_bSmartCheck)
        UpdateAncestors(handle, 0, true);
    return handle;
}

void CCheckTreeCtrl::SetItemData(HTreeItem item, int64_t data)
{
    if (QStandardItem* it = ItemOf(item))
        it->setData(static_cast<qint64>(data), kDataRole);
}

int64_t CCheckTreeCtrl::GetItemData(HTreeItem item) const
{
    const QStandardItem* it = ItemOf(item);
    return it ? it->data(kDataRole).toLongLong() : 0;
}

int CCheckTreeCtrl::GetCheck(HTreeItem item) const
{
    const CHECKTREEDATA* rec = Record(item);
    return rec ? rec->bChecked : 0;
}

int CCheckTreeCtrl::GetStateImageIndex(HTreeItem item) const
{
    const QStandardItem* it = ItemOf(item);
    return it ? it->data(kStateRole).toInt() : 0;
}

int CCheckTreeCtrl::ComputeStateImage(HTreeItem item) const
{
    const CHECKTREEDATA* rec = Record(item);
    if (!rec)
        return kUnchecked;
    if (m_bSmartCheck && rec->nDescendants > 0) {
        if (rec->nCheckedDescendants == 0)
            return kUnchecked;
        return rec->nCheckedDescendants == rec->nDescendants ? kChecked : kMixed;
    }
    return rec->bChecked ? kChecked : kUnchecked;
}

void CCheckTreeCtrl::SetStateImage(HTreeItem item, int index)
{
    if (QStandardItem* it = ItemOf(item))
        it->setData(index, kStateRole);
}

void CCheckTreeCtrl::RefreshStateImage(HTreeItem item)
{
    SetStateImage(item, ComputeStateImage(item));
}

void CCheckTreeCtrl::SetCheck(HTreeItem item, bool checked)
{
    CHECKTREEDATA* rec = m_bCheckBoxes ? Record(item) : nullptr;
    if (!rec)
        return;
    const int value = checked ? 1 : 0;
    const int old = rec->bChecked;
    rec->bChecked = value;
    RefreshStateImage(item);
    if (m_bSmartCheck && value != old) {
        const int change = value ? rec->nDescendants - rec->nCheckedDescendants + 1 : -(rec->nCheckedDescendants + 1);
        SetSubtreeCheck(item, value);
        UpdateAncestors(item, change, false);
    }
    emit checkBoxClicked(item, value);
}

void CCheckTreeCtrl::SetSubtreeCheck(HTreeItem item, int checked)
{
    if (CHECKTREEDATA* rec = Record(item)) {
        rec->bChecked = checked;
        rec->nCheckedDescendants = checked ? std::max(0, rec->nDescendants) : 0;
        SetStateImage(item, checked ? kChecked : kUnchecked);
    }
    for (HTreeItem child : GetChildItems(item))
        SetSubtreeCheck(child, checked);
}

// Adds change to every ancestor's checked count, nearest first; an ancestor whose own check flips
// also counts itself in the change passed further up.
void CCheckTreeCtrl::UpdateAncestors(HTreeItem item, int change, bool addDescendant)
{
    for (HTreeItem parent = GetParentItem(item); parent != kNoTreeItem; parent = GetParentItem(parent)) {
        CHECKTREEDATA* rec = Record(parent);
        if (!rec)
            continue;
        if (addDescendant)
            ++rec->nDescendants;
        rec->nCheckedDescendants = std::max(0, rec->nCheckedDescendants + change);
        const int was = rec->bChecked;
        rec->bChecked = rec->nCheckedDescendants == rec->nDescendants ? 1 : 0;
        RefreshStateImage(parent);
        if (rec->bChecked != was)
            change += rec->bChecked ? 1 : -1;
    }
}

void CCheckTreeCtrl::ClickCheckBox(HTreeItem item)
{
    const CHECKTREEDATA* rec = Record(item);
    if (!rec)
        return;
    SetCheck(item, !rec->bChecked);
    if (m_bSelectFollowsCheck)
        SelectItemNotify(item);
    SetStateImage(item, ComputeStateImage(item) + kHotCellOffset);
}

void CCheckTreeCtrl::SetExpandedState(HTreeItem item, int expanded)
{
    CHECKTREEDATA* rec = Record(item);
    if (!rec)
        return;
    if (expanded)
        rec->bExpandedOnce = 1;
    if (rec->bExpanded == expanded)
        return;
    rec->bExpanded = expanded;
    emit itemExpanded(item, expanded);
}

bool CCheckTreeCtrl::Expand(HTreeItem item, int code)
{
    const QStandardItem* it = ItemOf(item);
    if (!it || !it->hasChildren())
        return false;
    const QModelIndex index = it->index();
    const bool collapse = code == kCollapse || (code & kCollapseReset) != 0;
    const bool expand = collapse ? false : code == kToggle ? !isExpanded(index) : code == kExpand;
    if (const CHECKTREEDATA* rec = Record(item)) {
        const int wanted = collapse ? 0 : code == kToggle ? !rec->bExpanded : 1;
        SetExpandedState(item, wanted);
    }
    setExpanded(index, expand);
    return true;
}

void CCheckTreeCtrl::ExpandAll(HTreeItem item)
{
    const QStandardItem* it = ItemOf(item);
    if (!it || !it->hasChildren())
        return;
    SetExpandedState(item, 1);
    setExpanded(it->index(), true);
    for (HTreeItem child : GetChildItems(item))
        ExpandAll(child);
}

void CCheckTreeCtrl::CollapseAll(HTreeItem item)
{
    const QStandardItem* it = ItemOf(item);
    if (!it || !it->hasChildren())
        return;
    Expand(item, kCollapse);
    for (HTreeItem child : GetChildItems(item))
        CollapseAll(child);
}

void CCheckTreeCtrl::DeleteAllItems()
{
    const std::vector<HTreeItem> roots = GetRootItems();
    for (HTreeItem root : roots)
        CollapseAll(root);
    if (!roots.empty())
        SelectItemNotify(roots.front());
    horizontalScrollBar()->setValue(0);
    viewport()->update();
    const bool destroying = m_bDestroying;
    m_bDestroying = true;
    m_model->removeRows(0, m_model->rowCount());
    m_items.clear();
    m_records.clear();
    m_bDestroying = destroying;
}

HTreeItem CCheckTreeCtrl::GetSelectedItem() const
{
    return HandleOf(currentIndex());
}

bool CCheckTreeCtrl::SelectItemNotify(HTreeItem item)
{
    if (item != kNoTreeItem && item == GetSelectedItem())
        return true;
    const QStandardItem* it = ItemOf(item);
    if (it && Record(item)) {
        emit selectionChangedNotify(item);
        selectionModel()->setCurrentIndex(it->index(), QItemSelectionModel::ClearAndSelect);
        return true;
    }
    if (currentIndex().isValid())
        selectionModel()->select(currentIndex(), QItemSelectionModel::ClearAndSelect);
    return false;
}

HTreeItem CCheckTreeCtrl::GetParentItem(HTreeItem item) const
{
    const QStandardItem* it = ItemOf(item);
    return it && it->parent() ? HandleOf(it->parent()->index()) : kNoTreeItem;
}

QString CCheckTreeCtrl::GetItemText(HTreeItem item) const
{
    const QStandardItem* it = ItemOf(item);
    return it ? it->text() : QString();
}

int CCheckTreeCtrl::GetCount() const
{
    return static_cast<int>(m_items.size());
}

std::vector<HTreeItem> CCheckTreeCtrl::GetRootItems() const
{
    std::vector<HTreeItem> roots;
    for (int row = 0; row < m_model->rowCount(); ++row)
        roots.push_back(HandleOf(m_model->index(row, 0)));
    return roots;
}

std::vector<HTreeItem> CCheckTreeCtrl::GetChildItems(HTreeItem item) const
{
    std::vector<HTreeItem> children;
    if (const QStandardItem* it = ItemOf(item)) {
        for (int row = 0; row < it->rowCount(); ++row)
            children.push_back(HandleOf(it->child(row)->index()));
    }
    return children;
}

QRect CCheckTreeCtrl::CheckBoxRect(HTreeItem item) const
{
    const QStandardItem* it = ItemOf(item);
    if (!it || !m_bCheckBoxes)
        return {};
    const QRect cell = visualRect(it->index());
    return QRect(cell.left(), cell.top() + (cell.height() - m_nCheckBoxSize) / 2, m_nCheckBoxSize, m_nCheckBoxSize);
}

QRect CCheckTreeCtrl::LabelRect(HTreeItem item) const
{
    const QStandardItem* it = ItemOf(item);
    if (!it)
        return {};
    const QRect cell = visualRect(it->index());
    const int left = cell.left() + (m_bCheckBoxes ? m_nCheckBoxSize + kGap : 0) + kImageSize + kGap;
    return QRect(left, cell.top(), fontMetrics().horizontalAdvance(it->text()) + kTextPadding, cell.height());
}

HTreeItem CCheckTreeCtrl::HitTest(const QPoint& pos, unsigned* flags) const
{
    // The row is found through column 0, whatever the x of the point.
    const QModelIndex index = indexAt(QPoint(header()->sectionViewportPosition(0), pos.y()));
    const HTreeItem item = HandleOf(index);
    if (item == kNoTreeItem || pos.x() < 0 || pos.x() >= viewport()->width()) {
        *flags = kHitNowhere;
        return kNoTreeItem;
    }
    const QRect cell = visualRect(index);
    const QRect label = LabelRect(item);
    if (pos.x() < cell.left()) {
        const bool onButton = pos.x() >= cell.left() - indentation() && m_model->hasChildren(index);
        *flags = onButton ? kHitOnButton : kHitOnIndent;
    } else if (m_bCheckBoxes && pos.x() < cell.left() + m_nCheckBoxSize) {
        *flags = kHitOnStateIcon;
    } else if (pos.x() < label.left()) {
        *flags = kHitOnIcon;
    } else {
        *flags = pos.x() <= label.right() ? kHitOnLabel : kHitOnRight;
    }
    return item;
}

QString CCheckTreeCtrl::TooltipTextAt(const QPoint& pos) const
{
    unsigned flags = 0;
    const HTreeItem item = HitTest(pos, &flags);
    const CHECKTREEDATA* rec = Record(item);
    if (!rec || !(flags & (kHitOnIcon | kHitOnLabel | kHitOnStateIcon)))
        return {};
    if (rec->nTextRight <= viewport()->width() - kTipEdge)
        return {};
    return GetItemText(item).left(kMaxTipChars);
}

void CCheckTreeCtrl::drawRow(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QRect cell = visualRect(index);
    painter->fillRect(QRect(0, option.rect.top(), viewport()->width(), option.rect.height()), m_clrBackground);
    const int branchLeft = header()->sectionViewportPosition(0);
    drawBranches(painter, QRect(branchLeft, cell.top(), cell.left() - branchLeft, cell.height()), index);
    DrawItem(painter, index, cell);
}

void CCheckTreeCtrl::DrawItem(QPainter* painter, const QModelIndex& index, const QRect& cell) const
{
    const HTreeItem item = HandleOf(index);
    const bool selected = selectionModel()->isSelected(index) || index == currentIndex();
    int x = cell.left();
    if (m_bCheckBoxes) {
        painter->drawPixmap(x, cell.top() + (cell.height() - m_nCheckBoxSize) / 2,
                            m_stateImages.Image(index.data(kStateRole).toInt()));
        x += m_nCheckBoxSize + kGap;
    }
    const QPixmap image = m_images.Image(index.data(selected ? kSelectedImageRole : kImageRole).toInt());
    painter->drawPixmap(x, cell.top() + (cell.height() - kImageSize) / 2, image);
    x += kImageSize + kGap;

    const QRect textRect(x, cell.top(), viewport()->width() - x, cell.height());
    painter->fillRect(textRect, m_clrBackground);
    QFont font = this->font();
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    painter->setFont(font);
    const QString text = index.data(Qt::DisplayRole).toString();
    const int textFlags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
    const QRect bounds = painter->boundingRect(textRect, textFlags, text);
    painter->fillRect(bounds, selected ? m_clrSelBackground : m_clrBackground);
    painter->setPen(selected ? m_clrSelText : m_clrText);
    painter->drawText(textRect, textFlags, text);
    if (CHECKTREEDATA* rec = const_cast<CCheckTreeCtrl*>(this)->Record(item))
        rec->nTextRight = bounds.right() + 1;
}

void CCheckTreeCtrl::paintEvent(QPaintEvent* event)
{
    if (m_bFirstTime && m_bToolTip) {
        m_bFirstTime = false;
        emit initTooltip();
    }
    QTreeView::paintEvent(event);
}

void CCheckTreeCtrl::resizeEvent(QResizeEvent* event)
{
    QTreeView::resizeEvent(event);
    m_bFirstTime = true;
}

void CCheckTreeCtrl::changeEvent(QEvent* event)
{
    QTreeView::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange) {
        ReadColours();
        if (m_bCheckBoxes)
            CreateCheckboxImages();
    }
}

void CCheckTreeCtrl::mousePressEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    unsigned flags = 0;
    const HTreeItem item = HitTest(pos, &flags);
    if (event->button() == Qt::RightButton) {
        if (m_model->rowCount() == 0)
            return;
        QTreeView::mousePressEvent(event);
        SelectItemNotify(item);
        return;
    }
    QTreeView::mousePressEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    if (flags == kHitOnStateIcon)
        ClickCheckBox(item);
    SelectItemNotify(item);
    if (item != kNoTreeItem && flags == kHitOnLabel)
        emit showFolderMails(item);
}

void CCheckTreeCtrl::mouseDoubleClickEvent(QMouseEvent* event)
{
    unsigned flags = 0;
    const HTreeItem item = HitTest(event->position().toPoint(), &flags);
    const QStandardItem* it = ItemOf(item);
    CHECKTREEDATA* rec = Record(item);
    if (rec && it->hasChildren() && (flags & (kHitOnIcon | kHitOnLabel | kHitOnButton | kHitOnStateIcon))) {
        rec->bExpandedOnce = 1;
        rec->bExpanded = !rec->bExpanded;
        emit itemExpanded(item, rec->bExpanded);
    }
    QTreeView::mouseDoubleClickEvent(event);
}

void CCheckTreeCtrl::keyPressEvent(QKeyEvent* event)
{
    const HTreeItem item = GetSelectedItem();
    const CHECKTREEDATA* rec = Record(item);
    const bool keypad = event->modifiers() & Qt::KeypadModifier;
    switch (event->key()) {
    case Qt::Key_Space:
        if (m_bCheckBoxes && rec)
            SetCheck(item, !rec->bChecked);
        return;
    case Qt::Key_Right:
    case Qt::Key_Left: {
        const int wanted = event->key() == Qt::Key_Right ? 1 : 0;
        if (rec && rec->nDescendants > 0 && rec->bExpanded != wanted) {
            Expand(item, wanted ? kExpand : kCollapse);
            return;
        }
        break;
    }
    case Qt::Key_Down:
    case Qt::Key_Up:
        if (const HTreeItem next = NextVisibleWithRecord(item, event->key() == Qt::Key_Down)) {
            SelectItemNotify(next);
            scrollTo(currentIndex());
            return;
        }
        break;
    case Qt::Key_Asterisk:
        if (keypad && item != kNoTreeItem) {
            ExpandAll(item);
            scrollTo(currentIndex());
            horizontalScrollBar()->setValue(0);
            return;
        }
        break;
    case Qt::Key_Plus:
    case Qt::Key_Minus:
        if (keypad && item != kNoTreeItem) {
            Expand(item, event->key() == Qt::Key_Plus ? kExpand : kCollapse);
            return;
        }
        break;
    default:
        break;
    }
    QTreeView::keyPressEvent(event);
}

HTreeItem CCheckTreeCtrl::NextVisibleWithRecord(HTreeItem from, bool down) const
{
    const QStandardItem* it = ItemOf(from);
    if (!it)
        return kNoTreeItem;
    for (QModelIndex index = it->index(); index.isValid();) {
        index = down ? indexBelow(index) : indexAbove(index);
        if (Record(HandleOf(index)))
            return HandleOf(index);
    }
    return kNoTreeItem;
}

bool CCheckTreeCtrl::viewportEvent(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QTreeView::viewportEvent(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const QString tip = TooltipTextAt(help->pos());
    if (tip.isEmpty()) {
        QToolTip::hideText();
        return true;
    }
    unsigned flags = 0;
    bool handled = false;
    emit displayTooltip(HitTest(help->pos(), &flags), &handled);
    if (!handled)
        QToolTip::showText(help->globalPos(), tip, viewport());
    return true;
}
