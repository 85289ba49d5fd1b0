#pragma once

#include "ProfileInfo.h"
#include "ProfileObject.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>

// The bookkeeping of a profile beside its slots, as one value for code that records and
// restores whole states.
struct TProfileCounts {
    int ObjectCount = 0;
    int CurrentIndex = 1;
    std::int32_t MaterialIndex = 0;
};

// The profile being edited: a fixed list of at most 255 objects, indexed from 1, the
// current object, the chosen material and the profile's name. Slots above ObjectCount are stale, never
// cleared: a new object overwrites only the fields that creation sets, so e.g. a new
// appendix keeps the slot's old P2 and Reserved bytes.
class TProfile {
  public:
    static constexpr int Capacity = 255;

    TProfile();

    // Slot i, 1 <= i <= Capacity (checked: throws std::out_of_range otherwise).
    TProfileObject& Objects(int i);
    const TProfileObject& Objects(int i) const;

    int ObjectCount() const { return m_objectCount; }
    int CurrentIndex() const { return m_currentIndex; }
    int MaterialIndex() const { return m_materialIndex; }
    const TProfileInfo& info() const { return m_info; }

    // True when CurrentIndex designates an object of the profile.
    bool hasCurrent() const { return m_currentIndex >= 1 && m_currentIndex <= m_objectCount; }
    void setCurrentIndex(int index) { m_currentIndex = index; }

    // Appends a new object exactly at the (already snapped) point, thickness
    // thicknessTenths / 10 mm, and makes it current. A bar gets P2 = P1. Returns false, changing nothing, when
    // the profile is full.
    bool createObject(TObjectKind kind, TPoint point, int thicknessTenths);

    // Marks the current object deleted and compacts. CurrentIndex is kept, so it then
    // designates the object that moved into the place (or lies past the end).
    void deleteCurrent();

    // Drops slots whose Number is 0 and renumbers the survivors 1..ObjectCount.
    void CompactObjects();

    // Empties the profile and drops its name and bends; slots and material stay as they are.
    void reset();

    // Material box changed to text: the index becomes that of the list item with exactly
    // this text, -1 for any other text.
    void selectMaterial(std::string text);

    // Name, material text and constants as given; the material index stays.
    void setInfo(TProfileInfo info) { m_info = std::move(info); }

    // Replaces the profile by loaded records: ObjectCount, the first slots, the material
    // index and the name and material; CurrentIndex becomes 1. Throws std::length_error
    // for more than Capacity records (callers validate first).
    void replace(std::span<const TProfileObject> records, std::int32_t materialIndex,
                 TProfileInfo info);
    // The same with what a file of the original layout says of the name and material.
    void replace(std::span<const TProfileObject> records, std::int32_t materialIndex);

    TProfileCounts counts() const { return {m_objectCount, m_currentIndex, m_materialIndex}; }
    // Throws std::out_of_range, changing nothing, for an ObjectCount outside 0..Capacity.
    void restoreCounts(const TProfileCounts& counts);

    // Every slot, the stale ones above ObjectCount included.
    std::span<const TProfileObject, Capacity> allSlots() const { return m_slots; }

    // The objects 1..ObjectCount.
    std::span<const TProfileObject> liveObjects() const {
        return {m_slots.data(), static_cast<std::size_t>(m_objectCount)};
    }

  private:
    std::array<TProfileObject, Capacity> m_slots{};
    int m_objectCount = 0;
    int m_currentIndex = 1;
    std::int32_t m_materialIndex = 0;
    TProfileInfo m_info;
};
