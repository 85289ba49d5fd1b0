#pragma once

#include "Profile.h"

// Moves the current bar or appendix by delta, each axis shortened so that no point of it
// ends outside [0, area.X] x [0, area.Y]; a point that already lies outside never moves
// further out. Returns the move made: (0, 0) when there is no current bar or appendix.
TPoint MoveCurrentWithin(TProfile& profile, TPoint delta, TPoint area);
