#pragma once

#include "Bends.h"

// A bend as the section weighs it: the annular sector of its thickness about its
// centre-line arc, integrated exactly. Moments are taken about the bend's centre, in
// drawing axes, so that a caller moves them to any axis by the parallel-axis rule.
struct TBendSector {
    double Area;          // mm2, R t |sweep|
    double Sx, Sy;        // mm3, the integrals of x and y over the sector
    double Ixx, Iyy, Ixy; // mm4, the integrals of x2, y2 and x y over the sector
};
TBendSector BendSector(const TBend& bend);

// The centre-line arc's extremes, widened into the bounds given: the points where it
// runs parallel to an axis within its sweep (its ends are the bars' trimmed ends).
void WidenToArc(const TBend& bend, double& minX, double& maxX, double& minY, double& maxY);
