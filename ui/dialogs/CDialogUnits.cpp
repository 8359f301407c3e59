#include "ui/dialogs/CDialogUnits.h"

#include <QFontMetrics>

CDialogUnits::CDialogUnits(const QFont& font)
{
    const QFontMetrics metrics(font);
    m_nBaseX = metrics.averageCharWidth();
    m_nBaseY = metrics.height();
}

QRect CDialogUnits::Rect(int x, int y, int width, int height) const
{
    return QRect(X(x), Y(y), X(width), Y(height));
}

QSize CDialogUnits::Size(int width, int height) const
{
    return QSize(X(width), Y(height));
}

// Rounded to the nearest pixel, as the template conversion does.
int CDialogUnits::X(int units) const
{
    return (units * m_nBaseX + 2) / 4;
}

int CDialogUnits::Y(int units) const
{
    return (units * m_nBaseY + 4) / 8;
}
