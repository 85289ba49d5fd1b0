#pragma once

#include "Profile.h"
#include "SectionEngineering.h"

#include <span>
#include <string>
#include <string_view>
#include <variant>

// What a result is read from: the section results, the engineering properties, the
// profile and the text its density was read from.
struct ResultSource {
    const TSectionResults& section;
    const TEngineeringResults& engineering;
    const TProfile& profile;
    const std::string& material;
};

// A result as read: a number (NaN when it does not exist), a count, a text or the kind of
// the bars' wall.
using ResultValue = std::variant<double, int, std::string, TWallKind>;

// Which reason explains a missing value.
enum class ResultNote { Section, Weight, Fibre, Torsion, Wall };

// One result of a profile. A new result is one row of the table, and one key in the
// window's groups where it is to be shown there.
struct ResultField {
    std::string_view key;         // its name for scripts and in the window's groups
    std::string_view symbol;      // how the window and --all-properties name it
    std::string_view unit;        // "mm4", ...; empty for a word or a count
    std::string_view description; // what it is, in words
    ResultValue (*read)(const ResultSource& source);
    bool inTables = true;         // --json and --csv list it
    bool fromSection = false;     // a value of the report's calculation: none without a section
    ResultNote note = ResultNote::Section;
};

// Every field; those inTables in the order of --json and --csv.
std::span<const ResultField> ResultFields();

// The groups of the properties window by key, each under its title. --all-properties
// prints all but the first, whose results it prints as the report writes them.
struct ResultGroup {
    std::string_view title;
    std::span<const std::string_view> keys;
};
std::span<const ResultGroup> ResultGroups();

const ResultField& FindResultField(std::string_view key);

// A field as the window and --all-properties show it: its number (NaN when missing, and
// for every value of the report's calculation until the section is ready), or the word
// for the kind of wall; the reason beside a missing number.
struct ResultShown {
    double value;
    std::string_view word;
    std::string_view note;
};
ResultShown ShowResult(const ResultField& field, const TEngineeringResults& results);
