#include "BarPolar.h"

#include "Rounding.h"

#include <cmath>
#include <cstdint>
#include <numbers>

namespace {

constexpr double DegreesPerRadian = 180.0 / std::numbers::pi;

// Rounded and kept in a range where a wild input would otherwise be undefined.
std::int64_t Hundredths(double millimetres) {
    const double rounded = RoundTiesEven(millimetres * HundredthsPerMm);
    if (!(rounded > -1e15 && rounded < 1e15))
        return INT64_MIN;
    return static_cast<std::int64_t>(rounded);
}

} // namespace

double BarLength(TExactPoint p1, TExactPoint p2) {
    const TPointMm d = Millimetres({p2.X - p1.X, p2.Y - p1.Y});
    return std::hypot(d.X, d.Y);
}

double BarAngle(TExactPoint p1, TExactPoint p2) {
    const TPointMm d = Millimetres({p2.X - p1.X, p2.Y - p1.Y});
    const double degrees = std::atan2(-d.Y, d.X) * DegreesPerRadian;
    return degrees < 0 ? degrees + 360.0 : degrees;
}

TExactPoint BarEnd(TExactPoint p1, double length, double angle) {
    const double radians = angle / DegreesPerRadian;
    const TPointMm start = Millimetres(p1);
    return {Hundredths(start.X + length * std::cos(radians)),
            Hundredths(start.Y - length * std::sin(radians))};
}
