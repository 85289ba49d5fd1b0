// ComputeSection on a full profile against a plain loop over the same records: the
// floor is reading the 255 records, the target within 20x of it. The live engineering
// calculation is measured beside ComputeSection on the same profile, and on a lipped
// channel with ten bends against the same channel with sharp corners: within 2x.
#include "BenchRatios.h"
#include "LineLibrary.h"
#include "SectionEngineering.h"
#include "SectionProperties.h"

#include <benchmark/benchmark.h>

namespace {

TProfile FullProfile() {
    TProfile p;
    for (int i = 1; i <= TProfile::Capacity; ++i) {
        p.createObject(okBar, {i % 400, (i * 7) % 250}, 1 + i % 100);
        p.Objects(i).P2 = {(i * 13) % 400, (i * 3) % 250};
    }
    return p;
}

void BM_SumOfThicknesses(benchmark::State& state) {
    const TProfile p = FullProfile();
    for (auto _ : state) {
        double sum = 0;
        for (const TProfileObject& o : p.liveObjects())
            sum += o.Thickness;
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_SumOfThicknesses)->Repetitions(9)->ReportAggregatesOnly(true);

void BM_ComputeSection(benchmark::State& state) {
    TProfile p = FullProfile();
    for (auto _ : state) {
        TSectionResults r = ComputeSection(p, "Aço - 7,75", ',');
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_ComputeSection)->Repetitions(9)->ReportAggregatesOnly(true);

// The report's results plus principal axes and the thin-walled line model, without
// compacting: what the properties window computes on every change.
void BM_ComputeEngineering(benchmark::State& state) {
    const TProfile p = FullProfile();
    for (auto _ : state) {
        TEngineeringResults r = ComputeEngineering(p, "Aço - 7,75", ',');
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_ComputeEngineering);

// Without the thin-walled line model: what the window computes on every change of a drag.
void BM_ComputeSectionAxes(benchmark::State& state) {
    const TProfile p = FullProfile();
    for (auto _ : state) {
        TEngineeringResults r = ComputeSectionAxes(p, "Aço - 7,75", ',');
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_ComputeSectionAxes);

// A lipped channel with return lips and a stiffened web: eleven bars, ten corners that a
// radius of 3 rounds, all with room.
TProfile BentChannel(double innerRadius) {
    TProfile p;
    const TPoint path[] = {{160, 70},  {170, 70},  {170, 50},  {100, 50},  {100, 110}, {110, 110},
                           {110, 140}, {100, 140}, {100, 200}, {170, 200}, {170, 180}, {160, 180}};
    for (std::size_t i = 1; i < std::size(path); ++i) {
        p.createObject(okBar, path[i - 1], 2);
        p.Objects(p.ObjectCount()).P2 = path[i];
    }
    TProfileInfo info = p.info();
    info.BendRadius = innerRadius;
    p.setInfo(info);
    return p;
}

void EngineeringOfBentChannel(benchmark::State& state, double innerRadius) {
    const TProfile p = BentChannel(innerRadius);
    for (auto _ : state) {
        TEngineeringResults r = ComputeEngineering(p, "Aço - 7,85", ',');
        benchmark::DoNotOptimize(r);
    }
}
void BM_EngineeringSharpChannel(benchmark::State& state) {
    EngineeringOfBentChannel(state, 0);
}
BENCHMARK(BM_EngineeringSharpChannel)->Repetitions(9)->ReportAggregatesOnly(true);
void BM_EngineeringBentChannel(benchmark::State& state) {
    EngineeringOfBentChannel(state, 3);
}
BENCHMARK(BM_EngineeringBentChannel)->Repetitions(9)->ReportAggregatesOnly(true);

// The press hit tests walk every object: the worst case is a press that hits nothing.
void BM_HitTestsMiss(benchmark::State& state) {
    const TProfile p = FullProfile();
    const TPoint press{-50, -50};
    for (auto _ : state) {
        bool hit = false;
        for (const TProfileObject& o : p.liveObjects())
            hit |= PointNearPoint(o.P1, 4, press) || PointNearPoint(o.P2, 4, press) ||
                   PointNearSegment(press, o.P1, o.P2);
        benchmark::DoNotOptimize(hit);
    }
}
BENCHMARK(BM_HitTestsMiss);

} // namespace

int main(int argc, char** argv) {
    return RunBenchmarksWithRatios(
        argc, argv,
        {{"BM_ComputeSection", "BM_SumOfThicknesses", 20},
         {"BM_EngineeringBentChannel", "BM_EngineeringSharpChannel", 2}});
}
