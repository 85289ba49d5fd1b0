// Saving and loading a full profile (255 records, 18,368 bytes) against writing and
// reading the same bytes raw, in the same directory and run: the target is within 3x.
// Saving syncs the new file before renaming it into place, so its floor is the synced
// raw write; the unsynced one shows what the sync costs. The directory is a fresh one
// under TMPDIR: point TMPDIR at a memory file system to see the cost without the disk.
#include "BenchRatios.h"
#include "ProfileFile.h"
#include "ProfileFileCodec.h"
#include "TempDir.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace {

// The contents do not matter to the file's speed, only its size.
TProfile FullProfile() {
    TProfile p;
    while (p.createObject(okBar, {p.ObjectCount(), 7}, 15))
        ;
    return p;
}

const TempDir& Dir() {
    static const TempDir dir;
    return dir;
}

std::vector<std::uint8_t> FullFileBytes() {
    const TProfile p = FullProfile();
    return EncodeProfile(p.liveObjects(), p.MaterialIndex());
}

void RawWrite(benchmark::State& state, bool sync) {
    const std::vector<std::uint8_t> bytes = FullFileBytes();
    const std::string path = Dir() / "raw.per";
    for (auto _ : state) {
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        bool ok = fd >= 0 &&
                  ::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
        ok = ok && (!sync || ::fsync(fd) == 0);
        ok = ::close(fd) == 0 && ok;
        if (!ok)
            state.SkipWithError("raw write failed");
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}

void BM_RawWrite(benchmark::State& state) {
    RawWrite(state, false);
}
BENCHMARK(BM_RawWrite);

void BM_RawWriteSynced(benchmark::State& state) {
    RawWrite(state, true);
}
BENCHMARK(BM_RawWriteSynced);

void BM_SaveProfile(benchmark::State& state) {
    TProfile p = FullProfile();
    const std::string path = Dir() / "saved.per";
    for (auto _ : state)
        SaveProfile(p, path);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * ProfileFileMaxSize));
}
BENCHMARK(BM_SaveProfile);

void BM_EncodeProfile(benchmark::State& state) {
    const TProfile p = FullProfile();
    for (auto _ : state)
        benchmark::DoNotOptimize(EncodeProfile(p.liveObjects(), p.MaterialIndex()));
}
BENCHMARK(BM_EncodeProfile);

void BM_RawRead(benchmark::State& state) {
    const std::vector<std::uint8_t> bytes = FullFileBytes();
    const std::string path = Dir() / "read.per";
    TProfile p = FullProfile();
    SaveProfile(p, path);
    std::vector<std::uint8_t> buffer(bytes.size());
    for (auto _ : state) {
        const int fd = ::open(path.c_str(), O_RDONLY);
        const bool ok = fd >= 0 && ::read(fd, buffer.data(), buffer.size()) ==
                                       static_cast<ssize_t>(buffer.size());
        if (::close(fd) != 0 || !ok)
            state.SkipWithError("raw read failed");
        benchmark::DoNotOptimize(buffer.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_RawRead);

void BM_LoadProfile(benchmark::State& state) {
    const std::string path = Dir() / "read.per";
    TProfile p = FullProfile();
    SaveProfile(p, path);
    for (auto _ : state)
        LoadProfile(p, path);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * ProfileFileMaxSize));
}
BENCHMARK(BM_LoadProfile);

} // namespace

int main(int argc, char** argv) {
    return RunBenchmarksWithRatios(
        argc, argv,
        {{"BM_SaveProfile", "BM_RawWriteSynced", 3}, {"BM_LoadProfile", "BM_RawRead", 3}});
}
