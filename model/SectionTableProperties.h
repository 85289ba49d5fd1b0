#pragma once

#include "Bends.h"
#include "SectionProperties.h"
#include "ThinWall.h"

#include <span>

struct TEngineeringResults;

// The properties that steel makers' section tables print beside the report's results.
// Principal axes here are those of TEngineeringResults: through the centroid, axis 1
// (the major one) at Theta counter-clockwise from x to the right with y up, axis 2 at
// Theta + 90 degrees; u runs along axis 1 and v along axis 2.
struct TSectionTableProperties {
    // mm3, Jxc and Jyc over the distance from the centroid to the walls' outermost face on
    // each side: the faces of the bars and bends, not their centre-lines, and the
    // appendices' points. Top is towards smaller drawing y.
    double WxTop = TThinWall::Missing;
    double WxBottom = TThinWall::Missing;
    double WyLeft = TThinWall::Missing;
    double WyRight = TThinWall::Missing;
    // mm5, the integrals of u (u2 + v2) and v (u2 + v2) over the section: the bars and
    // bends as their centre-lines times their thicknesses, each appendix as the weight the
    // moments of inertia give it.
    double PolarU = TThinWall::Missing;
    double PolarV = TThinWall::Missing;
};

// The extremes of the walls' faces, in drawing coordinates (mm): a bar's outline is its
// rectangle between its ends after the bends shortened it, a bend's the annular sector of
// its thickness; an appendix is its point.
struct TFaceExtremes {
    double MinX, MaxX, MinY, MaxY;
};
TFaceExtremes FaceExtremes(std::span<const TProfileObject> objects, const TBends& bends);

// The integrals of PolarU and PolarV about the origin (drawing coordinates) in axes at
// thetaDegrees, counter-clockwise with y up. Exact but for rounding: straight pieces carry
// cubics, bends trigonometric polynomials of the second degree, both in closed form.
TPointMm PolarMoments(std::span<const TProfileObject> objects, const TBends& bends, TPointMm origin,
                      double thetaDegrees);

// From the objects (none awaiting compaction), their bends and the section already
// computed from them, with its major axis at thetaDegrees. Needs a section with an area.
TSectionTableProperties ComputeSectionTableProperties(std::span<const TProfileObject> objects,
                                                      const TBends& bends,
                                                      const TSectionResults& section,
                                                      double thetaDegrees);

// These need the shear centre: NaN unless the wall is open.

// mm, the shear centre less the centroid: X along axis 1, Y along axis 2.
TPointMm ShearCentreFromCentroid(const TEngineeringResults& results);
// mm, the polar radius of gyration about the shear centre: sqrt(r1^2 + r2^2 + x0^2 + y0^2).
double PolarRadiusAboutShearCentre(const TEngineeringResults& results);
// mm, the monosymmetry parameters of flexural-torsional buckling: for bending about axis 1,
// beta_x = PolarV / I1 - 2 y0; about axis 2, beta_y = PolarU / I2 - 2 x0. Each vanishes
// for a section symmetric about its axis of bending. The AISI j of a singly symmetric
// section bent about the axis across its axis of symmetry is this beta over 2 when the
// axis of symmetry points away from the shear centre (x0 or y0 negative, as the AISI
// orients it), minus it otherwise.
double MonosymmetryX(const TEngineeringResults& results);
double MonosymmetryY(const TEngineeringResults& results);
