#include "BendSector.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// The arc's angles, a < b, with their sines and cosines read off its ends, which lie on
// the circle: no trigonometry.
struct AngleRange {
    double a, b; // radians
    double sinA, cosA, sinB, cosB;
};

AngleRange Angles(const TBend& bend) {
    const double r = bend.Radius;
    const TPointMm start{(bend.TangentA.X - bend.Centre.X) / r,
                         (bend.TangentA.Y - bend.Centre.Y) / r};
    const TPointMm end{(bend.TangentB.X - bend.Centre.X) / r,
                       (bend.TangentB.Y - bend.Centre.Y) / r};
    const double endAngle = bend.StartAngle + bend.Sweep;
    if (bend.Sweep > 0)
        return {bend.StartAngle, endAngle, start.Y, start.X, end.Y, end.X};
    return {endAngle, bend.StartAngle, end.Y, end.X, start.Y, start.X};
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
    const AngleRange g = Angles(bend);
    const double k3 = t * (r * r + t * t / 12);
    const double k4 = r * t * (r * r + t * t / 4);
    const double turn = g.b - g.a;
    const double doubleSine = (g.sinB * g.cosB - g.sinA * g.cosA) / 2; // (sin 2b - sin 2a) / 4
    return {r * t * turn,
            k3 * (g.sinB - g.sinA),
            k3 * (g.cosA - g.cosB),
            k4 * (turn / 2 + doubleSine),
            k4 * (turn / 2 - doubleSine),
            k4 * (g.sinB * g.sinB - g.sinA * g.sinA) / 2};
}

void WidenToArc(const TBend& bend, double& minX, double& maxX, double& minY, double& maxY) {
    const AngleRange g = Angles(bend);
    constexpr double quarter = std::numbers::pi / 2;
    // Every multiple of a quarter turn within the sweep, wherever the sweep starts: the
    // points straight right, down, left and up of the centre, in drawing axes.
    constexpr TPointMm Directions[] = {{1, 0}, {0, 1}, {-1, 0}, {0, -1}};
    for (auto k = static_cast<long long>(std::ceil(g.a / quarter)); k * quarter <= g.b; ++k) {
        const TPointMm d = Directions[((k % 4) + 4) % 4];
        const double x = bend.Centre.X + bend.Radius * d.X;
        const double y = bend.Centre.Y + bend.Radius * d.Y;
        minX = std::min(minX, x);
        maxX = std::max(maxX, x);
        minY = std::min(minY, y);
        maxY = std::max(maxY, y);
    }
}
