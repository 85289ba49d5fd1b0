#include "BucklingLoad.h"

#include <array>
#include <utility>

namespace {

constexpr std::array<std::pair<TBucklingLoad, std::string_view>, 5> Names = {{
    {TBucklingLoad::P, "P"},
    {TBucklingLoad::Mx, "Mx"},
    {TBucklingLoad::MinusMx, "-Mx"},
    {TBucklingLoad::My, "My"},
    {TBucklingLoad::MinusMy, "-My"},
}};

} // namespace

std::string_view LoadName(TBucklingLoad load) {
    for (const auto& [value, name] : Names)
        if (value == load)
            return name;
    return "";
}

std::optional<TBucklingLoad> ParseLoad(std::string_view name) {
    for (const auto& [value, text] : Names)
        if (text == name)
            return value;
    return std::nullopt;
}
