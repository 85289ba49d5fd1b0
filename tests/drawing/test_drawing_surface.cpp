#include "DrawingSurface.h"
#include "ImagePixels.h"

#include <QTest>

#include <climits>
#include <cmath>
#include <limits>

Q_DECLARE_METATYPE(TPoint)

namespace {

const QRgb White = qRgb(255, 255, 255);
const QRgb Green = qRgb(0, 128, 0);
const QRgb Black = qRgb(0, 0, 0);
const QRgb Blue = qRgb(0, 0, 255);
const QRgb Red = qRgb(255, 0, 0);
const QRgb Lime = qRgb(0, 255, 0);

void AddBar(TProfile& profile, TPoint p1, TPoint p2, double thickness) {
    profile.createObject(okBar, p1, 10);
    TProfileObject& bar = profile.Objects(profile.ObjectCount());
    bar.P2 = p2;
    bar.Thickness = thickness;
}

void AddAppendix(TProfile& profile, TPoint p, double thickness) {
    profile.createObject(okAppendix, p, 10);
    profile.Objects(profile.ObjectCount()).Thickness = thickness;
}

// A white surface with the profile drawn on it.
QImage Drawn(const TProfile& profile) {
    DrawingSurface surface;
    surface.RebuildBackground(false, 10);
    surface.ShowBackground();
    surface.DrawObjects(profile);
    return surface.image();
}

} // namespace

class TestDrawingSurface : public QObject {
    Q_OBJECT
  private slots:
    void gridDots_data();
    void gridDots();
    void barWidth_data();
    void barWidth();
    void thinBarLeavesItsEndPoint_data();
    void thinBarLeavesItsEndPoint();
    void endPointKeepsWhatLayUnderIt();
    void bentCorner_data();
    void bentCorner();
    void appendixIsAFiveByFiveOutline();
    void markerHandles_data();
    void markerHandles();
    void barsFromFarAwayStillCrossTheImage();
    void drawingLeavesTheBackgroundAlone();
};

void TestDrawingSurface::gridDots_data() {
    QTest::addColumn<bool>("drawGrid");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("dots");
    QTest::newRow("step 10: 40 x 25") << true << 10 << 40 * 25;
    QTest::newRow("step 15: up to 390 and 240") << true << 15 << 27 * 17;
    QTest::newRow("step 50: up to 350 and 200") << true << 50 << 8 * 5;
    QTest::newRow("step 7: last column at 399") << true << 7 << 58 * 36;
    QTest::newRow("unchecked: plain white") << false << 10 << 0;
    QTest::newRow("step 0 is no grid") << true << 0 << 0;
    QTest::newRow("negative step is no grid") << true << -5 << 0;
}

void TestDrawingSurface::gridDots() {
    QFETCH(bool, drawGrid);
    QFETCH(int, step);
    QFETCH(int, dots);
    DrawingSurface surface;
    surface.RebuildBackground(drawGrid, step);
    const QImage& bg = surface.background();
    QCOMPARE(bg.size(), QSize(400, 250));
    QCOMPARE(CountColour(bg, Green), dots);
    QCOMPARE(CountColour(bg, White), 400 * 250 - dots);
    if (dots > 0) {
        // Every green pixel is a multiple of the step in both coordinates.
        for (int y = 0; y < 250; ++y)
            for (int x = 0; x < 400; ++x)
                if (At(bg, x, y) == Green && (x % step != 0 || y % step != 0))
                    QFAIL(qPrintable(QStringLiteral("dot off the grid at %1,%2").arg(x).arg(y)));
        QCOMPARE(At(bg, 0, 0), Green);
    }
}

void TestDrawingSurface::barWidth_data() {
    QTest::addColumn<double>("thickness");
    QTest::addColumn<int>("pixels"); // black pixels across the middle of a horizontal bar
    QTest::newRow("0.1 mm: one pixel") << 0.1 << 1;
    QTest::newRow("0.5 mm rounds to 0: one pixel") << 0.5 << 1;
    QTest::newRow("2.5 mm rounds to 2") << 2.5 << 2;
    QTest::newRow("3.5 mm rounds to 4") << 3.5 << 4;
    QTest::newRow("negative: one pixel") << -3.0 << 1;
    QTest::newRow("NaN: one pixel") << std::numeric_limits<double>::quiet_NaN() << 1;
    QTest::newRow("+Inf: the whole height") << std::numeric_limits<double>::infinity() << 250;
    QTest::newRow("1e308: the whole height") << 1e308 << 250;
}

