#include "ImagePixels.h"
#include "RasterCanvas.h"

#include <QTest>

#include <algorithm>

Q_DECLARE_METATYPE(TPoint)

namespace {

const QRgb White = qRgb(255, 255, 255);
const QRgb Ink = qRgb(0, 0, 0);

QImage Blank(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(White);
    return image;
}

int CountInk(const QImage& image) {
    return CountColour(image, Ink);
}

QRect InkBounds(const QImage& image) {
    return ColourBounds(image, Ink);
}

TPoint Moved(TPoint p, int by) {
    return {p.X + by, p.Y + by};
}

// The line drawn on a 400 x 250 image, and the same line drawn on a canvas so large that
// it lies wholly inside, cut back to the same 400 x 250 window.
std::pair<QImage, QImage> SmallAndCutOut(TPoint a, TPoint b, int width) {
    constexpr int Margin = 1500;
    QImage small = Blank(400, 250);
    QImage large = Blank(400 + 2 * Margin, 250 + 2 * Margin);
    RasterCanvas smallCanvas(small);
    RasterCanvas largeCanvas(large);
    if (width <= 1) {
        smallCanvas.drawThinLine(a, b, Ink);
        largeCanvas.drawThinLine(Moved(a, Margin), Moved(b, Margin), Ink);
    } else {
        smallCanvas.drawWideLine(a, b, width, Ink);
        largeCanvas.drawWideLine(Moved(a, Margin), Moved(b, Margin), width, Ink);
    }
    return {small, large.copy(Margin, Margin, 400, 250)};
}

} // namespace

class TestRasterCanvas : public QObject {
    Q_OBJECT
  private slots:
    void linesReachingOutside_data();
    void linesReachingOutside();
    void wideLineCoversItsRectangle_data();
    void wideLineCoversItsRectangle();
    void rectanglesAreClipped();
    void spansOfEveryLength_data();
    void spansOfEveryLength();
};

void TestRasterCanvas::linesReachingOutside_data() {
    QTest::addColumn<TPoint>("a");
    QTest::addColumn<TPoint>("b");
    QTest::addColumn<int>("width");
    QTest::newRow("thin, across from the top left")
        << TPoint{-1000, -700} << TPoint{1400, 900} << 1;
    QTest::newRow("thin, steep from below") << TPoint{150, 1300} << TPoint{260, -900} << 1;
    QTest::newRow("thin, leaving to the right") << TPoint{380, 10} << TPoint{1300, 40} << 1;
    QTest::newRow("thin, entering from the left") << TPoint{-1300, 200} << TPoint{20, 30} << 1;
    QTest::newRow("wide, across") << TPoint{-1000, -700} << TPoint{1400, 900} << 7;
    QTest::newRow("wide, steep") << TPoint{150, 1300} << TPoint{260, -900} << 4;
}

// Walking only the visible part of a line must paint exactly the pixels that walking all
// of it paints there.
void TestRasterCanvas::linesReachingOutside() {
    QFETCH(TPoint, a);
    QFETCH(TPoint, b);
    QFETCH(int, width);
    const auto [small, cutOut] = SmallAndCutOut(a, b, width);
    QVERIFY(CountInk(cutOut) > 0);
    QCOMPARE(small, cutOut);
}

void TestRasterCanvas::wideLineCoversItsRectangle_data() {
    QTest::addColumn<TPoint>("a");
    QTest::addColumn<TPoint>("b");
    QTest::addColumn<int>("width");
    QTest::addColumn<QRect>("covered");
    // Square ends: the rectangle reaches width / 2 beyond both end pixels' centres.
    QTest::newRow("level, 2 wide")
        << TPoint{100, 100} << TPoint{200, 100} << 2 << QRect(QPoint(99, 99), QPoint(200, 100));
    QTest::newRow("level, 3 wide")
        << TPoint{100, 100} << TPoint{200, 100} << 3 << QRect(QPoint(99, 99), QPoint(201, 101));
    QTest::newRow("upright, 4 wide")
        << TPoint{50, 20} << TPoint{50, 120} << 4 << QRect(QPoint(48, 18), QPoint(51, 121));
    QTest::newRow("level at the image's edge")
        << TPoint{0, 0} << TPoint{399, 0} << 10 << QRect(QPoint(0, 0), QPoint(399, 4));
}

void TestRasterCanvas::wideLineCoversItsRectangle() {
    QFETCH(TPoint, a);
    QFETCH(TPoint, b);
    QFETCH(int, width);
    QFETCH(QRect, covered);
    QImage image = Blank(400, 250);
    RasterCanvas(image).drawWideLine(a, b, width, Ink);
    QCOMPARE(InkBounds(image), covered);
    QCOMPARE(CountInk(image), covered.width() * covered.height());
}

void TestRasterCanvas::rectanglesAreClipped() {
    QImage image = Blank(400, 250);
    RasterCanvas canvas(image);
    canvas.fillRect(396, 246, 8, 8, Ink);
    QCOMPARE(CountInk(image), 16);
    canvas.frameRect(-4, -4, 8, 8, Ink);
    QCOMPARE(InkBounds(image.copy(0, 0, 10, 10)), QRect(0, 0, 4, 4));
    QCOMPARE(CountInk(image), 16 + 7);
    canvas.fillRect(LLONG_MIN / 4, 0, LLONG_MAX / 2, 1, Ink);
    QCOMPARE(CountInk(image), 16 + 7 + 400 - 1);
}

void TestRasterCanvas::spansOfEveryLength_data() {
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("width");
    for (const int left : {10, -5, 30})
        for (int width = 0; width <= 13; ++width)
            QTest::addRow("%d pixels from x = %d", width, left) << left << width;
}

// Spans are painted in overlapping blocks of four pixels; whatever their length, they must
// cover their own pixels, as far as the image reaches, and no others.
void TestRasterCanvas::spansOfEveryLength() {
    QFETCH(int, left);
    QFETCH(int, width);
    QImage image = Blank(40, 3);
    RasterCanvas(image).fillRect(left, 1, width, 1, Ink);
    const int from = std::clamp(left, 0, image.width());
    const int to = std::clamp(left + width, 0, image.width());
    QCOMPARE(CountInk(image), std::max(to - from, 0));
    QCOMPARE(InkBounds(image), to > from ? QRect(from, 1, to - from, 1) : QRect());
}

QTEST_GUILESS_MAIN(TestRasterCanvas)
#include "test_raster_canvas.moc"
