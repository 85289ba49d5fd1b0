// What a user waits for when a report of 255 bars (three pages) is shown: the run that
// records the pages and the painting of each as the preview paints it at 96 dpi, text laid
// out at printer resolution and drawn scaled. The floor draws the same texts, lines and
// picture straight onto a page image set up the same way, with fonts, pens and text boxes
// made beforehand; it is checked to give the very same pixels as the preview. The target
// for run and paint is within 1.2x of the floor. The run written as a PDF is measured alone.
#include "BenchRatios.h"
#include "PageView.h"
#include "PdfExporter.h"
#include "PrtForm.h"
#include "ReportFonts.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <list>
#include <variant>

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

// The bars in black on white, so that a misplaced picture shows in the pixel check.
QImage Drawing(const TProfile& profile) {
    QImage image(400, 250, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    for (const TProfileObject& bar : profile.liveObjects())
        painter.drawLine(bar.P1.X, bar.P1.Y, bar.P2.X, bar.P2.Y);
    return image;
}

constexpr double PixelsPerMm = 96 / 25.4;
const QRect WholePage(0, 0, 794, 1123); // A4 at 96 dpi

// The preview's page image: shown at 96 dpi, laid out at 1200.
QImage PageImage() {
    QImage page(WholePage.size(), QImage::Format_RGB32);
    page.setDotsPerMeterX(47244);
    page.setDotsPerMeterY(47244);
    return page;
}

void PaintLikeThePreview(QPainter& painter) {
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    painter.scale(96.0 / 1200, 96.0 / 1200);
}

struct Fixture {
    TProfile profile = FullProfileOfBars();
    TSectionResults results = SomeResults();
    QImage drawing = Drawing(profile);
    TPrtForm form{QLocale(QLocale::Portuguese, QLocale::Brazil)};
};

// The floor: a page's drawing operations with everything that does not need the painter
// worked out once, in device pixels.
class DirectPages {
  public:
    DirectPages(const ReportDocument& document, const QPaintDevice& device) {
        const QTransform scale =
            QTransform::fromScale(device.logicalDpiX() / 25.4, device.logicalDpiY() / 25.4);
        for (const ReportPage& recorded : document.pages) {
            std::vector<Step>& steps = m_pages.emplace_back();
            for (const PageItem& item : recorded.items)
                steps.push_back(step(item, scale, device));
        }
    }

    int pageCount() const { return static_cast<int>(m_pages.size()); }

    void paint(QPainter& painter, int page) const {
        const QFont* currentFont = nullptr;
        for (const Step& step : m_pages[static_cast<std::size_t>(page)]) {
            if (const auto* text = std::get_if<Text>(&step)) {
                painter.fillRect(text->box, text->fill);
                if (currentFont != text->font) {
                    painter.setFont(*text->font);
                    currentFont = text->font;
                }
                painter.setPen(text->color);
                painter.drawText(text->baseline, text->text);
            } else if (const auto* shape = std::get_if<Shape>(&step)) {
                painter.setPen(shape->pen);
                if (shape->line) {
                    painter.drawLine(shape->frame.topLeft(), shape->frame.topRight());
                } else {
                    painter.setBrush(shape->brush);
                    painter.drawRect(shape->frame);
                }
            } else if (const auto* picture = std::get_if<Picture>(&step)) {
                painter.save();
                painter.setRenderHint(QPainter::SmoothPixmapTransform);
                painter.setClipRect(picture->clip, Qt::IntersectClip);
                painter.drawImage(picture->target, picture->image);
                painter.restore();
            }
        }
    }

  private:
    struct Text {
        const QFont* font;
        QRectF box;
        QPointF baseline;
        QColor color;
        QColor fill;
        QString text;
    };
    struct Shape {
        bool line;
        QRectF frame;
        QPen pen;
        QBrush brush;
    };
    struct Picture {
        QRectF clip;
        QRectF target;
        QImage image;
    };
    using Step = std::variant<Text, Shape, Picture>;

    Step step(const PageItem& item, const QTransform& scale, const QPaintDevice& device) {
        switch (item.kind) {
        case PageItem::Kind::Text: {
            const QFont& font = fontFor(item);
            const QFontMetricsF metrics(font, &device);
            const QPointF topLeft = scale.map(item.frame.topLeft());
            return Text{
                &font,
                QRectF(topLeft, QSizeF(metrics.horizontalAdvance(item.text), metrics.height())),
                topLeft + QPointF(0, metrics.ascent()),
                item.color,
                item.fill,
                item.text};
        }
        case PageItem::Kind::Line:
        case PageItem::Kind::Rectangle: {
            QPen pen(item.color, item.penWidth * scale.m22(),
                     item.dashed ? Qt::DashLine : Qt::SolidLine);
            pen.setCapStyle(Qt::FlatCap);
            pen.setJoinStyle(Qt::MiterJoin);
            const bool line = item.kind == PageItem::Kind::Line;
            return Shape{
                line,
                line ? QRectF(scale.map(item.frame.topLeft()), scale.map(item.frame.topRight()))
                     : scale.mapRect(item.frame),
                pen, item.fill.isValid() ? QBrush(item.fill) : QBrush(Qt::NoBrush)};
        }
        case PageItem::Kind::Image:
            break;
        }
        return Picture{scale.mapRect(item.frame),
                       scale.mapRect(QRectF(item.frame.topLeft(), item.imageSize)), item.image};
    }

    const QFont& fontFor(const PageItem& item) {
        for (const QFont& font : m_fonts)
            if (font.family() == item.fontFamily && font.pointSizeF() == item.pointSize &&
                font.bold() == item.bold)
                return font;
        QFont& font = m_fonts.emplace_back(item.fontFamily);
        font.setPointSizeF(item.pointSize);
        font.setBold(item.bold);
        return font;
    }

    std::list<QFont> m_fonts; // steps point into it
    std::vector<std::vector<Step>> m_pages;
};

// Whether the floor paints every page exactly as the preview does.
bool FloorMatchesPreview(const ReportDocument& document, const DirectPages& floor) {
    QImage direct = PageImage();
    for (int page = 0; page < floor.pageCount(); ++page) {
        direct.fill(Qt::white);
        {
            QPainter painter(&direct);
            PaintLikeThePreview(painter);
            floor.paint(painter, page);
        }
        if (PageView::paintedPart(document.pages[page], PixelsPerMm, WholePage) != direct)
            return false;
    }
    return true;
}

// 255 bars: 75 on the first page, above the drawing, 120 on the second, 60 on the third.
constexpr int ReportPages = 3;

void BM_PaintFloor(benchmark::State& state) {
    Fixture f;
    const ReportDocument document = f.form.producePages(f.profile, f.results, f.drawing);
    QImage page = PageImage();
    const DirectPages floor(document, page);
    if (floor.pageCount() != ReportPages || !FloorMatchesPreview(document, floor)) {
        state.SkipWithError("the floor does not paint the report's pages");
        return;
    }
    for (auto _ : state) {
        for (int i = 0; i < floor.pageCount(); ++i) {
            page.fill(Qt::white);
            QPainter painter(&page);
            PaintLikeThePreview(painter);
            floor.paint(painter, i);
        }
        benchmark::DoNotOptimize(page.constBits());
    }
}
BENCHMARK(BM_PaintFloor)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

void BM_ReportRunAndPaint(benchmark::State& state) {
    Fixture f;
    for (auto _ : state) {
        const ReportDocument document = f.form.producePages(f.profile, f.results, f.drawing);
        for (const ReportPage& recorded : document.pages) {
            const QImage page = PageView::paintedPart(recorded, PixelsPerMm, WholePage);
            benchmark::DoNotOptimize(page.constBits());
        }
        if (document.pages.size() != ReportPages)
            state.SkipWithError("the report does not have its pages");
    }
}
BENCHMARK(BM_ReportRunAndPaint)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

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

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ReportFonts::installSubstitutions();
    return RunBenchmarksWithRatios(argc, argv, {{"BM_ReportRunAndPaint", "BM_PaintFloor", 1.2}});
}
