#include "MaterialList.h"

std::string MaterialText(int index) {
    if (index < 0 || index >= static_cast<int>(MaterialItems.size()))
        return {};
    return std::string(MaterialItems[static_cast<std::size_t>(index)]);
}
