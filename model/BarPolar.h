#pragma once

#include "ExactPoint.h"

// A bar as a length and a direction from its first end. The angle is in degrees,
// counter-clockwise from the X axis as the drawing shows it (Y grows downwards).
double BarLength(TExactPoint p1, TExactPoint p2);
double BarAngle(TExactPoint p1, TExactPoint p2);

// The second end at length and angle from p1, rounded to hundredths of a millimetre (ties
// to even). Far beyond the drawing area the result is meaningless; callers check it lies
// inside.
TExactPoint BarEnd(TExactPoint p1, double length, double angle);
