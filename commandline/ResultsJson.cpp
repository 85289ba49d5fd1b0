#include "ResultsJson.h"

#include "NumberText.h"

#include <cmath>
#include <cstdio>
#include <type_traits>
#include <variant>

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

std::vector<ResultText> ResultTexts(const ResultSource& source) {
    std::vector<ResultText> texts;
    for (const ResultField& field : ResultFields()) {
        if (!field.inTables)
            continue;
        const std::string name(field.key);
        std::visit(
            [&](const auto& value) {
                using T = std::decay_t<decltype(value)>;
                if constexpr (std::is_same_v<T, double>)
                    texts.push_back({name, Number(value)});
                else if constexpr (std::is_same_v<T, int>)
                    texts.push_back({name, std::to_string(value)});
                else if constexpr (std::is_same_v<T, std::string>)
                    texts.push_back({name, value, true});
                else
                    texts.push_back({name, std::string(WallName(value)), true});
            },
            field.read(source));
    }
    return texts;
}

std::string JsonObject(const std::vector<ResultText>& fields) {
    std::string out = "{";
    for (const ResultText& field : fields) {
        if (out.size() > 1)
            out += ", ";
        out += Quoted(field.name) + ": " + (field.isText ? Quoted(field.value) : field.value);
    }
    return out + "}";
}

std::string ResultsJson(const ResultSource& source) {
    return JsonObject(ResultTexts(source));
}
