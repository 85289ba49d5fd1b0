#pragma once

#include "BucklingLoad.h"
#include "ProfileInfo.h"

// What an analysis is asked for: the load, the member and its bends, and the material.
struct TBucklingInput {
    TBucklingLoad Load = TBucklingLoad::P;
    // mm: the member's length, the global mode's half-wavelength
    double Length = 3000;
    double E = TMaterial::DefaultE; // MPa
    double Nu = TMaterial::DefaultNu;
    double Fy = TMaterial::DefaultFy; // MPa
    double BendRadius = 0;            // mm, the inner radius its corners are rounded to
};
