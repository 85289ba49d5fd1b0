#pragma once

#include "LineLibrary.h"

#include <QImage>
#include <QPointF>

#include <array>
#include <cstddef>
#include <cstdint>

// Paints opaque lines and rectangles straight into the pixels of an RGB32 image, without
// antialiasing and with exactly defined pixels. Coordinates are whole pixels, (0, 0) the
// top-left one, and may lie anywhere in the int32 range: what falls outside the image is
// simply not painted, and the work stays proportional to what falls inside.
//
// The canvas does not own the image, which must outlive it; nothing else may change the
// image while the canvas paints on it.
class RasterCanvas {
  public:
    explicit RasterCanvas(QImage& image);

    // A one-pixel line from a to b: the pixel of a and every pixel on the way, but not
    // the pixel of b, so a line of zero length paints nothing.
    void drawThinLine(TPoint a, TPoint b, QRgb colour);

    // A line width pixels wide (width >= 2) with square ends: every pixel whose centre
    // lies in the rectangle around the segment between the centres of the pixels of a and
    // b, widened by width / 2 on every side. A line of zero length paints nothing.
    void drawWideLine(TPoint a, TPoint b, int width, QRgb colour);

    // The same band between two points given in pixel units, where the centre of pixel
    // (x, y) lies at (x + 0.5, y + 0.5): each end extends by width / 2 when its flag is set
    // and is cut square at the point otherwise, where the band meets an arc.
    void drawBand(QPointF a, QPointF b, int width, bool extendA, bool extendB, QRgb colour);

    // The pixels whose centres lie within width / 2 of the circle about centre (pixel units
    // as above) on its part from direction startAngle turning by sweep (radians, |sweep| <
    // pi, angles as atan2 gives them in image axes).
    void drawArc(QPointF centre, double radius, double width, double startAngle, double sweep,
                 QRgb colour);

    // The pixels from (left, top) up to, but not including, (left + width, top + height),
    // filled or as a one-pixel outline.
    void fillRect(std::int64_t left, std::int64_t top, std::int64_t width, std::int64_t height,
                  QRgb colour);
    void frameRect(std::int64_t left, std::int64_t top, std::int64_t width, std::int64_t height,
                   QRgb colour);

  private:
    struct Vertex {
        double x;
        double y;
    };
    void fillQuad(const std::array<Vertex, 4>& corners, QRgb colour);
    QRgb* row(int y) const { return m_bits + static_cast<std::ptrdiff_t>(y) * m_stride; }

    QRgb* m_bits;
    std::ptrdiff_t m_stride; // pixels per row
    int m_width;
    int m_height;
};
