#pragma once

#include "Profile.h"

#include <cstdint>

// The part of a shift along one axis that keeps both coordinates a and b within
// [0, limit], in whole multiples of step (so that a snapped bar keeps its shape). A
// coordinate that already lies outside (a file may hold one) may come back but never goes
// further out. 64-bit arithmetic: coordinates may lie anywhere in the int32 range.
std::int32_t ShiftWithin(std::int32_t shift, std::int32_t a, std::int32_t b, std::int32_t limit,
                         std::int32_t step = 1);

// Moves the current bar or appendix by delta, keeping the fractions of its points, each
// axis shortened so that no point of it
// ends outside [0, area.X] x [0, area.Y]; a point that already lies outside never moves
// further out. Returns the move made: (0, 0) when there is no current bar or appendix.
TPoint MoveCurrentWithin(TProfile& profile, TPoint delta, TPoint area);
