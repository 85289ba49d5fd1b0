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

// "SharpCorners", the corners the bend radius left sharp as [[x, y], ...] in mm, appended
// when the profile has a bend radius; a profile with sharp corners keeps its object as it
// was.
void AppendSharpCornersField(std::vector<ResultText>& fields, const ResultSource& source);

// A number as JSON writes it: the shortest decimal that reads back the same, null when
// not finite.
std::string JsonNumber(double value);

// Text as a JSON string, quoted and escaped.
std::string JsonString(const std::string& text);

// The texts as one JSON object on one line.
std::string JsonObject(const std::vector<ResultText>& fields);
