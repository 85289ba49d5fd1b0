#pragma once

#include "Profile.h"
#include "SectionProperties.h"
#include "SectionTableProperties.h"
#include "ThinWall.h"

#include <string_view>
#include <vector>

// Why the section's values are missing, if they are.
enum class TSectionState {
    Ready,
    Empty,    // no object at all
    ZeroArea, // objects, but no area to take a centroid of
};

// The report's results and the properties an engineer checks a thin-walled member
// with. Every value that does not exist is NaN.
//
// Bars, bends and appendices weigh in as in the report's calculation.
//
// Axes of Jxy and Theta: through the centroid, x to the right and y up, so Jxy is minus
// the product of inertia in drawing axes. Theta is in degrees, counter-clockwise from +x
// to the major axis, in (-90, 90]. Jxy, I1 and I2 weigh the objects exactly as Jxc and
// Jyc do.
struct TEngineeringResults {
    TSectionState State = TSectionState::Empty;
    bool DensityOverflow = false; // the material text's density is beyond float64: NaN
    TSectionResults Section;      // as the report's calculation gives them

    double Jxy = TThinWall::Missing;   // mm4
    double I1 = TThinWall::Missing;    // mm4, major principal moment
    double I2 = TThinWall::Missing;    // mm4, minor principal moment
    double Theta = TThinWall::Missing; // degrees
    double Rx = TThinWall::Missing;    // mm, radii of gyration
    double Ry = TThinWall::Missing;
    double R1 = TThinWall::Missing;
    double R2 = TThinWall::Missing;
    // mm, from the centroid to the outermost bar ends on each side (NaN without bars).
    double FibreLeft = TThinWall::Missing;
    double FibreRight = TThinWall::Missing;
    double FibreTop = TThinWall::Missing;    // towards smaller drawing y
    double FibreBottom = TThinWall::Missing; // towards larger drawing y
    TSectionTableProperties Table; // with the rounded corners of the profile's bend radius

    TThinWall Wall;
    // Corners the bend radius could not round for want of room on a bar: they stay sharp.
    std::vector<TExactPoint> SharpCorners;
};

// Computes everything from the profile as it stands, without changing it: slots awaiting
// compaction are passed over exactly as the report's compaction would drop them, so the
// report's results come out bit for bit. Never throws.
TEngineeringResults ComputeEngineering(const TProfile& profile, std::string_view materialText,
                                       char decimalSeparator);

// The same without the thin-walled line model (Wall left as constructed): the part that
// costs about as much as the report's calculation, where the wall costs up to 25 times
// more on a full profile.
TEngineeringResults ComputeSectionAxes(const TProfile& profile, std::string_view materialText,
                                       char decimalSeparator);

// A few words, in the user's language, on why the section's values are missing or the
// density is; empty when nothing is missing.
std::string_view SectionNote(const TEngineeringResults& results);
