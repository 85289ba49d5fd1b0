#include "ResultFields.h"

#include <algorithm>
#include <cmath>

namespace {

using S = const ResultSource&;
constexpr ResultNote Weight = ResultNote::Weight;
constexpr ResultNote Fibre = ResultNote::Fibre;
constexpr ResultNote Torsion = ResultNote::Torsion;
constexpr ResultNote Wall = ResultNote::Wall;

// clang-format off
constexpr ResultField Fields[] = {
    {"Density", "", "", "", [](S s) -> ResultValue { return s.section.Density; }},
    {"Perimeter", "Perímetro", "mm", "perímetro",
     [](S s) -> ResultValue { return s.section.Perimeter; }, true, true},
    {"Area", "Área", "mm2", "área", [](S s) -> ResultValue { return s.section.Area; }, true, true},
    {"SumAy", "", "", "", [](S s) -> ResultValue { return s.section.SumAy; }},
    {"SumAx", "", "", "", [](S s) -> ResultValue { return s.section.SumAx; }},
    {"Xg", "xg", "mm", "centro de gravidade, x",
     [](S s) -> ResultValue { return s.section.Xg; }, true, true},
    {"Yg", "yg", "mm", "centro de gravidade, y",
     [](S s) -> ResultValue { return s.section.Yg; }, true, true},
    {"Jxc", "Jxc", "mm4", "inércia em torno do eixo horizontal",
     [](S s) -> ResultValue { return s.section.Jxc; }, true, true},
    {"Jyc", "Jyc", "mm4", "inércia em torno do eixo vertical",
     [](S s) -> ResultValue { return s.section.Jyc; }, true, true},
    {"FibreX", "", "", "", [](S s) -> ResultValue { return s.section.FibreX; }},
    {"FibreY", "", "", "", [](S s) -> ResultValue { return s.section.FibreY; }},
    {"Weight", "Peso", "kg/m", "peso por metro",
     [](S s) -> ResultValue { return s.section.Weight(); }, true, true, Weight},
    {"Wx", "Wx", "mm3", "módulo resistente, x",
     [](S s) -> ResultValue { return s.section.Wx(); }, true, true},
    {"Wy", "Wy", "mm3", "módulo resistente, y",
     [](S s) -> ResultValue { return s.section.Wy(); }, true, true},
    {"ObjectCount", "", "", "", [](S s) -> ResultValue { return s.profile.ObjectCount(); }},
    {"MaterialIndex", "", "", "", [](S s) -> ResultValue { return s.profile.MaterialIndex(); }},
    {"Material", "", "", "", [](S s) -> ResultValue { return s.material; }},
    {"Jxy", "Jxy", "mm4", "produto de inércia (y para cima)",
     [](S s) -> ResultValue { return s.engineering.Jxy; }},
    {"I1", "I1", "mm4", "momento principal maior",
     [](S s) -> ResultValue { return s.engineering.I1; }},
    {"I2", "I2", "mm4", "momento principal menor",
     [](S s) -> ResultValue { return s.engineering.I2; }},
    {"Theta", "θ", "graus", "ângulo do eixo maior, anti-horário",
     [](S s) -> ResultValue { return s.engineering.Theta; }},
    {"Rx", "rx", "mm", "raio de giração, x", [](S s) -> ResultValue { return s.engineering.Rx; }},
    {"Ry", "ry", "mm", "raio de giração, y", [](S s) -> ResultValue { return s.engineering.Ry; }},
    {"R1", "r1", "mm", "raio de giração, eixo maior",
     [](S s) -> ResultValue { return s.engineering.R1; }},
    {"R2", "r2", "mm", "raio de giração, eixo menor",
     [](S s) -> ResultValue { return s.engineering.R2; }},
    {"J", "J", "mm4", "constante de torção",
     [](S s) -> ResultValue { return s.engineering.Wall.J; }, true, false, Torsion},
    {"Xs", "xs", "mm", "centro de cisalhamento, x",
     [](S s) -> ResultValue { return s.engineering.Wall.Xs; }, true, false, Wall},
    {"Ys", "ys", "mm", "centro de cisalhamento, y",
     [](S s) -> ResultValue { return s.engineering.Wall.Ys; }, true, false, Wall},
    {"Cw", "Cw", "mm6", "constante de empenamento",
     [](S s) -> ResultValue { return s.engineering.Wall.Cw; }, true, false, Wall},
    {"Wall", "Parede", "", "linha média das barras",
     [](S s) -> ResultValue { return s.engineering.Wall.Wall; }},
    {"FibreLeft", "c esq.", "mm", "fibra extrema à esquerda",
     [](S s) -> ResultValue { return s.engineering.FibreLeft; }, false, false, Fibre},
    {"FibreRight", "c dir.", "mm", "fibra extrema à direita",
     [](S s) -> ResultValue { return s.engineering.FibreRight; }, false, false, Fibre},
    {"FibreTop", "c sup.", "mm", "fibra extrema acima",
     [](S s) -> ResultValue { return s.engineering.FibreTop; }, false, false, Fibre},
    {"FibreBottom", "c inf.", "mm", "fibra extrema abaixo",
     [](S s) -> ResultValue { return s.engineering.FibreBottom; }, false, false, Fibre},
    {"Name", "", "", "", [](S s) -> ResultValue { return s.profile.info().Name; }},
    {"E", "", "", "", [](S s) -> ResultValue { return s.profile.info().Material.E; }},
    {"Nu", "", "", "", [](S s) -> ResultValue { return s.profile.info().Material.Nu; }},
    {"Fy", "", "", "", [](S s) -> ResultValue { return s.profile.info().Material.Fy; }},
    {"WxTop", "Wx sup.", "mm3", "módulo resistente à face superior",
     [](S s) -> ResultValue { return s.engineering.Table.WxTop; }},
    {"WxBottom", "Wx inf.", "mm3", "módulo resistente à face inferior",
     [](S s) -> ResultValue { return s.engineering.Table.WxBottom; }},
    {"WyLeft", "Wy esq.", "mm3", "módulo resistente à face esquerda",
     [](S s) -> ResultValue { return s.engineering.Table.WyLeft; }},
    {"WyRight", "Wy dir.", "mm3", "módulo resistente à face direita",
     [](S s) -> ResultValue { return s.engineering.Table.WyRight; }},
    {"X0", "x0", "mm", "centro de cisalhamento menos centroide, eixo maior (θ)",
     [](S s) -> ResultValue { return ShearCentreFromCentroid(s.engineering).X; }, true, false,
     Wall},
    {"Y0", "y0", "mm", "centro de cisalhamento menos centroide, eixo menor (θ + 90°)",
     [](S s) -> ResultValue { return ShearCentreFromCentroid(s.engineering).Y; }, true, false,
     Wall},
    {"R0", "r0", "mm", "raio de giração polar em torno do centro de cisalhamento",
     [](S s) -> ResultValue { return PolarRadiusAboutShearCentre(s.engineering); }, true, false,
     Wall},
    {"BetaX", "βx", "mm", "monossimetria, flexão no eixo maior (j do AISI = βx/2)",
     [](S s) -> ResultValue { return MonosymmetryX(s.engineering); }, true, false, Wall},
    {"BetaY", "βy", "mm", "monossimetria, flexão no eixo menor (j do AISI = βy/2)",
     [](S s) -> ResultValue { return MonosymmetryY(s.engineering); }, true, false, Wall},
};

constexpr std::string_view ReportKeys[] = {"Weight", "Perimeter", "Area", "Jxc", "Jyc",
                                           "Xg",     "Yg",        "Wx",   "Wy"};
constexpr std::string_view AxesKeys[] = {"Jxy", "I1", "I2", "Theta", "Rx", "Ry", "R1", "R2",
                                         "FibreLeft", "FibreRight", "FibreTop", "FibreBottom",
                                         "WxTop", "WxBottom", "WyLeft", "WyRight"};
constexpr std::string_view TorsionKeys[] = {"Wall", "J", "Xs", "Ys", "Cw", "X0", "Y0", "R0",
                                            "BetaX", "BetaY"};
// clang-format on

constexpr ResultGroup Groups[] = {
    {"Resultados do relatório", ReportKeys},
    {"Eixos principais", AxesKeys},
    {"Torção e empenamento", TorsionKeys},
};

std::string_view NoteText(ResultNote note, const TEngineeringResults& results) {
    const bool ready = results.State == TSectionState::Ready;
    switch (note) {
    case ResultNote::Weight:
        return ready ? "densidade fora do alcance" : SectionNote(results);
    case ResultNote::Fibre:
        // With a section but no bar, only the fibre distances are missing.
        return ready ? "sem barras" : SectionNote(results);
    case ResultNote::Torsion:
        return TorsionNote(results.Wall);
    case ResultNote::Wall:
        return WallNote(results.Wall.Wall);
    case ResultNote::Section:
        break;
    }
    return SectionNote(results);
}

} // namespace

std::span<const ResultField> ResultFields() {
    return Fields;
}

std::span<const ResultGroup> ResultGroups() {
    return Groups;
}

const ResultField& FindResultField(std::string_view key) {
    return *std::ranges::find(Fields, key, &ResultField::key);
}

ResultShown ShowResult(const ResultField& field, const TEngineeringResults& results) {
    static const TProfile NoProfile;
    static const std::string NoMaterial;
    const ResultValue value =
        field.read({results.Section, results, NoProfile, NoMaterial});
    if (const TWallKind* wall = std::get_if<TWallKind>(&value))
        return {TThinWall::Missing, WallWord(*wall), ""};
    double number = std::get<double>(value);
    if (field.fromSection && results.State != TSectionState::Ready)
        number = TThinWall::Missing;
    return {number, "", std::isnan(number) ? NoteText(field.note, results) : ""};
}