void TestDrawingSurface::barWidth() {
    QFETCH(double, thickness);
    QFETCH(int, pixels);
    TProfile profile;
    AddBar(profile, {100, 120}, {300, 120}, thickness);
    const QImage image = Drawn(profile);
    QCOMPARE(CountColour(image, Black, QRect(200, 0, 1, 250)), pixels);
    QCOMPARE(At(image, 200, 120), Black);
}

void TestDrawingSurface::thinBarLeavesItsEndPoint_data() {
    QTest::addColumn<TPoint>("p1");
    QTest::addColumn<TPoint>("p2");
    QTest::addColumn<int>("pixels");
    QTest::newRow("to the right") << TPoint{10, 10} << TPoint{20, 10} << 10;
    QTest::newRow("to the left") << TPoint{20, 10} << TPoint{10, 10} << 10;
    QTest::newRow("downwards") << TPoint{50, 20} << TPoint{50, 60} << 40;
    QTest::newRow("diagonal") << TPoint{10, 10} << TPoint{40, 40} << 30;
    QTest::newRow("shallow slope") << TPoint{100, 100} << TPoint{160, 130} << 60;
    QTest::newRow("zero length paints nothing") << TPoint{70, 70} << TPoint{70, 70} << 0;
}

void TestDrawingSurface::thinBarLeavesItsEndPoint() {
    QFETCH(TPoint, p1);
    QFETCH(TPoint, p2);
    QFETCH(int, pixels);
    TProfile profile;
    AddBar(profile, p1, p2, 1.0);
    const QImage image = Drawn(profile);
    QCOMPARE(At(image, p2.X, p2.Y), White);
    QCOMPARE(CountColour(image, Black), pixels);
    if (pixels > 0)
        QCOMPARE(At(image, p1.X, p1.Y), Black);
}

// An L of 4 mm walls meeting at (100, 100), up and to the right. With an inner radius of
// 6 mm the centre line turns on a radius of 8 mm about (108, 92), so the wall fills the
// ring 6..10 mm from the pixel centre (108.5, 92.5).
void TestDrawingSurface::bentCorner_data() {
    QTest::addColumn<double>("radius");
    QTest::addColumn<TPoint>("pixel");
    QTest::addColumn<QRgb>("colour");
    QTest::newRow("sharp: the square end fills the corner") << 0.0 << TPoint{99, 101} << Black;
    QTest::newRow("bent: the corner is cut away") << 6.0 << TPoint{99, 101} << White;
    QTest::newRow("bent: the arc at 45 degrees") << 6.0 << TPoint{102, 98} << Black;
    QTest::newRow("bent: the bar stops at the arc") << 6.0 << TPoint{99, 92} << Black;
    QTest::newRow("bent: no square end past the arc") << 6.0 << TPoint{98, 93} << White;
}

void TestDrawingSurface::bentCorner() {
    QFETCH(double, radius);
    QFETCH(TPoint, pixel);
    QFETCH(QRgb, colour);
    TProfile profile;
    AddBar(profile, {100, 50}, {100, 100}, 4.0);
    AddBar(profile, {100, 100}, {150, 100}, 4.0);
    TProfileInfo info = profile.info();
    info.BendRadius = radius;
    profile.setInfo(info);
    QCOMPARE(At(Drawn(profile), pixel.X, pixel.Y), colour);
}

void TestDrawingSurface::endPointKeepsWhatLayUnderIt() {
    TProfile profile;
    AddAppendix(profile, {25, 52}, 1.0); // its top edge runs through (25, 50)
    AddBar(profile, {25, 20}, {25, 50}, 1.0);
    const QImage image = Drawn(profile);
    QCOMPARE(At(image, 25, 50), Blue);
    QCOMPARE(At(image, 25, 49), Black);
}

