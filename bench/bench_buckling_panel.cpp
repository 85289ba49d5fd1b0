// The buckling tab's refresh after one edit of the examples' lipped channel: a lip made
// longer or shorter, the window told as the editor tells it, the analysis on the worker,
// and the curve, the shape and the table repainted once it is back. Target: at most
// 100 ms from the edit to the repaint, on 2 shared cores.
#include "BucklingPanel.h"
#include "Profile.h"
#include "SectionPropertiesWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSignalSpy>

#include <benchmark/benchmark.h>

namespace {

// Web 160, flanges 70, lips 20 at its ends, 1.5 mm.
void DrawLippedChannel(TProfile& profile) {
    const TPoint points[] = {{130, 60}, {130, 40}, {60, 40}, {60, 200}, {130, 200}, {130, 180}};
    for (std::size_t i = 0; i + 1 < std::size(points); ++i) {
        profile.createObject(okBar, points[i], 15);
        profile.Objects(profile.ObjectCount()).P2 = points[i + 1];
    }
}

void BM_BucklingPanelRefreshAfterEdit(benchmark::State& state) {
    TProfile profile;
    DrawLippedChannel(profile);
    SectionPropertiesWindow window(profile, [] { return QStringLiteral("Aço - 7,75"); });
    window.show();
    window.showBuckling();
    BucklingPanel& panel = *window.bucklingPanel();
    QSignalSpy shown(&panel, &BucklingPanel::outcomeShown);
    if (!shown.wait(10000)) {
        state.SkipWithError("the panel showed no analysis");
        return;
    }
    int lip = 60;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        lip = lip == 60 ? 55 : 60;
        profile.Objects(1).P1 = {130, lip};
        window.profileChanged();
        if (!shown.wait(10000)) {
            state.SkipWithError("the panel did not follow the edit");
            return;
        }
        window.repaint();
        state.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) * 1e-9);
    }
}
BENCHMARK(BM_BucklingPanelRefreshAfterEdit)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
