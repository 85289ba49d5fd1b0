#pragma once

#include "ProfileObject.h"
#include "SectionDesignation.h"

#include <optional>
#include <string>
#include <vector>

// The bars of a standard section as a thin-walled model draws it: the centre-lines of its
// walls, each the outer dimension less what the thickness takes at its ends (half the
// thickness at a square end against another wall, t/2 tan(22.5°) at a 45° bend).
//
// Upright, the web stands vertical on the left with the flanges to the right (the Z's
// bottom flange to the left); the hat stands on its lips with its web on top; the angle's
// first leg is vertical, its second leg at the bottom to the right. Horizontal turns it a
// quarter turn, which lays the web of a U at the bottom.
//
// The bars' bounding box is centred on the drawing area. Points are hundredths of a
// millimetre: a coordinate between hundredths (half an odd thickness, a 45° lip) goes to
// the nearest one, a tie away from the centre, so that the section keeps its symmetry;
// each side of the box starts on a whole hundredth.

// Why the section's bars do not fit the drawing area in that orientation (which extent,
// which dimensions make it, how much room there is), or nothing when they fit.
std::optional<std::string> SectionFitProblem(const TSectionDesignation& section, bool horizontal);

// The bars, numbered from 1. Throws PerfilError with SectionFitProblem's reason when they
// do not fit; the section must have passed CheckSection.
std::vector<TProfileObject> SectionBars(const TSectionDesignation& section, bool horizontal);
