#include "AreaMove.h"

#include <algorithm>
#include <cstdint>
#include <initializer_list>

namespace {

// The part of step along one axis that keeps every coordinate within [0, limit]. 64-bit
// arithmetic: coordinates from a file may lie anywhere in the int32 range.
std::int32_t StepWithin(std::initializer_list<std::int32_t> coordinates, std::int32_t step,
                        std::int32_t limit) {
    std::int64_t room = step > 0 ? INT64_MAX : INT64_MIN;
    for (const std::int64_t c : coordinates)
        room = step > 0 ? std::min(room, limit - c) : std::max(room, -c);
    if (step > 0)
        return static_cast<std::int32_t>(std::clamp<std::int64_t>(room, 0, step));
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(room, step, 0));
}

} // namespace

TPoint MoveCurrentWithin(TProfile& profile, TPoint delta, TPoint area) {
    if (!profile.hasCurrent())
        return {};
    TProfileObject& o = profile.Objects(profile.CurrentIndex());
    TPoint step;
    if (o.isBar()) {
        step = {StepWithin({o.P1.X, o.P2.X}, delta.X, area.X),
                StepWithin({o.P1.Y, o.P2.Y}, delta.Y, area.Y)};
        o.P2 = {o.P2.X + step.X, o.P2.Y + step.Y};
    } else if (o.isAppendix()) {
        step = {StepWithin({o.P1.X}, delta.X, area.X), StepWithin({o.P1.Y}, delta.Y, area.Y)};
    } else {
        return {};
    }
    o.P1 = {o.P1.X + step.X, o.P1.Y + step.Y};
    return step;
}
