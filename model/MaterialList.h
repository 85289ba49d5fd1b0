#pragma once

#include <array>
#include <string>
#include <string_view>

// The material box's items (UTF-8), in order: name, " - ", density in g/cm3 with a
// decimal comma. The density is always read back from the text, never by index.
inline constexpr std::array<std::string_view, 8> MaterialItems = {
    "Aço - 7,75",   "Alumínio - 2,69", "Bronze -  8,810001", "Chumbo -  11,37",
    "Cobre - 8,87", "Ferro - 7,86",    "Latão - 8,42",       "Titânio - 3,49",
};

// The item at index, or the empty text for an index outside the list (as a file may hold).
std::string MaterialText(int index);
