#pragma once

#include "Profile.h"
#include "SectionProperties.h"

#include <string>
#include <vector>

// One value of a profile's results, under the name that --json and --csv give it.
struct ResultField {
    std::string name;
    std::string value;   // a JSON number (null when not finite), or UTF-8 text
    bool isText = false; // value is text, to be quoted
};

// Every result and derived value of the section (shortest decimal that reads back to the
// same float64), then ObjectCount, MaterialIndex and Material, the text the density was
// read from. The one list of the fields that the tables for scripts show.
std::vector<ResultField> ResultFields(const TSectionResults& results, const TProfile& profile,
                                      const std::string& materialText);

// The fields as one JSON object on one line.
std::string JsonObject(const std::vector<ResultField>& fields);

// The section results of a profile as one JSON object, for spreadsheets and scripts.
std::string ResultsJson(const TSectionResults& results, const TProfile& profile,
                        const std::string& materialText);
