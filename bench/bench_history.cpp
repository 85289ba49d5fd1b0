// The undo history on a full profile of 255 objects: the heap that 10,000 recorded steps
// hold (target under 20 MB) and the time of one undo or redo of each kind of step
// (target under 1 ms). Steps are made as the editor makes them, through ProfileHistory.
#include "AreaMove.h"
#include "ProfileHistory.h"

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

// Live heap bytes of the whole program, as the allocator counts them.
std::atomic<long long> g_liveBytes{0};

} // namespace

void* operator new(std::size_t size) {
    void* p = std::malloc(size ? size : 1);
    if (!p)
        throw std::bad_alloc();
    g_liveBytes += static_cast<long long>(malloc_usable_size(p));
    return p;
}

void operator delete(void* p) noexcept {
    if (p)
        g_liveBytes -= static_cast<long long>(malloc_usable_size(p));
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept {
    operator delete(p);
}

namespace {

constexpr int Steps = 10000;

TProfile FullProfile() {
    TProfile p;
    for (int i = 1; i <= TProfile::Capacity; ++i) {
        p.createObject(i % 7 ? okBar : okAppendix, {i % 400, (i * 7) % 250}, 1 + i % 100);
        p.Objects(i).P2 = {(i * 13) % 400, (i * 3) % 250};
    }
    return p;
}

// Step i of an editing session that keeps the profile full: drags of a bar's end, moves
// by the arrows, thickness edits, and the removal of the first object (every other slot
// shifts) followed by a new bar at the end.
void EditingStep(ProfileHistory& history, TProfile& p, int i) {
    const int object = 1 + (i * 37) % (TProfile::Capacity - 1);
    switch (i % 5) {
    case 0:
        history.beginGesture(QStringLiteral("drag"));
        p.Objects(object).P2 = {(i * 11) % 400, (i * 5) % 250};
        history.endGesture();
        break;
    case 1:
        p.setCurrentIndex(object);
        history.change(QStringLiteral("arrow"),
                       [&] { MoveCurrentWithin(p, {i % 2 ? 10 : -10, 0}, {400, 250}); }, object);
        break;
    case 2:
        history.change(QStringLiteral("thickness"),
                       [&] { p.Objects(object).Thickness = 0.01 * (1 + i % 10000); });
        break;
    case 3:
        p.setCurrentIndex(1);
        history.change(QStringLiteral("remove"), [&] { p.deleteCurrent(); });
        break;
    case 4:
        history.beginGesture(QStringLiteral("add"));
        p.createObject(okBar, {i % 400, 10}, 10);
        p.Objects(p.ObjectCount()).P2 = {(i * 3) % 400, 200};
        history.endGesture();
        break;
    }
}

void BM_HistoryOf10000Steps(benchmark::State& state) {
    for (auto _ : state) {
        TProfile profile = FullProfile();
        const long long before = g_liveBytes;
        {
            ProfileHistory history(profile);
            for (int i = 0; i < Steps; ++i)
                EditingStep(history, profile, i);
            state.counters["steps"] = history.stack().count();
            state.counters["history_MB"] = static_cast<double>(g_liveBytes - before) / 1e6;
        }
    }
}
BENCHMARK(BM_HistoryOf10000Steps)->Unit(benchmark::kMillisecond)->Iterations(1);

// The worst single step: the whole full profile replaced by another (a load).
void BM_HistoryOfOneWholeReplacement(benchmark::State& state) {
    for (auto _ : state) {
        TProfile profile = FullProfile();
        TProfile other = FullProfile();
        for (int i = 1; i <= TProfile::Capacity; ++i)
            other.Objects(i).Thickness += 1;
        ProfileHistory history(profile);
        const long long before = g_liveBytes;
        history.replace(QStringLiteral("load"), other.liveObjects(), 3, LayoutInfo(3));
        state.counters["step_KB"] = static_cast<double>(g_liveBytes - before) / 1e3;
    }
}
BENCHMARK(BM_HistoryOfOneWholeReplacement)->Iterations(1);

// One undo followed by one redo of the step that kind (as in EditingStep) records, on
// top of a long history; the figure is for the pair.
void BM_UndoRedo(benchmark::State& state) {
    TProfile profile = FullProfile();
    ProfileHistory history(profile);
    for (int i = 0; i < Steps - 5; ++i)
        EditingStep(history, profile, i);
    if (state.range(0) == 5) {
        TProfile other = FullProfile();
        history.replace(QStringLiteral("load"), other.liveObjects(), 3, LayoutInfo(3));
    } else {
        EditingStep(history, profile, Steps + static_cast<int>(state.range(0)));
    }
    for (auto _ : state) {
        history.undo();
        history.redo();
    }
}
BENCHMARK(BM_UndoRedo)
    ->ArgName("kind") // 0 drag, 1 arrow, 2 thickness, 3 removal of the first, 4 add, 5 load
    ->DenseRange(0, 5)
    ->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
