#include "ui/controls/CImageList.h"

#include <QBitmap>
#include <QColor>

CImageList::CImageList(const QString& resource, QSize cell) : CImageList(QPixmap(resource), cell) {}

CImageList::CImageList(const QPixmap& strip, QSize cell)
{
    if (strip.isNull() || cell.width() <= 0 || cell.height() <= 0)
        return;
    QPixmap masked = strip;
    masked.setMask(strip.createMaskFromColor(QColor(255, 0, 255), Qt::MaskInColor));
    for (int x = 0; x + cell.width() <= strip.width(); x += cell.width())
        m_cells.push_back(masked.copy(x, 0, cell.width(), cell.height()));
}

QPixmap CImageList::Image(int index) const
{
    if (index < 0 || index >= Count())
        return {};
    return m_cells[static_cast<size_t>(index)];
}
