#pragma once
#include <QImage>

// Opaque magenta pixels in a grabbed widget: the artwork's see-through colour showing through.
inline int CountMagenta(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == qRgb(255, 0, 255) ? 1 : 0;
    }
    return count;
}
