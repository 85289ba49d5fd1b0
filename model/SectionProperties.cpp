#include "SectionProperties.h"

#include "Density.h"
#include "PerfilError.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <span>
#include <utility>

namespace {

// What pass 3 needs of each bar.
struct BarValues {
    double MidX, MidY, Area, Ix, Iy;
};

double Quotient(double numerator, double denominator) {
    if (denominator == 0.0)
        return std::numeric_limits<double>::quiet_NaN();
    return numerator / denominator;
}

// The larger distance from the centroid to the extremes; a zero distance falls back
// to half the first object's thickness.
double Fibre(double max, double min, double centroid, double fallbackThickness) {
    const double a = std::abs(max - centroid);
    const double b = std::abs(centroid - min);
    const double fibre = a >= b ? a : b;
    return fibre == 0.0 ? fallbackThickness / 2 : fibre;
}

// Finite thicknesses and a finite density can still multiply past the float64 range;
// that is an overflow to report, not a value to print. Thicknesses a file made NaN or
// infinite propagate as they are. A modulus over a zero fibre is NaN by design.
void CheckOverflow(const TSectionResults& r, std::span<const TProfileObject> objects) {
    if (!std::ranges::all_of(objects,
                             [](const TProfileObject& o) { return std::isfinite(o.Thickness); }))
        return;
    const double values[] = {r.Density, r.Perimeter, r.Area, r.SumAy,  r.SumAx,  r.Xg,
                             r.Yg,      r.Jxc,       r.Jyc,  r.FibreX, r.FibreY, r.Weight()};
    if (!std::ranges::all_of(values, [](double v) { return std::isfinite(v); }) ||
        std::isinf(r.Wx()) || std::isinf(r.Wy()))
        throw PerfilError("Floating point overflow");
}

} // namespace

double TSectionResults::Wx() const {
    return Quotient(Jxc, FibreY);
}
double TSectionResults::Wy() const {
    return Quotient(Jyc, FibreX);
}

TSectionResults ComputeSection(TProfile& profile, std::string_view materialText,
                               char decimalSeparator) {
    profile.CompactObjects();
    const double density = ReadDensity(materialText, decimalSeparator);
    const TSectionResults r =
        ComputeSectionOf(profile.liveObjects(), density, profile.info().BendRadius).Results;
    CheckOverflow(r, profile.liveObjects());
    return r;
}

TSectionPass ComputeSectionOf(std::span<const TProfileObject> objects, double density,
                              double innerRadius) {
    TSectionResults r;
    TBends bends = FindBends(objects, innerRadius);
    double maxX = 0, maxY = 0, minX = 600, minY = 600;
    r.Density = density;
    // Written for every bar in pass 1 before pass 3 reads it; left uninitialised
    // otherwise, since clearing all 255 entries would cost more than the whole calculation.
    std::array<BarValues, TProfile::Capacity> bars;

    // Pass 1: bars as thin strips between their ends as the bends trimmed them, then the
    // bends as annular sectors. The extremes of the centre-line are gathered on the way:
    // being maxima and minima, they do not depend on the order in which they are visited.
    for (std::size_t i = 0; i < objects.size(); ++i) {
        const TProfileObject& o = objects[i];
        if (!o.isBar())
            continue;
        const TPointMm a = bends.end(i, TEnd::P1), b = bends.end(i, TEnd::P2);
        const TBarStrip s = BarStrip(a, b, o.Thickness);
        r.Perimeter += s.Length;
        bars[i] = {s.MidX, s.MidY, s.Area, s.Ix, s.Iy};
        r.Area += s.Area;
        r.SumAy += s.Area * s.MidY;
        r.SumAx += s.Area * s.MidX;
        maxX = std::max({maxX, a.X, b.X});
        minX = std::min({minX, a.X, b.X});
        maxY = std::max({maxY, a.Y, b.Y});
        minY = std::min({minY, a.Y, b.Y});
    }
    std::vector<TBendSector> sectors;
    sectors.reserve(bends.Bends.size());
    for (const TBend& bend : bends.Bends) {
        const TBendSector& s = sectors.emplace_back(BendSector(bend));
        r.Perimeter += bend.length();
        r.Area += s.Area;
        r.SumAy += s.Sy + s.Area * bend.Centre.Y;
        r.SumAx += s.Sx + s.Area * bend.Centre.X;
        WidenToArc(bend, bend.Radius, minX, maxX, minY, maxY);
    }
    // Pass 2: appendices as concentrated areas of t + 4.
    for (const TProfileObject& o : objects) {
        if (!o.isAppendix())
            continue;
        const double a = o.Thickness + 4;
        const TPointMm p = PointMm(o, TEnd::P1);
        r.Area += a;
        r.SumAy += a * p.Y;
        r.SumAx += a * p.X;
    }
    // Centroid: 0/0 is the one invalid operation a profile drawn in the editor can reach.
    if (r.Area == 0.0)
        throw PerfilError("Invalid floating point operation");
    r.Yg = r.SumAy / r.Area;
    r.Xg = r.SumAx / r.Area;

    const double firstThickness = objects.front().Thickness;
    r.FibreX = Fibre(maxX, minX, r.Xg, firstThickness);
    r.FibreY = Fibre(maxY, minY, r.Yg, firstThickness);

    // Pass 3: parallel-axis rule for the bars.
    for (std::size_t i = 0; i < objects.size(); ++i) {
        if (!objects[i].isBar())
            continue;
        const BarValues& b = bars[i];
        const double ey = std::abs(b.MidY - r.Yg);
        const double ex = std::abs(b.MidX - r.Xg);
        r.Jxc += b.Ix + b.Area * ey * ey;
        r.Jyc += b.Iy + b.Area * ex * ex;
    }
    for (std::size_t k = 0; k < bends.Bends.size(); ++k) {
        const TBend& bend = bends.Bends[k];
        const TBendSector& s = sectors[k];
        const double ey = bend.Centre.Y - r.Yg;
        const double ex = bend.Centre.X - r.Xg;
        r.Jxc += s.Iyy + 2 * ey * s.Sy + s.Area * ey * ey;
        r.Jyc += s.Ixx + 2 * ex * s.Sx + s.Area * ex * ex;
    }
    // Pass 4: appendices add 4 x distance squared, and 2 to the perimeter.
    for (const TProfileObject& o : objects) {
        if (!o.isAppendix())
            continue;
        const TPointMm p = PointMm(o, TEnd::P1);
        const double ex = std::abs(p.X - r.Xg);
        const double ey = std::abs(p.Y - r.Yg);
        r.Jxc += 4 * ey * ey;
        r.Jyc += 4 * ex * ex;
        r.Perimeter += 2;
    }
    return {r, minX, maxX, minY, maxY, std::move(bends), std::move(sectors)};
}
