#include "BendSector.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

struct AngleRange {
    double from, to; // radians, from < to
};

AngleRange Angles(const TBend& bend) {
    const double end = bend.StartAngle + bend.Sweep;
    return {std::min(bend.StartAngle, end), std::max(bend.StartAngle, end)};
}

} // namespace

// With ri = R - t/2 and ro = R + t/2 over the angles a..b, and
// k3 = (ro3 - ri3) / 3 = t (R2 + t2 / 12), k4 = (ro4 - ri4) / 4 = R t (R2 + t2 / 4):
//   area = (ro2 - ri2) / 2 (b - a) = R t (b - a)
//   Sx   = k3 (sin b - sin a),   Sy = k3 (cos a - cos b)
//   Ixx  = k4 ((b - a) / 2 + (sin 2b - sin 2a) / 4)
//   Iyy  = k4 ((b - a) / 2 - (sin 2b - sin 2a) / 4)
//   Ixy  = k4 (sin2 b - sin2 a) / 2
TBendSector BendSector(const TBend& bend) {
    const double r = bend.Radius, t = bend.Thickness;
    const auto [a, b] = Angles(bend);
    const double k3 = t * (r * r + t * t / 12);
    const double k4 = r * t * (r * r + t * t / 4);
    const double sa = std::sin(a), ca = std::cos(a), sb = std::sin(b), cb = std::cos(b);
    const double doubleSine = (sb * cb - sa * ca) / 2; // (sin 2b - sin 2a) / 4
    return {r * t * (b - a),
            k3 * (sb - sa),
            k3 * (ca - cb),
            k4 * ((b - a) / 2 + doubleSine),
            k4 * ((b - a) / 2 - doubleSine),
            k4 * (sb * sb - sa * sa) / 2};
}

void WidenToArc(const TBend& bend, double& minX, double& maxX, double& minY, double& maxY) {
    const auto [a, b] = Angles(bend);
    constexpr double quarter = std::numbers::pi / 2;
    // Every multiple of a quarter turn within the sweep, wherever the sweep starts.
    for (double k = std::ceil(a / quarter); k * quarter <= b; ++k) {
        const double x = bend.Centre.X + bend.Radius * std::cos(k * quarter);
        const double y = bend.Centre.Y + bend.Radius * std::sin(k * quarter);
        minX = std::min(minX, x);
        maxX = std::max(maxX, x);
        minY = std::min(minY, y);
        maxY = std::max(maxY, y);
    }
}
