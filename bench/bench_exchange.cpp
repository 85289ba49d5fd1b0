// DXF import and export of a full profile (255 bars) against the floor: dxflib parsing
// the same text into an adapter that does nothing. Target: each within 3x of the floor.
#include "BenchRatios.h"
#include "DxfExport.h"
#include "DxfImport.h"
#include "Profile.h"

#include <benchmark/benchmark.h>
#include <dl_creationadapter.h>
#include <dl_dxf.h>

#include <cstdint>
#include <sstream>
#include <string>

namespace {

const TProfile& FullProfile() {
    static const TProfile profile = [] {
        TProfile p;
        for (int i = 1; i <= TProfile::Capacity; ++i) {
            p.createObject(okBar, {(i * 37) % 400, (i * 11) % 250}, 1 + i % 100);
            p.Objects(i).P2 = {(i * 13 + 1) % 400, (i * 29) % 250};
        }
        return p;
    }();
    return profile;
}

const std::string& FullDrawing() {
    static const std::string text = ExportDxf(FullProfile());
    return text;
}

void BM_DxflibParseFloor(benchmark::State& state) {
    for (auto _ : state) {
        std::istringstream in(FullDrawing());
        DL_CreationAdapter nothing;
        DL_Dxf dxf;
        benchmark::DoNotOptimize(dxf.in(in, &nothing));
    }
}
BENCHMARK(BM_DxflibParseFloor)->Unit(benchmark::kMicrosecond);

void BM_DxfImport(benchmark::State& state) {
    const std::string& text = FullDrawing();
    for (auto _ : state) {
        const TDxfImport result =
            ImportDxf({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()}, 1.0);
        benchmark::DoNotOptimize(result.Records.data());
    }
}
BENCHMARK(BM_DxfImport)->Unit(benchmark::kMicrosecond);

void BM_DxfExport(benchmark::State& state) {
    for (auto _ : state) {
        const std::string text = ExportDxf(FullProfile());
        benchmark::DoNotOptimize(text.data());
    }
}
BENCHMARK(BM_DxfExport)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    return RunBenchmarksWithRatios(argc, argv,
                                   {{"BM_DxfImport", "BM_DxflibParseFloor", 3},
                                    {"BM_DxfExport", "BM_DxflibParseFloor", 3}});
}
