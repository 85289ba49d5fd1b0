#include "LineLibrary.h"

#include "Rounding.h"

#include <cstdlib>

TPoint AddPoint(TPoint a, TPoint b) {
    return {WrapAdd(a.X, b.X), WrapAdd(a.Y, b.Y)};
}

TPoint SubPoint(TPoint a, TPoint b) {
    return {WrapSub(a.X, b.X), WrapSub(a.Y, b.Y)};
}

void LineEquation(TPoint a, TPoint b, double& slope, double& intercept,
                  TLineOrientation& orientation) {
    const TPoint d = SubPoint(b, a);
    // Magnitudes in 64 bits: the wrapped difference may be INT32_MIN.
    const std::int64_t adx = std::llabs(std::int64_t{d.X});
    const std::int64_t ady = std::llabs(std::int64_t{d.Y});
    if (adx == 0 && ady == 0) {
        orientation = loPoint;
        slope = 0;
        intercept = 0;
        return;
    }
    // The divisor is the non-zero difference of larger magnitude, so it cannot be zero.
    if (adx >= ady) {
        orientation = loYofX;
        slope = static_cast<double>(d.Y) / static_cast<double>(d.X);
        intercept = static_cast<double>(a.Y) - slope * static_cast<double>(a.X);
    } else {
        orientation = loXofY;
        slope = static_cast<double>(d.X) / static_cast<double>(d.Y);
        intercept = static_cast<double>(a.X) - slope * static_cast<double>(a.Y);
    }
}

namespace {

// The minor-axis test shared by both orientations: `major` is the coordinate that
// runs along the segment, `minor` the one across it.
bool NearAlongMajorAxis(std::int32_t major, std::int32_t minor, std::int32_t end1,
                        std::int32_t end2, double slope, double intercept) {
    const std::int32_t lo = end1 < end2 ? end1 : end2;
    const std::int32_t hi = end1 < end2 ? end2 : end1;
    if (major < lo || major > hi)
        return false;
    const double onLine = RoundTiesEven(slope * static_cast<double>(major) + intercept);
    return std::abs(onLine - static_cast<double>(minor)) <= 4.0;
}

} // namespace

bool PointNearSegment(TPoint p, TPoint a, TPoint b) {
    double slope = 0;
    double intercept = 0;
    TLineOrientation orientation = loPoint;
    LineEquation(a, b, slope, intercept, orientation);
    switch (orientation) {
    case loYofX:
        return NearAlongMajorAxis(p.X, p.Y, a.X, b.X, slope, intercept);
    case loXofY:
        return NearAlongMajorAxis(p.Y, p.X, a.Y, b.Y, slope, intercept);
    case loPoint:
        break;
    }
    return false;
}

bool PointNearPoint(TPoint center, std::int32_t tolerance, TPoint p) {
    // 64-bit bounds: a centre near the int32 limits must not overflow.
    const std::int64_t t = tolerance;
    return std::int64_t{center.X} - t <= p.X && p.X <= std::int64_t{center.X} + t &&
           std::int64_t{center.Y} - t <= p.Y && p.Y <= std::int64_t{center.Y} + t;
}
