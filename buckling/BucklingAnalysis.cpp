#include "BucklingAnalysis.h"

#include "ReferenceStress.h"
#include "WallGraph.h"

#include <limits>

namespace {

constexpr double LongestHalfWave = 10000; // mm

std::optional<double> Critical(double reference, const std::optional<TCurvePoint>& point) {
    if (!point)
        return std::nullopt;
    return point->Factor * reference;
}

} // namespace

std::optional<TBucklingResult> AnalyseBuckling(std::span<const TProfileObject> objects,
                                               const TBucklingInput& input, std::stop_token stop) {
    const TWallGraph graph = BuildWallGraph(objects, input.BendRadius);
    return AnalyseBuckling(BuildStripModel(graph, DefaultStripCounts(graph)), input, stop);
}

std::optional<TBucklingResult> AnalyseBuckling(const TStripModel& model,
                                               const TBucklingInput& input, std::stop_token stop) {
    TBucklingResult r;
    r.Input = input;
    const TReferenceStress stress = ReferenceStress(model, input.Load, input.Fy);
    r.Reference = stress.Reference;
    r.Solver = std::make_shared<const THalfWaveSolver>(model, stress.NodeStress, input.E, input.Nu);
    if (!r.analysed()) {
        constexpr double nan = std::numeric_limits<double>::quiet_NaN();
        r.Dsm.Yield = r.Dsm.Global = r.Dsm.Nominal = r.Dsm.Phi = r.Dsm.Omega = nan;
        return r;
    }
    // From half the narrowest plate: a plate held along both edges buckles in waves down to
    // about two thirds of its width, so every plate's minimum lies inside the curve.
    const THalfWaveSolver& solver = *r.Solver;
    std::optional<TSignatureCurve> curve =
        ComputeSignatureCurve([&solver](double halfWave) { return solver.factor(halfWave); },
                              CurveHalfWaves(model.NarrowestPlate / 2, LongestHalfWave), stop);
    if (!curve || stop.stop_requested())
        return std::nullopt;
    r.Curve = std::move(*curve);
    r.Local = r.Curve.mode(0);
    r.Distortional = r.Curve.mode(1);
    r.Global = TCurvePoint{input.Length, r.Solver->factor(input.Length)};
    const TElasticBuckling critical{r.Global->Factor * r.Reference, Critical(r.Reference, r.Local),
                                    Critical(r.Reference, r.Distortional)};
    r.Dsm = IsMoment(input.Load) ? BeamStrength(r.Reference, critical)
                                 : ColumnStrength(r.Reference, critical);
    return r;
}
