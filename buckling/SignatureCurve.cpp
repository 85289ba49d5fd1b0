#include "SignatureCurve.h"

#include "BoundedMinimum.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int PerDecade = 20;
constexpr int FewestPoints = 60;
constexpr double PlateauDepth = 1e-3;
// Of the logarithm of the half-wavelength.
constexpr double Tolerance = 1e-4;
constexpr int MaxRefinement = 30;

// The highest factor on one side of sample i before the curve falls below value.
double Peak(const std::vector<TCurvePoint>& points, std::size_t i, int direction, double value) {
    double peak = value;
    for (std::ptrdiff_t j = static_cast<std::ptrdiff_t>(i) + direction;
         j >= 0 && j < static_cast<std::ptrdiff_t>(points.size()); j += direction) {
        if (points[j].Factor < value)
            break;
        peak = std::max(peak, points[j].Factor);
    }
    return peak;
}

} // namespace

std::optional<TCurvePoint> TSignatureCurve::mode(int n) const {
    for (const TCurveMinimum& m : Minima)
        if (!m.Plateau && n-- == 0)
            return m.Point;
    return std::nullopt;
}

std::vector<double> CurveHalfWaves(double shortest, double longest) {
    const double decades = std::log10(longest / shortest);
    const int intervals =
        std::max(FewestPoints - 1, static_cast<int>(std::ceil(decades * PerDecade)));
    std::vector<double> halfWaves;
    for (int i = 0; i <= intervals; ++i)
        halfWaves.push_back(shortest *
                            std::pow(longest / shortest, static_cast<double>(i) / intervals));
    return halfWaves;
}

std::optional<TSignatureCurve> ComputeSignatureCurve(const std::function<double(double)>& factor,
                                                     std::span<const double> halfWaves,
                                                     std::stop_token stop) {
    TSignatureCurve curve;
    for (const double a : halfWaves) {
        if (stop.stop_requested())
            return std::nullopt;
        curve.Points.push_back({a, factor(a)});
    }
    const auto factorAt = [&](double logA) -> std::optional<double> {
        if (stop.stop_requested())
            return std::nullopt;
        return factor(std::exp(logA));
    };
    std::vector<TCurvePoint> found;
    const std::vector<TCurvePoint>& samples = curve.Points;
    for (std::size_t i = 1; i + 1 < samples.size(); ++i) {
        const TCurvePoint p = samples[i];
        if (!(p.Factor < samples[i - 1].Factor && p.Factor <= samples[i + 1].Factor))
            continue;
        const std::optional<TMinimumPoint> best = BoundedMinimum(
            factorAt, std::log(samples[i - 1].HalfWave), std::log(samples[i + 1].HalfWave),
            {std::log(p.HalfWave), p.Factor}, Tolerance, MaxRefinement);
        if (!best)
            return std::nullopt;
        found.push_back({std::exp(best->X), best->Value});
    }
    curve.Points.insert(curve.Points.end(), found.begin(), found.end());
    const auto before = [](const TCurvePoint& a, const TCurvePoint& b) {
        return a.HalfWave < b.HalfWave;
    };
    std::sort(curve.Points.begin(), curve.Points.end(), before);
    // A search that found nothing lower than its sample ends on the sample itself.
    const auto same = [](const TCurvePoint& a, const TCurvePoint& b) {
        return a.HalfWave == b.HalfWave;
    };
    curve.Points.erase(std::unique(curve.Points.begin(), curve.Points.end(), same),
                       curve.Points.end());
    // Depths among the refined values: which of two near dips is the lower is only known
    // after both are refined.
    for (const TCurvePoint& m : found) {
        const auto at = static_cast<std::size_t>(
            std::lower_bound(curve.Points.begin(), curve.Points.end(), m, before) -
            curve.Points.begin());
        const double depth =
            std::min(Peak(curve.Points, at, -1, m.Factor), Peak(curve.Points, at, 1, m.Factor)) /
                m.Factor -
            1;
        curve.Minima.push_back({m, depth < PlateauDepth});
    }
    return curve;
}
