#pragma once

#include "Bends.h"

// The integrals over an arc's angles a..b (radians, a < b) that integrating it in closed
// form needs, of 1, cos, sin, cos2, sin2 and cos sin, worked out from the turn b - a and
// the unit vectors at a and b rather than from the angles.
struct TArcTerms {
    double Turn, Cos, Sin, CosCos, SinSin, CosSin;
};
TArcTerms ArcTerms(double turn, TPointMm atA, TPointMm atB);

// A bend as the section weighs it: the annular sector of its thickness about its
// centre-line arc, integrated exactly. Moments are taken about the bend's centre, in
// drawing axes, so that a caller moves them to any axis by the parallel-axis rule.
struct TBendSector {
    double Area;          // mm2, R t |sweep|
    double Sx, Sy;        // mm3, the integrals of x and y over the sector
    double Ixx, Iyy, Ixy; // mm4, the integrals of x2, y2 and x y over the sector
};
TBendSector BendSector(const TBend& bend);

// The extremes of the arc of the given radius about the bend's centre, over the bend's
// sweep, widened into the bounds given: the points where it runs parallel to an axis (its
// ends are the caller's to add).
void WidenToArc(const TBend& bend, double radius, double& minX, double& maxX, double& minY,
                double& maxY);
