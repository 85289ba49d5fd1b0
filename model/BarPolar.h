#pragma once

#include "LineLibrary.h"

// A bar as a length and a direction from its first end. The angle is in degrees,
// counter-clockwise from the X axis as the drawing shows it (Y grows downwards).
double BarLength(TPoint p1, TPoint p2);
double BarAngle(TPoint p1, TPoint p2);

// The second end at length and angle from p1, rounded to whole millimetres (ties to even).
// Far beyond the drawing area the result is meaningless; callers check it lies inside.
TPoint BarEnd(TPoint p1, double length, double angle);
