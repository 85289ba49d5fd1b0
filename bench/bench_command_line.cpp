// The command line as scripts use it, whole process each time: start-up, load, compute,
// output. `--version` is the start-up floor; the target for --properties is within 3x
// of it. peak_rss_kB is the child's peak resident memory.
#include "BenchRatios.h"
#include "Profile.h"
#include "ProfileFile.h"

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
    static const fs::path folder = [] {
        std::string pattern = (fs::temp_directory_path() / "perfil-bench-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            std::abort();
        return fs::path(pattern);
    }();
    return folder;
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

} // namespace

int main(int argc, char** argv) {
    const int status = RunBenchmarksWithRatios(argc, argv, {{"BM_Properties", "BM_Version", 3}});
    std::error_code ignored;
    fs::remove_all(WorkFolder(), ignored);
    return status;
}
