#include "AreaMove.h"

#include "ExactPoint.h"

#include <algorithm>

std::int32_t ShiftWithin(std::int32_t shift, std::int32_t a, std::int32_t b, std::int32_t limit,
                         std::int32_t step) {
    const std::int64_t low = std::min<std::int64_t>(0, -std::int64_t{std::min(a, b)});
    const std::int64_t high = std::max<std::int64_t>(0, limit - std::int64_t{std::max(a, b)});
    // Whole steps towards zero: 0 itself is a multiple, so the range never empties.
    const std::int64_t lowSteps = low / step * step;
    const std::int64_t highSteps = high / step * step;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(shift, lowSteps, highSteps));
}

TPoint MoveCurrentWithin(TProfile& profile, TPoint delta, TPoint area) {
    if (!profile.hasCurrent())
        return {};
    TProfileObject& o = profile.Objects(profile.CurrentIndex());
    if (!o.isBar() && !o.isAppendix())
        return {};
    // An appendix has one point: P2 is not part of it.
    const TPoint other = o.isBar() ? o.P2 : o.P1;
    const TPoint step{ShiftWithin(delta.X, o.P1.X, other.X, area.X),
                      ShiftWithin(delta.Y, o.P1.Y, other.Y, area.Y)};
    MoveExactPoint(o, TEnd::P1, step);
    if (o.isBar())
        MoveExactPoint(o, TEnd::P2, step);
    return step;
}
