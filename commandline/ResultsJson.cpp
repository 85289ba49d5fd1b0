#include "ResultsJson.h"

#include "NumberText.h"
#include "Utf8Sequence.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <utility>

namespace {

std::string UnicodeEscape(unsigned code) {
    char escape[8];
    std::snprintf(escape, sizeof escape, "\\u%04x", code);
    return escape;
}

} // namespace

// A byte that is no part of UTF-8 becomes the lone surrogate U+DC00 + byte, as Python's
// "surrogateescape" decodes it: JSON can name it, and it turns back into the byte.
std::string JsonString(const std::string& text) {
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        const std::size_t length = Utf8SequenceLength(text, i);
        if (length == 0)
            out += UnicodeEscape(0xDC00u + c);
        else if (c == '"' || c == '\\')
            out += {'\\', static_cast<char>(c)};
        else if (c < 0x20)
            out += UnicodeEscape(c);
        else
            out.append(text, i, length); // JSON text is UTF-8
        i += std::max<std::size_t>(length, 1);
    }
    return out + "\"";
}

std::string JsonNumber(double value) {
    return std::isfinite(value) ? ShortestText(value) : "null";
}

std::vector<ResultField> ResultFields(const TSectionResults& r, const TEngineeringResults& e,
                                      const TProfile& profile, const std::string& materialText) {
    const std::pair<const char*, double> numbers[] = {
        {"Density", r.Density}, {"Perimeter", r.Perimeter},
        {"Area", r.Area},       {"SumAy", r.SumAy},
        {"SumAx", r.SumAx},     {"Xg", r.Xg},
        {"Yg", r.Yg},           {"Jxc", r.Jxc},
        {"Jyc", r.Jyc},         {"FibreX", r.FibreX},
        {"FibreY", r.FibreY},   {"Weight", r.Weight()},
        {"Wx", r.Wx()},         {"Wy", r.Wy()},
    };
    std::vector<ResultField> fields;
    fields.reserve(std::size(numbers) + 16);
    for (const auto& [name, value] : numbers)
        fields.push_back({name, JsonNumber(value)});
    fields.push_back({"ObjectCount", std::to_string(profile.ObjectCount())});
    fields.push_back({"MaterialIndex", std::to_string(profile.MaterialIndex())});
    fields.push_back({"Material", materialText, true});
    const std::pair<const char*, double> engineering[] = {
        {"Jxy", e.Jxy},  {"I1", e.I1},      {"I2", e.I2},      {"Theta", e.Theta},
        {"Rx", e.Rx},    {"Ry", e.Ry},      {"R1", e.R1},      {"R2", e.R2},
        {"J", e.Wall.J}, {"Xs", e.Wall.Xs}, {"Ys", e.Wall.Ys}, {"Cw", e.Wall.Cw},
    };
    for (const auto& [name, value] : engineering)
        fields.push_back({name, JsonNumber(value)});
    fields.push_back({"Wall", std::string(WallName(e.Wall.Wall)), true});
    return fields;
}

std::string JsonObject(const std::vector<ResultField>& fields) {
    std::string out = "{";
    for (const ResultField& field : fields) {
        if (out.size() > 1)
            out += ", ";
        out += JsonString(field.name) + ": " + (field.isText ? JsonString(field.value) : field.value);
    }
    return out + "}";
}
