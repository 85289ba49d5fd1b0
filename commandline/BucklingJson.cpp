#include "BucklingJson.h"

#include "BucklingCommand.h"

#include <cmath>
#include <optional>
#include <vector>

namespace {

std::string Point(const std::optional<TCurvePoint>& point) {
    if (!point)
        return "null";
    return JsonObject(
        {{"HalfWave", JsonNumber(point->HalfWave)}, {"Factor", JsonNumber(point->Factor)}});
}

std::string Optional(const std::optional<double>& value) {
    return value ? JsonNumber(*value) : "null";
}

std::string Curve(const TSignatureCurve& curve) {
    std::string out = "[";
    for (const TCurvePoint& p : curve.Points) {
        if (out.size() > 1)
            out += ", ";
        out += "[" + JsonNumber(p.HalfWave) + ", " + JsonNumber(p.Factor) + "]";
    }
    return out + "]";
}

std::string Dsm(const TDirectStrength& s, bool moment) {
    const char* letter = moment ? "M" : "N";
    return JsonObject({
        {letter + std::string("e"), JsonNumber(s.Global)},
        {letter + std::string("l"), Optional(s.Local)},
        {letter + std::string("d"), Optional(s.Distortional)},
        {letter, JsonNumber(s.Nominal)},
        {"Governs",
         std::isfinite(s.Nominal) ? JsonString(std::string(GoverningName(s.Governs))) : "null"},
        {"Phi", JsonNumber(s.Design())},
        {"Omega", JsonNumber(s.Allowable())},
    });
}

} // namespace

std::string BucklingJson(const TBucklingResult& r) {
    const TBucklingInput& in = r.Input;
    return JsonObject({
        {"Load", std::string(LoadName(in.Load)), true},
        {"Length", JsonNumber(in.Length)},
        {"Fy", JsonNumber(in.Fy)},
        {"E", JsonNumber(in.E)},
        {"Nu", JsonNumber(in.Nu)},
        {"Reference", JsonNumber(r.Reference)},
        {"Curve", Curve(r.Curve)},
        {"Local", Point(r.Local)},
        {"Distortional", Point(r.Distortional)},
        {"Global", Point(r.Global)},
        {"Dsm", Dsm(r.Dsm, IsMoment(in.Load))},
    });
}

void AppendBucklingField(std::vector<ResultField>& fields, const TProfile& profile,
                         const std::optional<TBucklingInput>& input) {
    if (input)
        fields.push_back({"Buckling", BucklingJson(AnalyseProfile(profile, *input))});
}
