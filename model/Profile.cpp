#include "Profile.h"

#include "MaterialList.h"

#include <algorithm>
#include <stdexcept>

// The material box starts with the first item, which MaterialIndex 0 designates.
TProfile::TProfile() : m_info(LayoutInfo(0)) {}

TProfileObject& TProfile::Objects(int i) {
    if (i < 1 || i > Capacity)
        throw std::out_of_range("profile slot out of range");
    return m_slots[static_cast<std::size_t>(i - 1)];
}

const TProfileObject& TProfile::Objects(int i) const {
    return const_cast<TProfile*>(this)->Objects(i);
}

bool TProfile::createObject(TObjectKind kind, TPoint point, int thicknessTenths) {
    if (m_objectCount >= Capacity)
        return false;
    const int n = ++m_objectCount;
    TProfileObject& o = Objects(n);
    o.Number = n;
    o.Kind = kind;
    o.Thickness = static_cast<double>(thicknessTenths) / 10.0;
    o.P1 = point;
    o.F1 = {};
    if (kind == okBar) {
        o.P2 = point;
        o.F2 = {};
    }
    m_currentIndex = n;
    return true;
}

void TProfile::deleteCurrent() {
    // A current index past the end marks a stale slot, which compaction never looks at.
    if (m_currentIndex >= 1 && m_currentIndex <= Capacity)
        Objects(m_currentIndex).Number = 0;
    CompactObjects();
}

void TProfile::CompactObjects() {
    // In place is equivalent to the copy through a temporary list: k never passes i.
    std::size_t k = 0;
    for (std::size_t i = 0; i < static_cast<std::size_t>(m_objectCount); ++i) {
        if (m_slots[i].Number == 0)
            continue;
        if (k != i)
            m_slots[k] = m_slots[i];
        ++k;
        m_slots[k - 1].Number = static_cast<std::int32_t>(k);
    }
    m_objectCount = static_cast<int>(k);
}

void TProfile::reset() {
    m_objectCount = 0;
    m_currentIndex = 1;
    m_info.Name.clear();
    m_info.BendRadius = 0;
}

void TProfile::selectMaterial(std::string text) {
    const auto item = std::find(MaterialItems.begin(), MaterialItems.end(), text);
    m_materialIndex = item == MaterialItems.end()
                          ? -1
                          : static_cast<std::int32_t>(item - MaterialItems.begin());
    m_info.Material.Text = std::move(text);
}

void TProfile::replace(std::span<const TProfileObject> records, std::int32_t materialIndex) {
    replace(records, materialIndex, LayoutInfo(materialIndex));
}

void TProfile::replace(std::span<const TProfileObject> records, std::int32_t materialIndex,
                       TProfileInfo info) {
    if (records.size() > static_cast<std::size_t>(Capacity))
        throw std::length_error("more records than the profile holds");
    std::copy(records.begin(), records.end(), m_slots.begin());
    m_objectCount = static_cast<int>(records.size());
    m_currentIndex = 1;
    m_materialIndex = materialIndex;
    m_info = std::move(info);
}

void TProfile::restoreCounts(const TProfileCounts& counts) {
    if (counts.ObjectCount < 0 || counts.ObjectCount > Capacity)
        throw std::out_of_range("object count out of range");
    m_objectCount = counts.ObjectCount;
    m_currentIndex = counts.CurrentIndex;
    m_materialIndex = counts.MaterialIndex;
}
