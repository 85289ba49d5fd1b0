#pragma once

#include "BucklingLoad.h"

// What an analysis is asked for: the load, the member and the material.
struct TBucklingInput {
    TBucklingLoad Load = TBucklingLoad::P;
    double Length = 3000; // mm: the member's length, the global mode's half-wavelength
    double E = 200000;    // MPa
    double Nu = 0.3;
    double Fy = 250; // MPa
};
