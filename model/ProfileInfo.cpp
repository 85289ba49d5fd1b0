#include "ProfileInfo.h"

#include "MaterialList.h"

TProfileInfo LayoutInfo(std::int32_t materialIndex) {
    TProfileInfo info;
    info.Material.Text = MaterialText(materialIndex);
    return info;
}
