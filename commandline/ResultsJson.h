#pragma once

#include "Profile.h"
#include "SectionEngineering.h"

#include <string>
#include <vector>

// One value of a profile's results, under the name that --json and --csv give it.
struct ResultField {
    std::string name;
    std::string value;   // a JSON number (null when not finite), or text: UTF-8, though
                         // a file name may hold other bytes (written \udcXX in JSON)
    bool isText = false; // value is text, to be quoted
};

// The one list of the fields that the tables for scripts show: every result and derived
// value of the section as a number (the shortest decimal that reads back to the same
// float64), then ObjectCount, MaterialIndex and Material, the text the density was read
// from, then the engineering properties (null where the section has none) and Wall, the
// kind of the bars' wall: "open", "closed", "multi-cell", "disconnected" or "none".
std::vector<ResultField> ResultFields(const TSectionResults& results,
                                      const TEngineeringResults& engineering,
                                      const TProfile& profile, const std::string& materialText);

// A number as JSON writes it: the shortest decimal that reads back the same, null when
// not finite.
std::string JsonNumber(double value);

// Text as a JSON string, quoted and escaped.
std::string JsonString(const std::string& text);

// The fields as one JSON object on one line.
std::string JsonObject(const std::vector<ResultField>& fields);
