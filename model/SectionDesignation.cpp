#include "SectionDesignation.h"

#include "NumberText.h"
#include "PerfilError.h"
#include "ProfileInfo.h"

#include <algorithm>
#include <array>

namespace {

const std::array<TSectionShape, 9> Shapes{{
    {TSectionType::U, "U", "U simples", {{"bw", false}, {"bf", false}, {"t", true}}},
    {TSectionType::Ue,
     "Ue",
     "U enrijecido",
     {{"bw", false}, {"bf", false}, {"D", false}, {"t", true}}},
    {TSectionType::Z, "Z", "Z simples", {{"bw", false}, {"bf", false}, {"t", true}}},
    {TSectionType::Ze,
     "Ze",
     "Z enrijecido a 90°",
     {{"bw", false}, {"bf", false}, {"D", false}, {"t", true}}},
    {TSectionType::Z45,
     "Z45",
     "Z enrijecido a 45°",
     {{"bw", false}, {"bf", false}, {"D", false}, {"t", true}}},
    {TSectionType::Cr, "Cr", "Cartola", {{"bw", false}, {"bf", false}, {"D", false}, {"t", true}}},
    {TSectionType::L, "L", "Cantoneira", {{"bf1", false}, {"bf2", false}, {"t", true}}},
    {TSectionType::TR, "TR", "Tubo retangular", {{"h", false}, {"b", false}, {"t", true}}},
    {TSectionType::I, "I", "I soldado", {{"d", false}, {"bf", false}, {"tf", true}, {"tw", true}}},
}};

// A dimension that must exceed a multiple of a thickness, so that a straight wall is left
// beside the bends or the plates that meet it.
struct WiderThan {
    std::size_t dimension;
    int times;
    std::size_t thickness;
};

std::vector<WiderThan> WiderThanRules(TSectionType type) {
    switch (type) {
    case TSectionType::U:
    case TSectionType::Z:
        return {{0, 2, 2}, {1, 1, 2}};
    case TSectionType::Ue:
    case TSectionType::Ze:
    case TSectionType::Z45:
    case TSectionType::Cr:
        return {{0, 2, 3}, {1, 2, 3}, {2, 1, 3}};
    case TSectionType::L:
        return {{0, 1, 2}, {1, 1, 2}};
    case TSectionType::TR:
        return {{0, 2, 2}, {1, 2, 2}};
    case TSectionType::I:
        return {{0, 2, 2}, {1, 1, 3}};
    }
    return {};
}

[[noreturn]] void Refuse(const std::string& message) {
    throw PerfilError(message);
}

std::string_view Trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

// The length of the separator that text starts with: 'x' or the multiplication sign; 0
// for none.
std::size_t SeparatorLength(std::string_view text) {
    static constexpr std::string_view Times = "\xc3\x97"; // ×
    if (text.starts_with('x'))
        return 1;
    return text.starts_with(Times) ? Times.size() : 0;
}

// The pieces between the separators.
std::vector<std::string_view> DimensionTexts(std::string_view text) {
    std::vector<std::string_view> pieces;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t separator = SeparatorLength(text.substr(i));
        if (separator == 0) {
            ++i;
            continue;
        }
        pieces.push_back(Trimmed(text.substr(start, i - start)));
        i += separator;
        start = i;
    }
    pieces.push_back(Trimmed(text.substr(start)));
    return pieces;
}

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

// Millimetres with at most two decimals, as hundredths.
std::int64_t DimensionValue(std::string_view text, const char* name) {
    if (text.empty())
        Refuse(std::string("falta o valor de ") + name);
    const bool negative = text.front() == '-';
    const std::string_view number = negative ? text.substr(1) : text;
    const std::size_t point = number.find_first_of(".,");
    const std::string_view whole = number.substr(0, point);
    const std::string_view decimals =
        point == std::string_view::npos ? std::string_view{} : number.substr(point + 1);
    const auto digits = [](std::string_view s) {
        return std::ranges::all_of(s, [](char c) { return c >= '0' && c <= '9'; });
    };
    if (whole.empty() || !digits(whole) || !digits(decimals) ||
        (point != std::string_view::npos && decimals.empty()))
        Refuse(std::string(name) + " não é um número: " + Quoted(text));
    if (decimals.size() > 2)
        Refuse(std::string(name) + " tem mais de duas casas decimais: " + Quoted(text) +
               "; as dimensões vão ao centésimo de mm");
    // Leading zeros may make the text long without making the value large.
    const std::string_view significant =
        whole.substr(std::min(whole.find_first_not_of('0'), whole.size()));
    if (significant.size() > 6)
        Refuse(std::string(name) + " passa de " + MillimetreText(LargestDimension) + " mm");
    std::int64_t value = 0;
    for (char c : significant)
        value = value * 10 + (c - '0');
    std::int64_t fraction = 0;
    for (std::size_t i = 0; i < 2; ++i)
        fraction = fraction * 10 + (i < decimals.size() ? decimals[i] - '0' : 0);
    const std::int64_t hundredths = value * 100 + fraction;
    return negative ? -hundredths : hundredths;
}

