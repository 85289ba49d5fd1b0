#include "ResultsJson.h"

#include "NumberText.h"

#include <cmath>
#include <cstdio>
#include <iterator>
#include <utility>

namespace {

std::string Number(double value) {
    return std::isfinite(value) ? ShortestText(value) : "null";
}

std::string Quoted(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned char>(c));
                out += escape;
            } else {
                out += c; // UTF-8 passes through; JSON text is UTF-8
            }
        }
    }
    return out + "\"";
}

} // namespace

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
        fields.push_back({name, Number(value)});
    fields.push_back({"ObjectCount", std::to_string(profile.ObjectCount())});
    fields.push_back({"MaterialIndex", std::to_string(profile.MaterialIndex())});
    fields.push_back({"Material", materialText, true});
    const std::pair<const char*, double> engineering[] = {
        {"Jxy", e.Jxy},  {"I1", e.I1},      {"I2", e.I2},      {"Theta", e.Theta},
        {"Rx", e.Rx},    {"Ry", e.Ry},      {"R1", e.R1},      {"R2", e.R2},
        {"J", e.Wall.J}, {"Xs", e.Wall.Xs}, {"Ys", e.Wall.Ys}, {"Cw", e.Wall.Cw},
    };
    for (const auto& [name, value] : engineering)
        fields.push_back({name, Number(value)});
    fields.push_back({"Wall", std::string(WallName(e.Wall.Wall)), true});
    const TMaterial& material = profile.info().Material;
    fields.push_back({"Name", profile.info().Name, true});
    for (const auto& [name, value] :
         {std::pair{"E", material.E}, {"Nu", material.Nu}, {"Fy", material.Fy}})
        fields.push_back({name, Number(value)});
    return fields;
}

std::string JsonObject(const std::vector<ResultField>& fields) {
    std::string out = "{";
    for (const ResultField& field : fields) {
        if (out.size() > 1)
            out += ", ";
        out += Quoted(field.name) + ": " + (field.isText ? Quoted(field.value) : field.value);
    }
    return out + "}";
}

std::string ResultsJson(const TSectionResults& results, const TEngineeringResults& engineering,
                        const TProfile& profile, const std::string& materialText) {
    return JsonObject(ResultFields(results, engineering, profile, materialText));
}
