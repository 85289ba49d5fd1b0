// One mouse move while a bar end is dragged in a full profile of 255 bars, as the window
// handles it without the widget repaint: snapping, the update of the bar and the full
// redraw with the marker. The floor is that redraw alone; the target is that the move
// adds at most 10 % to it.
#include "BenchRatios.h"
#include "DrawingSurface.h"
#include "MouseEditor.h"

#include <benchmark/benchmark.h>

namespace {

const TEditSettings Settings; // grid 10, snapping on, 1 mm

// Two places of the dragged end at the same distance from the bar's first end, so that
// every state drawn costs alike.
const TPoint Places[] = {{347, 21}, {53, 219}};

// 254 bars of 1 to 5 mm across the whole area, then the 255th added with the bar tool
// and stretched by its second end to the first place, still held.
struct DraggingFullProfile {
    TProfile profile;
    TMouseEditor editor{profile};
    DrawingSurface surface;

    DraggingFullProfile() {
        for (int i = 1; i < TProfile::Capacity; ++i) {
            profile.createObject(okBar, {(i * 53) % 400, (i * 17) % 250}, 10 * (1 + i % 5));
            profile.Objects(i).P2 = {(i * 31) % 400, (i * 43) % 250};
        }
        editor.Tool = etAddBar;
        editor.press({200, 120}, Settings);
        editor.move(Places[0], Settings);
        surface.RebuildBackground(true, Settings.GridStep);
    }

    void redraw() {
        surface.ShowBackground();
        surface.DrawObjects(profile);
        if (editor.markerShown())
            surface.DrawMarker(editor.MarkP1, editor.MarkP2);
        benchmark::DoNotOptimize(surface.image().constBits());
    }
};

void BM_RedrawWithMarker(benchmark::State& state) {
    DraggingFullProfile f;
    for (auto _ : state)
        f.redraw();
}
BENCHMARK(BM_RedrawWithMarker)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

void BM_MoveWhileDraggingABarEnd(benchmark::State& state) {
    DraggingFullProfile f;
    int n = 1; // every move changes the bar
    for (auto _ : state) {
        const TMouseResponse response = f.editor.move(Places[n++ & 1], Settings);
        if (response.redraw)
            f.redraw();
    }
    if (f.editor.Grip != gmP2)
        state.SkipWithError("the bar end was not held");
}
BENCHMARK(BM_MoveWhileDraggingABarEnd)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) {
    return RunBenchmarksWithRatios(argc, argv,
                                   {{"BM_MoveWhileDraggingABarEnd", "BM_RedrawWithMarker", 1.1}});
}
