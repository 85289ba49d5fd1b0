// The command line as scripts use it, whole process each time: start-up, load, compute,
// output. `--version` is the start-up floor; the target for --properties is within 3x
// of it. peak_rss_kB is the child's peak resident memory.
#include "BenchRatios.h"
#include "MaterialList.h"
#include "Profile.h"
#include "ProfileFile.h"
#include "SectionEngineering.h"
#include "SectionProperties.h"
#include "TempDir.h"

#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

const fs::path& WorkFolder() {
    static const TempDir folder;
    return folder.path();
}

// A full profile: 255 bars spread over the drawing area.
std::string FullProfileFile() {
    const std::string path = (WorkFolder() / "full.per").string();
    TProfile profile;
    for (int i = 1; i <= TProfile::Capacity; ++i) {
        profile.createObject(okBar, {(i * 37) % 400, (i * 11) % 250}, 1 + i % 100);
        profile.Objects(i).P2 = {(i * 13) % 400, (i * 29) % 250};
    }
    SaveProfile(profile, path);
    return path;
}

// Runs perfil with arguments to its end; the child's peak resident memory in kB.
long RunPerfil(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), PERFIL_BINARY);
    std::vector<char*> argv;
    for (std::string& a : arguments)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0)
        std::abort();
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        std::abort();
    return usage.ru_maxrss;
}

void Measure(benchmark::State& state, const std::vector<std::string>& arguments) {
    long peak = 0;
    for (auto _ : state)
        peak = std::max(peak, RunPerfil(arguments));
    state.counters["peak_rss_kB"] = static_cast<double>(peak);
}

void BM_Version(benchmark::State& state) {
    Measure(state, {"--version"});
}
BENCHMARK(BM_Version)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Properties(benchmark::State& state) {
    Measure(state, {"--properties", FullProfileFile()});
}
BENCHMARK(BM_Properties)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Pdf(benchmark::State& state) {
    Measure(state, {"--pdf", (WorkFolder() / "full.pdf").string(), FullProfileFile()});
}
BENCHMARK(BM_Pdf)->Unit(benchmark::kMillisecond)->UseRealTime();

// A catalogue: 1,000 hat sections of five bars each, shifted across the drawing.
const std::vector<std::string>& Catalogue() {
    static const std::vector<std::string> files = [] {
        std::vector<std::string> paths;
        for (int i = 0; i < 1000; ++i) {
            TProfile profile;
            const TPoint corners[] = {{40, 200}, {90, 200},  {90, 80},
                                      {190, 80}, {190, 200}, {240, 200}};
            for (int b = 0; b < 5; ++b) {
                profile.createObject(okBar, {corners[b].X + i % 100, corners[b].Y - i % 40}, 20);
                profile.Objects(b + 1).P2 = {corners[b + 1].X + i % 100, corners[b + 1].Y - i % 40};
            }
            paths.push_back((WorkFolder() / ("hat" + std::to_string(i) + ".per")).string());
            SaveProfile(profile, paths.back());
        }
        return paths;
    }();
    return files;
}

// The floor of --csv: loading and computing the same files in this process, no output;
// the calculations are the ones the table shows, the report's and the engineering ones.
void BM_CatalogueLoadsAndCalculations(benchmark::State& state) {
    const std::vector<std::string>& files = Catalogue(); // written before the clock runs
    for (auto _ : state) {
        for (const std::string& file : files) {
            TProfile profile;
            LoadProfile(profile, file);
            const std::string material = MaterialText(profile.MaterialIndex());
            benchmark::DoNotOptimize(ComputeSection(profile, material, ','));
            benchmark::DoNotOptimize(ComputeEngineering(profile, material, ','));
        }
    }
}
BENCHMARK(BM_CatalogueLoadsAndCalculations)->Unit(benchmark::kMillisecond)->UseRealTime();

// Target: within 2x of the floor above once the process start-up (BM_Version), which
// alone takes longer than the floor, is taken off.
void BM_CatalogueCsv(benchmark::State& state) {
    std::vector<std::string> arguments{"--csv"};
    arguments.insert(arguments.end(), Catalogue().begin(), Catalogue().end());
    Measure(state, arguments);
}
BENCHMARK(BM_CatalogueCsv)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    return RunBenchmarksWithRatios(argc, argv, {{"BM_Properties", "BM_Version", 3}});
}
