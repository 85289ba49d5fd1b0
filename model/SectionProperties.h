#pragma once

#include "Profile.h"

#include <string_view>

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

// Compacts the profile, then computes every result from its bars and appendices and
// from the material text (density read with the given decimal separator).
// Throws PerfilError: "Invalid floating point operation" when the area is zero (an
// empty profile, or only bars of zero length or thickness), "Floating point overflow"
// for a density beyond the float64 range or for any result (the derived ones included)
// that leaves it. The compaction stays either way. Non-finite thicknesses from a file
// never trap: they propagate as IEEE values.
TSectionResults ComputeSection(TProfile& profile, std::string_view materialText,
                               char decimalSeparator);
