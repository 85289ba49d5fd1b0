#pragma once

#include "Profile.h"
#include "SectionEngineering.h"

#include <string>

// The section results of a profile as one JSON object, for spreadsheets and scripts:
// every result and derived value as a JSON number (the shortest decimal that reads back
// to the same float64; null when not finite), then ObjectCount, MaterialIndex and
// Material, the text the density was read from, then the engineering properties (null
// where the section has none) and Wall, the kind of the bars' wall: "open", "closed",
// "multi-cell", "disconnected" or "none". materialText is UTF-8.
std::string ResultsJson(const TSectionResults& results, const TEngineeringResults& engineering,
                        const TProfile& profile, const std::string& materialText);
