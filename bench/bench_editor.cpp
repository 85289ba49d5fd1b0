// A full redraw of the drawing area (ShowBackground + DrawObjects) of a full profile of
// 255 bars, 1 to 10 mm thick, against the floor of merely copying the same 400 x 250
// RGB32 image with memcpy; the target is within 50x of it.
#include "BenchRatios.h"
#include "DrawingSurface.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

namespace {

TProfile FullProfileOfBars() {
    TProfile p;
    for (int i = 1; i <= TProfile::Capacity; ++i) {
        p.createObject(okBar, {(i * 37) % 400, (i * 11) % 250}, 10 + (i % 10) * 10);
        p.Objects(i).P2 = {(i * 13) % 400, (i * 29) % 250};
    }
    return p;
}

void BM_ImageMemcpy(benchmark::State& state) {
    DrawingSurface surface;
    surface.RebuildBackground(true, 10);
    const QImage& source = surface.background();
    std::vector<uchar> target(static_cast<std::size_t>(source.sizeInBytes()));
    for (auto _ : state) {
        std::memcpy(target.data(), source.constBits(), target.size());
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ImageMemcpy)->Repetitions(9)->ReportAggregatesOnly(true);

void BM_FullRedraw(benchmark::State& state) {
    const TProfile profile = FullProfileOfBars();
    DrawingSurface surface;
    surface.RebuildBackground(true, 10);
    for (auto _ : state) {
        surface.ShowBackground();
        surface.DrawObjects(profile);
        benchmark::DoNotOptimize(surface.image().constBits());
    }
}
BENCHMARK(BM_FullRedraw)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) {
    return RunBenchmarksWithRatios(argc, argv, {{"BM_FullRedraw", "BM_ImageMemcpy", 50}});
}
