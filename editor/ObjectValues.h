#pragma once

#include "ExactPoint.h"

// The values of an object that can be typed in: its points and thickness.
struct TObjectValues {
    TExactPoint P1;
    TExactPoint P2; // bars only
    double Thickness = 0.0;
};
