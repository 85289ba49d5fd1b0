#include "ResultsJson.h"

#include "NumberText.h"
#include "Utf8Sequence.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <type_traits>
#include <variant>

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
                    texts.push_back({name, JsonNumber(value)});
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

void AppendSharpCornersField(std::vector<ResultText>& fields, const ResultSource& source) {
    if (source.profile.info().BendRadius == 0)
        return;
    std::string corners;
    for (const TExactPoint& corner : source.engineering.SharpCorners) {
        const TPointMm p = Millimetres(corner);
        corners += (corners.empty() ? "[" : ", [") + JsonNumber(p.X) + ", " + JsonNumber(p.Y) + "]";
    }
    fields.push_back({"SharpCorners", "[" + corners + "]"});
}

std::string JsonObject(const std::vector<ResultText>& fields) {
    std::string out = "{";
    for (const ResultText& field : fields) {
        if (out.size() > 1)
            out += ", ";
        out += JsonString(field.name) + ": " + (field.isText ? JsonString(field.value) : field.value);
    }
    return out + "}";
}
