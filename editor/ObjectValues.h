#pragma once

#include "LineLibrary.h"

// The values of an object that can be typed in: its points and thickness.
struct TObjectValues {
    TPoint P1;
    TPoint P2; // bars only
    double Thickness = 0.0;
};
