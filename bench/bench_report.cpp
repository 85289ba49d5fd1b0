// One run of the profile report for 255 bars (two pages) into page recordings, and the same
// run written as a PDF, against the floor of painting the same texts and shapes straight
// onto one QImage page at 96 dpi; the target for the run is within 5x of the floor.
#include "PageRenderer.h"
#include "PdfExporter.h"
#include "PrtForm.h"

#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// 255 vertical bars side by side, every thickness from 0.1 to 2.5 mm.
TProfile FullProfileOfBars() {
    TProfile profile;
    for (int column = 0; profile.ObjectCount() < TProfile::Capacity; ++column) {
        const TPoint top{column * 3 % 400, 10 + column / 130 * 120};
        profile.createObject(okBar, top, 1 + column % 25);
        profile.Objects(profile.ObjectCount()).P2 = TPoint{top.X, top.Y + 100};
    }
    return profile;
}

TSectionResults SomeResults() {
    TSectionResults r;
    r.Density = 7.75;
    r.Perimeter = 23456.7;
    r.Area = 34567.8;
    r.Jxc = 1234567.89;
    r.Jyc = 2345678.9;
    r.Xg = 201.5;
    r.Yg = 124.25;
    r.FibreX = 199.5;
    r.FibreY = 125.75;
    return r;
}

QImage Drawing() {
    QImage image(400, 250, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

struct Fixture {
    TProfile profile = FullProfileOfBars();
    TSectionResults results = SomeResults();
    QImage drawing = Drawing();
    TPrtForm form{QLocale(QLocale::Portuguese, QLocale::Brazil)};
};

void BM_PaintPagesOntoOneImage(benchmark::State& state) {
    Fixture f;
    const ReportDocument document = f.form.producePages(f.profile, f.results, f.drawing);
    QImage page(794, 1123, QImage::Format_RGB32); // A4 at 96 dpi
    page.setDotsPerMeterX(3780);
    page.setDotsPerMeterY(3780);
    for (auto _ : state) {
        page.fill(Qt::white);
        QPainter painter(&page);
        for (const ReportPage& recorded : document.pages)
            PageRenderer::paintPage(painter, recorded);
        benchmark::DoNotOptimize(page.constBits());
    }
}
BENCHMARK(BM_PaintPagesOntoOneImage)->Unit(benchmark::kMicrosecond);

void BM_ReportRun(benchmark::State& state) {
    Fixture f;
    for (auto _ : state) {
        const ReportDocument document = f.form.producePages(f.profile, f.results, f.drawing);
        if (document.pages.size() != 2)
            state.SkipWithError("expected two pages");
        benchmark::DoNotOptimize(document.pages.data());
    }
}
BENCHMARK(BM_ReportRun)->Unit(benchmark::kMicrosecond);

void BM_ReportRunToPdf(benchmark::State& state) {
    Fixture f;
    QTemporaryDir dir;
    const std::string path =
        QFile::encodeName(dir.filePath(QStringLiteral("perfil.pdf"))).toStdString();
    for (auto _ : state)
        f.form.writePdf(f.profile, f.results, f.drawing, path);
}
BENCHMARK(BM_ReportRunToPdf)->Unit(benchmark::kMillisecond);

} // namespace
