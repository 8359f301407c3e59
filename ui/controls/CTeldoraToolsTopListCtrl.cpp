#include "ui/controls/CTeldoraToolsTopListCtrl.h"

#include "ui/controls/CEmailListModel.h"
#include <QHeaderView>
#include <QMouseEvent>
#include <algorithm>

namespace {

struct ColumnRule {
    int width;
    bool resizable;
};

constexpr ColumnRule kColumns[CEmailListModel::kColumnCount] = {
    {24, false}, {24, false}, {300, false}, {300, true}, {300, true}, {200, true},
};

} // namespace

CTeldoraToolsTopListCtrl::CTeldoraToolsTopListCtrl(QWidget* parent)
    : QTableView(parent), m_model(new CEmailListModel(this))
{
    setModel(m_model);
    setFrameShape(QFrame::StyledPanel);
    setShowGrid(true);
    setWordWrap(false);
    setSortingEnabled(false);
    setEditTriggers(NoEditTriggers);
    setSelectionBehavior(SelectRows);
    setSelectionMode(SingleSelection);
    setIconSize(QSize(16, 16));
    setHorizontalScrollMode(ScrollPerPixel);

    QHeaderView* rows = verticalHeader();
    rows->hide();
    rows->setSectionResizeMode(QHeaderView::Fixed); // uniform rows keep a million of them smooth
    rows->setDefaultSectionSize(std::max(18, fontMetrics().height() + 4));

    QHeaderView* columns = horizontalHeader();
    columns->setSectionsMovable(false);
    columns->setSectionsClickable(false); // a header click never reorders the rows
    columns->setHighlightSections(false);
    columns->setStretchLastSection(false);
    columns->setMinimumSectionSize(0); // the icon columns are narrower than the style's minimum
    columns->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (int column = 0; column < CEmailListModel::kColumnCount; ++column) {
        columns->setSectionResizeMode(column, kColumns[column].resizable ? QHeaderView::Interactive : QHeaderView::Fixed);
        columns->resizeSection(column, kColumns[column].width);
    }
}

void CTeldoraToolsTopListCtrl::SetImageLists(const CImageList& rowImages, const CImageList& headerImages)
{
    m_model->SetImageLists(rowImages, headerImages);
}

void CTeldoraToolsTopListCtrl::DeleteAllItems()
{
    m_model->DeleteAllItems();
}

void CTeldoraToolsTopListCtrl::AppendRows(const std::vector<EmailRow>& rows)
{
    m_model->AppendRows(rows);
}

int64_t CTeldoraToolsTopListCtrl::GetItemCount() const
{
    return m_model->rowCount();
}

int64_t CTeldoraToolsTopListCtrl::GetItemData(int64_t row) const
{
    const EmailRow* email = m_model->Row(row);
    return email ? email->nItemData : -1;
}

QString CTeldoraToolsTopListCtrl::GetItemText(int64_t row, int column) const
{
    return m_model->CellText(row, column);
}

void CTeldoraToolsTopListCtrl::EnsureVisible(int64_t row)
{
    if (!m_model->Row(row))
        return;
    executeDelayedItemsLayout(); // rows appended just before must count in the scroll range
    scrollTo(m_model->index(static_cast<int>(row), 0));
}

int64_t CTeldoraToolsTopListCtrl::GetSelectionMark() const
{
    return currentIndex().isValid() ? currentIndex().row() : -1;
}

void CTeldoraToolsTopListCtrl::mousePressEvent(QMouseEvent* event)
{
    QTableView::mousePressEvent(event);
    const QModelIndex index = indexAt(event->position().toPoint());
    if (!index.isValid())
        return;
    if (event->button() == Qt::LeftButton)
        emit showMailPreview(index.row());
    else if (event->button() == Qt::RightButton)
        emit rightClickedRow(index.row());
}

void CTeldoraToolsTopListCtrl::mouseMoveEvent(QMouseEvent* event)
{
    if (indexAt(event->position().toPoint()).isValid())
        QTableView::mouseMoveEvent(event);
}

void CTeldoraToolsTopListCtrl::keyPressEvent(QKeyEvent* event)
{
    QTableView::keyPressEvent(event);
    emit mailListKey(GetSelectionMark());
}

void CTeldoraToolsTopListCtrl::keyReleaseEvent(QKeyEvent* event)
{
    QTableView::keyReleaseEvent(event);
    emit mailListKey(GetSelectionMark());
}
