#pragma once
#include <QFont>
#include <QRect>

// Converts dialog-template units into pixels for a dialog font: horizontal units are a quarter of the
// font's average character width, vertical units an eighth of its height.
class CDialogUnits {
public:
    explicit CDialogUnits(const QFont& font);

    QRect Rect(int x, int y, int width, int height) const;
    QSize Size(int width, int height) const;

private:
    int X(int units) const;
    int Y(int units) const;

    int m_nBaseX;
    int m_nBaseY;
};
