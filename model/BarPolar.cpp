#include "BarPolar.h"

#include "Rounding.h"

#include <cmath>
#include <cstdint>
#include <numbers>

namespace {

constexpr double DegreesPerRadian = 180.0 / std::numbers::pi;

// Rounded and kept in the int32 range, where a wild input would otherwise be undefined.
std::int32_t Millimetres(double value) {
    const double rounded = RoundTiesEven(value);
    if (!(rounded > INT32_MIN && rounded < INT32_MAX))
        return INT32_MIN;
    return static_cast<std::int32_t>(rounded);
}

} // namespace

double BarLength(TPoint p1, TPoint p2) {
    return std::hypot(static_cast<double>(p2.X) - p1.X, static_cast<double>(p2.Y) - p1.Y);
}

double BarAngle(TPoint p1, TPoint p2) {
    const double degrees =
        std::atan2(-(static_cast<double>(p2.Y) - p1.Y), static_cast<double>(p2.X) - p1.X) *
        DegreesPerRadian;
    return degrees < 0 ? degrees + 360.0 : degrees;
}

TPoint BarEnd(TPoint p1, double length, double angle) {
    const double radians = angle / DegreesPerRadian;
    return {Millimetres(p1.X + length * std::cos(radians)),
            Millimetres(p1.Y - length * std::sin(radians))};
}
