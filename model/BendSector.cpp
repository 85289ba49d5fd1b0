#include "BendSector.h"

#include <algorithm>
#include <cmath>

// With sin and cos at a and b read off the unit vectors:
//   cos:     sin b - sin a
//   sin:     cos a - cos b
//   cos2:    (b - a) / 2 + (sin 2b - sin 2a) / 4
//   sin2:    (b - a) / 2 - (sin 2b - sin 2a) / 4
//   cos sin: (sin2 b - sin2 a) / 2
TArcTerms ArcTerms(double turn, TPointMm atA, TPointMm atB) {
    const double doubleSine = (atB.Y * atB.X - atA.Y * atA.X) / 2; // (sin 2b - sin 2a) / 4
    return {turn,
            atB.Y - atA.Y,
            atA.X - atB.X,
            turn / 2 + doubleSine,
            turn / 2 - doubleSine,
            (atB.Y * atB.Y - atA.Y * atA.Y) / 2};
}

// With ri = R - t/2 and ro = R + t/2 over the angles a..b, and
// k3 = (ro3 - ri3) / 3 = t (R2 + t2 / 12), k4 = (ro4 - ri4) / 4 = R t (R2 + t2 / 4):
//   area = (ro2 - ri2) / 2 (b - a) = R t (b - a)
//   Sx   = k3 integral of cos,  Sy = k3 integral of sin
//   Ixx  = k4 integral of cos2, Iyy = k4 integral of sin2, Ixy = k4 integral of cos sin
TBendSector BendSector(const TBend& bend) {
    const double r = bend.Radius, t = bend.Thickness;
    const TPointMm start = bend.startDirection(), end = bend.endDirection();
    const TArcTerms g =
        bend.Sweep > 0 ? ArcTerms(bend.Sweep, start, end) : ArcTerms(-bend.Sweep, end, start);
    const double k3 = t * (r * r + t * t / 12);
    const double k4 = r * t * (r * r + t * t / 4);
    return {r * t * g.Turn, k3 * g.Cos, k3 * g.Sin, k4 * g.CosCos, k4 * g.SinSin, k4 * g.CosSin};
}

void WidenToArc(const TBend& bend, double radius, double& minX, double& maxX, double& minY,
                double& maxY) {
    // An axis direction lies within the sweep, which is under half a turn, when turning
    // from the arc's start to it and from it to the arc's end both go the sweep's way.
    const TPointMm start{bend.TangentA.X - bend.Centre.X, bend.TangentA.Y - bend.Centre.Y};
    const TPointMm end{bend.TangentB.X - bend.Centre.X, bend.TangentB.Y - bend.Centre.Y};
    auto sweepsFrom = [&](TPointMm a, TPointMm b) {
        const double cross = a.X * b.Y - a.Y * b.X;
        return bend.Sweep > 0 ? cross >= 0 : cross <= 0;
    };
    // The points straight right, down, left and up of the centre, in drawing axes.
    constexpr TPointMm Directions[] = {{1, 0}, {0, 1}, {-1, 0}, {0, -1}};
    for (const TPointMm d : Directions) {
        if (!sweepsFrom(start, d) || !sweepsFrom(d, end))
            continue;
        const double x = bend.Centre.X + radius * d.X;
        const double y = bend.Centre.Y + radius * d.Y;
        minX = std::min(minX, x);
        maxX = std::max(maxX, x);
        minY = std::min(minY, y);
        maxY = std::max(maxY, y);
    }
}
