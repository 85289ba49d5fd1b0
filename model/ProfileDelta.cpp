#include "ProfileDelta.h"

#include <array>
#include <cstring>
#include <initializer_list>

namespace {

constexpr int SlotCount = TProfile::Capacity;

// Records compare as the bytes they are saved as: NaN thicknesses and the gaps too.
bool SameBytes(const TProfileObject& a, const TProfileObject& b) {
    return std::memcmp(&a, &b, sizeof(TProfileObject)) == 0;
}

// target slot i (from 0) is source slot i + offset moved there by a compaction.
bool IsShift(const TProfile& source, const TProfile& target, int i, int offset) {
    const int j = i + offset;
    if (offset == 0 || j < 0 || j >= SlotCount)
        return false;
    TProfileObject moved = source.allSlots()[static_cast<std::size_t>(j)];
    moved.Number = i + 1;
    return SameBytes(moved, target.allSlots()[static_cast<std::size_t>(i)]);
}

} // namespace

TProfileDelta::TProfileDelta(const TProfile& before, const TProfile& after) {
    std::vector<int> changed;
    for (int i = 0; i < SlotCount; ++i)
        if (!SameBytes(before.allSlots()[static_cast<std::size_t>(i)],
                       after.allSlots()[static_cast<std::size_t>(i)]))
            changed.push_back(i);
    m_slotsDiffer = !changed.empty();
    m_forward.encode(before, after, changed);
    m_backward.encode(after, before, changed);
}

void TProfileDelta::Direction::encode(const TProfile& source, const TProfile& target,
                                      const std::vector<int>& slots) {
    counts = target.counts();
    if (source.info() != target.info())
        info = target.info();
    for (const int i : slots) {
        Run* last = runs.empty() ? nullptr : &runs.back();
        const bool adjacent = last && last->first + last->count == i;
        if (adjacent && !last->stored && IsShift(source, target, i, last->offset)) {
            ++last->count;
            continue;
        }
        // A removal shifts by one place; a compaction of a loaded list by one more for
        // every dropped slot before, so the last shift and its neighbours are the ones
        // worth trying.
        const int lastOffset = last && !last->stored ? last->offset : 0;
        bool shifted = false;
        for (const int offset : {lastOffset + 1, lastOffset - 1, 1, -1})
            if (IsShift(source, target, i, offset)) {
                runs.push_back({static_cast<std::uint16_t>(i), 1,
                                static_cast<std::int16_t>(offset), false});
                shifted = true;
                break;
            }
        if (shifted)
            continue;
        records.push_back(target.allSlots()[static_cast<std::size_t>(i)]);
        if (adjacent && last->stored)
            ++last->count;
        else
            runs.push_back({static_cast<std::uint16_t>(i), 1, 0, true});
    }
    runs.shrink_to_fit();
    records.shrink_to_fit();
}

void TProfileDelta::Direction::applyTo(TProfile& profile) const {
    // Shifted runs read slots that other runs overwrite: they read from the state as it
    // was before any of them ran.
    const std::array<TProfileObject, SlotCount> source = [&] {
        std::array<TProfileObject, SlotCount> copy;
        std::copy(profile.allSlots().begin(), profile.allSlots().end(), copy.begin());
        return copy;
    }();
    auto stored = records.begin();
    for (const Run& run : runs)
        for (int i = run.first; i < run.first + run.count; ++i) {
            TProfileObject& slot = profile.Objects(i + 1);
            if (run.stored) {
                slot = *stored++;
            } else {
                slot = source[static_cast<std::size_t>(i + run.offset)];
                slot.Number = i + 1;
            }
        }
    profile.restoreCounts(counts);
    if (info)
        profile.setInfo(*info);
}

bool TProfileDelta::empty() const {
    return !m_slotsDiffer && m_forward.counts.ObjectCount == m_backward.counts.ObjectCount &&
           m_forward.counts.MaterialIndex == m_backward.counts.MaterialIndex && !m_forward.info;
}

void TProfileDelta::apply(TProfile& profile) const {
    m_forward.applyTo(profile);
}

void TProfileDelta::revert(TProfile& profile) const {
    m_backward.applyTo(profile);
}
