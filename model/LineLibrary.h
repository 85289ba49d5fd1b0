#pragma once

#include <cstdint>

// A position on the drawing area in millimetres (= pixels): origin top-left,
// X to the right, Y downwards.
struct TPoint {
    std::int32_t X = 0;
    std::int32_t Y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

// Which coordinate a segment's line equation is solved for.
enum TLineOrientation : std::uint8_t {
    loPoint = 0, // both ends coincide: there is no line
    loYofX = 1,  // y = Slope * x + Intercept (at least as wide as high)
    loXofY = 2,  // x = Slope * y + Intercept (higher than wide)
};

// Coordinates add and subtract with 32-bit wrap-around, never overflow.
TPoint AddPoint(TPoint a, TPoint b);
TPoint SubPoint(TPoint a, TPoint b);

// Always writes all three outputs.
void LineEquation(TPoint a, TPoint b, double& slope, double& intercept,
                  TLineOrientation& orientation);

// True when p lies within 4 pixels of segment a-b along its minor axis, inside the
// segment's extent on its major axis (bounds inclusive). A zero-length segment is never hit.
bool PointNearSegment(TPoint p, TPoint a, TPoint b);

// True when p lies in the square of side 2 * tolerance + 1 centred on center (bounds inclusive).
bool PointNearPoint(TPoint center, std::int32_t tolerance, TPoint p);
