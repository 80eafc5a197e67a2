#pragma once

#include <QImage>
#include <QRect>

// Whether any pixel of an area of the image has exactly the colour, alpha
// included.
inline bool HasColor(const QImage &image, const QRect &area, QRgb color)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) == color)
                return true;
    return false;
}

inline bool HasColor(const QImage &image, QRgb color)
{
    return HasColor(image, image.rect(), color);
}
