// The finite strip analysis of the examples' lipped channel (web 160, flanges 70, lips 20,
// t 1.5: 24 strips, 100 unknowns). Targets: one half-wavelength within 1 ms, the whole
// curve with its minima refined within 60 ms, and the curve within 2x of its floor:
// Eigen's dense symmetric eigenvalues of one matrix of the same size, once for every
// length the curve holds.
#include "BenchRatios.h"
#include "BucklingAnalysis.h"
#include "ReferenceStress.h"
#include "WallGraph.h"

#include <Eigen/Eigenvalues>
#include <benchmark/benchmark.h>

#include <vector>

namespace {

std::vector<TProfileObject> LippedChannel() {
    const TPoint points[] = {{130, 60}, {130, 40}, {60, 40}, {60, 200}, {130, 200}, {130, 180}};
    std::vector<TProfileObject> bars;
    for (std::size_t i = 0; i + 1 < std::size(points); ++i) {
        TProfileObject o;
        o.Number = static_cast<int>(i) + 1;
        o.P1 = points[i];
        o.P2 = points[i + 1];
        o.Thickness = 1.5;
        bars.push_back(o);
    }
    return bars;
}

TStripModel Model() {
    const TWallGraph g = BuildWallGraph(LippedChannel());
    return BuildStripModel(g, DefaultStripCounts(g));
}

void BM_HalfWave(benchmark::State& state) {
    const TStripModel model = Model();
    const THalfWaveSolver solver(model, ReferenceStress(model, TBucklingLoad::P, 250).NodeStress,
                                 200000, 0.3);
    for (auto _ : state)
        benchmark::DoNotOptimize(solver.factor(125));
}
BENCHMARK(BM_HalfWave)->Unit(benchmark::kMillisecond);

void BM_SignatureCurve(benchmark::State& state) {
    const std::vector<TProfileObject> bars = LippedChannel();
    for (auto _ : state)
        benchmark::DoNotOptimize(AnalyseBuckling(bars, {}));
}
BENCHMARK(BM_SignatureCurve)->Repetitions(9)->Unit(benchmark::kMillisecond);

void BM_DenseEigenvaluesPerLength(benchmark::State& state) {
    const Eigen::Index size = 4 * static_cast<Eigen::Index>(Model().Nodes.size());
    const std::size_t lengths = AnalyseBuckling(LippedChannel(), {})->Curve.Points.size();
    const Eigen::MatrixXd random = Eigen::MatrixXd::Random(size, size);
    const Eigen::MatrixXd matrix = random + random.transpose();
    for (auto _ : state)
        for (std::size_t i = 0; i < lengths; ++i) {
            Eigen::SelfAdjointEigenSolver<Eigen::MatrixXd> eigen(matrix, Eigen::EigenvaluesOnly);
            benchmark::DoNotOptimize(eigen.eigenvalues().data());
        }
    state.counters["lengths"] = static_cast<double>(lengths);
    state.counters["unknowns"] = static_cast<double>(size);
}
BENCHMARK(BM_DenseEigenvaluesPerLength)->Repetitions(9)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return RunBenchmarksWithRatios(argc, argv,
                                   {{"BM_SignatureCurve", "BM_DenseEigenvaluesPerLength", 2}});
}
