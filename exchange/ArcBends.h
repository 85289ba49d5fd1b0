#pragma once

#include "DxfReader.h"
#include "ExactPoint.h"

#include <vector>

// A usable entity of the drawing in millimetres, y down as in the profile.
struct TDrawnShape {
    const DxfShape* source;
    TPointMm a, b;      // the point, or the segment's ends
    double width = 0.0; // mm; 0 = none
    // Of a chord, the arc it stands for; a radius of 0 for any other shape.
    TPointMm centre{};
    double radius = 0.0, sweep = 0.0;
};

struct TArcBends {
    int taken = 0;          // arcs that became bends
    int unequal = 0;        // arcs that would have, but whose radii differ
    double innerRadius = 0; // mm, to the hundredth; 0 when none was taken
};

// The arcs that join two straight bars tangentially become bends when all of them have one
// inner radius (the arc's radius less half the thinner bar, whose thickness is its width
// or else defaultThickness): they leave shapes, and their bars are extended to meet at the
// corners they round. Otherwise, or when the radius lies outside what a profile holds,
// shapes stay as they are. An arc's end joins a bar's within 0.01 mm, the bar running
// along the arc's tangent there within 0.1° and away from the arc; radii are one within
// 0.01 mm.
TArcBends TakeArcBends(std::vector<TDrawnShape>& shapes, double defaultThickness);