void TestDrawingSurface::appendixIsAFiveByFiveOutline() {
    TProfile profile;
    AddAppendix(profile, {100, 50}, 0.1);
    const QImage image = Drawn(profile);
    QCOMPARE(CountColour(image, Blue), 16);
    QCOMPARE(CountColour(image, Blue, QRect(98, 48, 5, 5)), 16);
    for (const QPoint corner : {QPoint(98, 48), QPoint(102, 48), QPoint(102, 52), QPoint(98, 52)})
        QCOMPARE(At(image, corner.x(), corner.y()), Blue);
    QCOMPARE(CountColour(image, White, QRect(99, 49, 3, 3)), 9);
}

void TestDrawingSurface::markerHandles_data() {
    QTest::addColumn<TPoint>("mark");
    QTest::addColumn<TPoint>("other");
    QTest::newRow("first end") << TPoint{100, 100} << TPoint{250, 180};
    QTest::newRow("second end") << TPoint{250, 180} << TPoint{100, 100};
}

void TestDrawingSurface::markerHandles() {
    QFETCH(TPoint, mark);
    QFETCH(TPoint, other);
    DrawingSurface surface;
    surface.RebuildBackground(false, 10);
    surface.ShowBackground();
    surface.DrawMarker(mark, other);
    const QImage& image = surface.image();
    const QRect square(mark.X - 4, mark.Y - 4, 8, 8);
    QCOMPARE(CountColour(image, Lime, square), 36);
    QCOMPARE(CountColour(image, Black, square), 28);
    QCOMPARE(At(image, square.left(), square.top()), Black);
    QCOMPARE(At(image, square.right(), square.bottom()), Black);
    // Nothing of the handle beyond its 8 x 8 pixels.
    QCOMPARE(CountColour(image, Lime, square.adjusted(-3, -3, 3, 3)), 36);
    QCOMPARE(CountColour(image, Black, square.adjusted(-3, -3, 3, 3)), 28);
    // The red line runs on from the handle towards the other end.
    const QPoint beyond =
        QPoint(mark.X, mark.Y) + (QPoint(other.X, other.Y) - QPoint(mark.X, mark.Y)) / 10;
    QCOMPARE(At(image, beyond.x(), beyond.y()), Red);
}

// Coordinates from a file may lie anywhere in the int32 range.
void TestDrawingSurface::barsFromFarAwayStillCrossTheImage() {
    TProfile profile;
    AddBar(profile, {INT_MIN, 100}, {INT_MAX, 100}, 1.0);
    AddBar(profile, {200, INT_MIN}, {200, INT_MAX}, 1.0);
    AddBar(profile, {INT_MIN, 0}, {INT_MAX, 250}, 1.0); // through the middle, nearly level
    AddBar(profile, {INT_MAX, INT_MAX}, {INT_MIN, INT_MIN}, 3.0);
    AddAppendix(profile, {INT_MAX, INT_MIN}, 1e9);
    const QImage image = Drawn(profile);
    QCOMPARE(CountColour(image, Black, QRect(0, 100, 400, 1)), 400);
    QCOMPARE(CountColour(image, Black, QRect(200, 0, 1, 250)), 250);
    for (int x : {0, 100, 399})
        QCOMPARE(CountColour(image, Black, QRect(x, 120, 1, 10)), 1);

    DrawingSurface surface;
    surface.DrawMarker({INT_MIN, INT_MAX}, {INT_MAX, INT_MIN});
    QCOMPARE(CountColour(surface.image(), Lime), 0);
}

void TestDrawingSurface::drawingLeavesTheBackgroundAlone() {
    TProfile profile;
    AddBar(profile, {0, 0}, {399, 249}, 10.0);
    DrawingSurface surface;
    surface.RebuildBackground(true, 10);
    const QImage before = surface.background().copy();
    surface.ShowBackground();
    surface.DrawObjects(profile);
    surface.DrawMarker({0, 0}, {399, 249});
    QCOMPARE(surface.background(), before);
    QVERIFY(surface.image() != before);
    surface.ShowBackground();
    QCOMPARE(surface.image(), before);
}

QTEST_GUILESS_MAIN(TestDrawingSurface)
#include "test_drawing_surface.moc"
