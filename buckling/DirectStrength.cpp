#include "DirectStrength.h"

#include <algorithm>
#include <cmath>

namespace {

// Local and distortional curves share one form: the full value up to the slenderness
// limit, then (1 - c r^e) r^e times it, r the elastic over the full value.
double Reduced(double full, double elastic, double limit, double exponent, double c) {
    if (std::sqrt(full / elastic) <= limit)
        return full;
    const double r = std::pow(elastic / full, exponent);
    return (1 - c * r) * r * full;
}

std::optional<double> ReducedIfAny(double full, std::optional<double> elastic, double limit,
                                   double exponent, double c) {
    if (!elastic)
        return std::nullopt;
    return Reduced(full, *elastic, limit, exponent, c);
}

// The smallest strength and the mode it belongs to; ties go to the earlier mode.
void Govern(TDirectStrength& s) {
    s.Nominal = s.Yield;
    s.Governs = TGoverningMode::Yield;
    const auto consider = [&](std::optional<double> value, TGoverningMode mode) {
        if (value && *value < s.Nominal) {
            s.Nominal = *value;
            s.Governs = mode;
        }
    };
    consider(s.Global, TGoverningMode::Global);
    consider(s.Local, TGoverningMode::Local);
    consider(s.Distortional, TGoverningMode::Distortional);
}

struct DistortionalCurve {
    double Limit, Exponent, C;
};

// Local buckling reduces the global strength, distortional the yield value.
TDirectStrength Strengths(double yield, double global, const TElasticBuckling& critical,
                          DistortionalCurve distortional, double phi, double omega) {
    TDirectStrength s;
    s.Yield = yield;
    s.Global = global;
    s.Local = ReducedIfAny(global, critical.Local, 0.776, 0.4, 0.15);
    s.Distortional = ReducedIfAny(yield, critical.Distortional, distortional.Limit,
                                  distortional.Exponent, distortional.C);
    Govern(s);
    s.Phi = phi;
    s.Omega = omega;
    return s;
}

} // namespace

std::string_view GoverningName(TGoverningMode mode) {
    switch (mode) {
    case TGoverningMode::Global:
        return "global";
    case TGoverningMode::Local:
        return "local";
    case TGoverningMode::Distortional:
        return "distortional";
    case TGoverningMode::Yield:
        break;
    }
    return "yield";
}

TDirectStrength ColumnStrength(double py, const TElasticBuckling& critical) {
    const double slenderness = std::sqrt(py / critical.Global);
    const double global = slenderness <= 1.5 ? std::pow(0.658, slenderness * slenderness) * py
                                             : 0.877 / (slenderness * slenderness) * py;
    return Strengths(py, global, critical, {0.561, 0.6, 0.25}, 0.85, 1.80);
}

TDirectStrength BeamStrength(double my, const TElasticBuckling& critical) {
    // As stresses on the same section modulus: Fcre / Fy = Mcre / My.
    const double ratio = critical.Global / my;
    double global = critical.Global;
    if (ratio >= 2.78)
        global = my;
    else if (ratio > 0.56)
        global = 10.0 / 9.0 * my * (1 - 10 / (36 * ratio));
    return Strengths(my, global, critical, {0.673, 0.5, 0.22}, 0.90, 1.67);
}
