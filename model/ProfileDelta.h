#pragma once

#include "Profile.h"

#include <cstdint>
#include <optional>
#include <vector>

// The exact difference between two states of a profile: every slot that differs (stale
// slots above ObjectCount included, so that a later creation in them finds what it found
// before) and the bookkeeping. Applying it in either direction to a profile in the state
// at the other end gives, byte for byte, the state at this end; the name and material too.
//
// Kept small for a long undo history: a slot is stored as a whole record only when it is
// new; a run of slots that a removal shifted by one place is stored as that shift.
class TProfileDelta {
  public:
    TProfileDelta() = default;
    TProfileDelta(const TProfile& before, const TProfile& after);

    // True when the two states hold the same slots, count, material and name. A change of
    // the current object alone is no change of the profile.
    bool empty() const;

    // profile must be in the state "before" (apply) or "after" (revert).
    void apply(TProfile& profile) const;
    void revert(TProfile& profile) const;

  private:
    // Target slots [first, first + count) are either the next records of the direction's
    // own store, or the source state's slots shifted by offset and renumbered to their
    // new place, as a compaction leaves them.
    struct Run {
        std::uint16_t first = 0;
        std::uint16_t count = 0;
        std::int16_t offset = 0;
        bool stored = true;
    };
    struct Direction {
        std::vector<Run> runs;
        std::vector<TProfileObject> records;
        TProfileCounts counts;
        std::optional<TProfileInfo> info; // only when the step changes it

        void encode(const TProfile& source, const TProfile& target, const std::vector<int>& slots);
        void applyTo(TProfile& profile) const;
    };

    Direction m_forward;  // before -> after
    Direction m_backward; // after -> before
    bool m_slotsDiffer = false;
};
