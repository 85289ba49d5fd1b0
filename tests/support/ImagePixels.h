#pragma once

#include <QImage>
#include <QRect>

// Pixel look-ups for the drawing tests, alpha ignored.

inline QRgb At(const QImage& image, int x, int y) {
    return image.pixel(x, y) | 0xff000000u;
}

inline int CountColour(const QImage& image, QRgb colour, const QRect& area) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += At(image, x, y) == colour;
    return n;
}

inline int CountColour(const QImage& image, QRgb colour) {
    return CountColour(image, colour, image.rect());
}

// The smallest rectangle holding every pixel of that colour.
inline QRect ColourBounds(const QImage& image, QRgb colour) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (At(image, x, y) == colour)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}
