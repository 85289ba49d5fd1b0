#pragma once

#include "BendSector.h"
#include "Bends.h"
#include "ExactPoint.h"
#include "Profile.h"

#include <cmath>
#include <span>
#include <string_view>
#include <vector>

// The section results of one calculation, all float64, in mm-based units. They describe
// the profile as it was when computed; editing does not update them.
struct TSectionResults {
    double Density = 0;   // g/cm3, 0 when the material text gives none
    double Perimeter = 0; // mm
    double Area = 0;      // mm2
    double SumAy = 0;     // mm3
    double SumAx = 0;     // mm3
    double Xg = 0;        // mm
    double Yg = 0;        // mm
    double Jxc = 0;       // mm4, about the horizontal centroidal axis
    double Jyc = 0;       // mm4, about the vertical centroidal axis
    double FibreX = 0;    // mm
    double FibreY = 0;    // mm

    // The printed derived values live here so that every output agrees on them.
    double Weight() const { return Area * Density / 1000.0; } // kg/m
    // Section moduli, mm3. With a zero fibre distance (only from a file) there is no
    // finite modulus: they return NaN rather than divide by zero.
    double Wx() const;
    double Wy() const;
};

// Compacts the profile, then computes every result from its bars, bends and appendices
// and from the material text (density read with the given decimal separator); the
// profile's bend radius rounds its corners.
// Throws PerfilError: "Invalid floating point operation" when the area is zero (an
// empty profile, or only bars of zero length or thickness), "Floating point overflow"
// for a density beyond the float64 range or for any result (the derived ones included)
// that leaves it. The compaction stays either way. Non-finite thicknesses from a file
// never trap: they propagate as IEEE values.
TSectionResults ComputeSection(TProfile& profile, std::string_view materialText,
                               char decimalSeparator);

// One bar as the calculation weighs it: a strip of area L x t centred on its segment. An
// axis-parallel bar takes its thickness as its depth across, so its own inertia about its
// long axis is L t3 / 12; a sloping bar is a thin strip.
struct TBarStrip {
    double Length; // mm
    double MidX;   // mm, |(X1 + X2) / 2|
    double MidY;   // mm, |(Y1 + Y2) / 2|
    double Area;   // mm2
    double Ix;     // mm4, own inertia about its horizontal centroidal axis
    double Iy;     // mm4, own inertia about its vertical centroidal axis
};
// The piece of a bar from a to b (its ends, or its ends as bends trimmed them).
inline TBarStrip BarStrip(TPointMm a, TPointMm b, double t) {
    double dx = std::abs(b.X - a.X);
    double dy = std::abs(b.Y - a.Y);
    const double length = std::sqrt(dx * dx + dy * dy);
    // The strip's own bending about its long axis uses the thickness as its depth.
    if (dy == 0.0)
        dy = t;
    if (dx == 0.0)
        dx = t;
    return {length,
            std::abs((a.X + b.X) / 2),
            std::abs((a.Y + b.Y) / 2),
            length * t,
            dy * dy * (t * length) / 12,
            dx * dx * (t * length) / 12};
}

// The results with the extremes of the centre-line that the fibre distances were measured
// to (0 and 600 when there is no bar), and the bends that rounded it.
struct TSectionPass {
    TSectionResults Results;
    double MinX, MaxX, MinY, MaxY;
    TBends Bends;
    std::vector<TBendSector> Sectors; // of Bends.Bends, in their order
};

// The calculation on objects that are already compacted (no Number 0 among them), with
// the density already read, their corners rounded to the inner radius (mm, 0 for sharp);
// the profile is not touched. Throws PerfilError("Invalid floating point operation") for
// a zero area.
TSectionPass ComputeSectionOf(std::span<const TProfileObject> objects, double density,
                              double innerRadius);
