#pragma once
#include <QPixmap>
#include <QSize>
#include <QString>
#include <vector>

// A strip of equal pictures cut into cells; magenta pixels become transparent.
class CImageList {
public:
    CImageList() = default;
    CImageList(const QString& resource, QSize cell);
    explicit CImageList(const QPixmap& strip, QSize cell);

    int Count() const { return static_cast<int>(m_cells.size()); }
    QPixmap Image(int index) const; // a null pixmap for an index outside the strip

private:
    std::vector<QPixmap> m_cells;
};
