#include "BucklingAnalysis.h"

#include "ReferenceStress.h"
#include "WallGraph.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double LongestHalfWave = 10000; // mm

// The curve starts at half the narrowest plate: a plate held along both edges buckles in
// waves down to about two thirds of its width, so that every plate's minimum lies inside.

std::optional<TCurvePoint> NthMode(const TSignatureCurve& curve, int n) {
    for (const TCurveMinimum& m : curve.Minima)
        if (!m.Plateau && n-- == 0)
            return m.Point;
    return std::nullopt;
}

std::optional<double> Critical(double reference, const std::optional<TCurvePoint>& point) {
    if (!point)
        return std::nullopt;
    return point->Factor * reference;
}

} // namespace

std::optional<TBucklingResult> AnalyseBuckling(std::span<const TProfileObject> objects,
                                               const TBucklingInput& input, std::stop_token stop) {
    const TWallGraph graph = BuildWallGraph(objects);
    return AnalyseBuckling(BuildStripModel(graph, DefaultStripCounts(graph)), input, stop);
}

std::optional<TBucklingResult> AnalyseBuckling(const TStripModel& model,
                                               const TBucklingInput& input, std::stop_token stop) {
    TBucklingResult r;
    r.Input = input;
    const TReferenceStress stress = ReferenceStress(model, input.Load, input.Fy);
    r.Reference = stress.Reference;
    r.Solver = std::make_shared<const THalfWaveSolver>(model, stress.NodeStress, input.E, input.Nu);
    if (model.Strips.empty()) {
        r.Dsm.Yield = r.Dsm.Global = r.Dsm.Nominal = std::numeric_limits<double>::quiet_NaN();
        return r;
    }
    std::optional<TSignatureCurve> curve = ComputeSignatureCurve(
        *r.Solver, CurveHalfWaves(model.NarrowestPlate / 2, LongestHalfWave), stop);
    if (!curve || stop.stop_requested())
        return std::nullopt;
    r.Curve = std::move(*curve);
    r.Local = NthMode(r.Curve, 0);
    r.Distortional = NthMode(r.Curve, 1);
    r.Global = TCurvePoint{input.Length, r.Solver->factor(input.Length)};
    const TElasticBuckling critical{r.Global->Factor * r.Reference, Critical(r.Reference, r.Local),
                                    Critical(r.Reference, r.Distortional)};
    r.Dsm = IsMoment(input.Load) ? BeamStrength(r.Reference, critical)
                                 : ColumnStrength(r.Reference, critical);
    return r;
}