std::string CodeList() {
    std::string list;
    for (std::size_t i = 0; i < Shapes.size(); ++i)
        list += std::string(i == 0 ? "" : i + 1 == Shapes.size() ? " e " : ", ") + Shapes[i].Code;
    return list;
}

std::string DimensionList(const TSectionShape& shape) {
    std::string list;
    for (const TSectionDimension& d : shape.Dimensions)
        list += std::string(list.empty() ? "" : " x ") + d.Name;
    return list;
}

} // namespace

std::span<const TSectionShape> SectionShapes() {
    return Shapes;
}

const TSectionShape& SectionShape(TSectionType type) {
    return *std::ranges::find(Shapes, type, &TSectionShape::Type);
}

TSectionDesignation ParseSectionDesignation(std::string_view text) {
    text = Trimmed(text);
    if (text.empty())
        Refuse("designação vazia; por exemplo, \"Ue 200x75x25x2,25\"");
    const std::size_t blank = text.find_first_of(" \t");
    const std::string_view code = text.substr(0, blank);
    const auto shape =
        std::ranges::find_if(Shapes, [&](const TSectionShape& s) { return code == s.Code; });
    if (shape == Shapes.end())
        Refuse("tipo de perfil desconhecido: " + Quoted(code) + "; os tipos são " + CodeList());
    const std::vector<std::string_view> texts =
        DimensionTexts(blank == std::string_view::npos ? std::string_view{} : text.substr(blank));
    const std::size_t expected = shape->Dimensions.size();
    const std::size_t given = texts.size() == 1 && texts[0].empty() ? 0 : texts.size();
    if (given != expected)
        Refuse(std::string(shape->Code) + " tem " + std::to_string(expected) + " dimensões (" +
               DimensionList(*shape) + "); foram dadas " + std::to_string(given));
    TSectionDesignation section{shape->Type, {}};
    for (std::size_t i = 0; i < expected; ++i)
        section.Dimensions.push_back(DimensionValue(texts[i], shape->Dimensions[i].Name));
    CheckSection(section);
    return section;
}

void CheckSection(const TSectionDesignation& section) {
    const TSectionShape& shape = SectionShape(section.Type);
    const auto& d = section.Dimensions;
    for (std::size_t i = 0; i < d.size(); ++i) {
        const std::string name = shape.Dimensions[i].Name;
        if (d[i] <= 0)
            Refuse(name + " deve ser maior que zero");
        if (d[i] > LargestDimension)
            Refuse(name + " passa de " + MillimetreText(LargestDimension) + " mm");
    }
    for (const WiderThan& rule : WiderThanRules(section.Type)) {
        const std::int64_t least = rule.times * d[rule.thickness];
        if (d[rule.dimension] <= least)
            Refuse(std::string(shape.Dimensions[rule.dimension].Name) + " deve ser maior que " +
                   (rule.times == 1 ? "" : std::to_string(rule.times)) +
                   shape.Dimensions[rule.thickness].Name + " (" + MillimetreText(least) + " mm)");
    }
    // Lips turned inwards meet when each reaches half the web.
    if (section.Type == TSectionType::Ue && 2 * d[2] >= d[0])
        Refuse("D deve ser menor que bw/2: os enrijecedores se encontrariam");
}

std::string DesignationText(const TSectionDesignation& section) {
    const TSectionShape& shape = SectionShape(section.Type);
    std::string text = std::string(shape.Code) + " ";
    for (std::size_t i = 0; i < section.Dimensions.size(); ++i)
        text += (i == 0 ? "" : "x") +
                MillimetreText(section.Dimensions[i], shape.Dimensions[i].IsThickness);
    return text;
}

double DefaultBendRadius(const TSectionDesignation& section) {
    if (section.Type == TSectionType::I)
        return 0;
    return std::min(static_cast<double>(section.Dimensions.back()) / 100.0,
                    TProfileInfo::MaxBendRadius);
}
