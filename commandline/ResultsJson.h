#pragma once

#include "ResultFields.h"

#include <string>
#include <vector>

// One value of a profile's results, under the name that --json and --csv give it.
struct ResultText {
    std::string name;
    std::string value;   // a JSON number (null when not finite), or text: UTF-8, though
                         // a file name may hold other bytes (written \udcXX in JSON)
    bool isText = false; // value is text, to be quoted
};

// The results that the tables for scripts show (the fields inTables, in their order):
// numbers as the shortest decimal that reads back to the same float64, counts as whole
// numbers, the material text and the kind of wall ("open", "closed", "multi-cell",
// "disconnected" or "none") as text.
std::vector<ResultText> ResultTexts(const ResultSource& source);

// The texts as one JSON object on one line.
std::string JsonObject(const std::vector<ResultText>& fields);

// The section results of a profile as one JSON object, for spreadsheets and scripts.
std::string ResultsJson(const ResultSource& source);
