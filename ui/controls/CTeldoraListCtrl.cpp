#include "ui/controls/CTeldoraListCtrl.h"

CTeldoraListCtrl::CTeldoraListCtrl(QWidget* parent) : QListWidget(parent)
{
    setSelectionMode(SingleSelection);
    setUniformItemSizes(true);
    setSortingEnabled(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void CTeldoraListCtrl::DeleteAllItems()
{
    clear();
}

void CTeldoraListCtrl::AppendLine(const QString& line)
{
    addItem(line);
}

int CTeldoraListCtrl::GetItemCount() const
{
    return count();
}

QString CTeldoraListCtrl::GetItemText(int row) const
{
    const QListWidgetItem* line = item(row);
    return line ? line->text() : QString();
}
