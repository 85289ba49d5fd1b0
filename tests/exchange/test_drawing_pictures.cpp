#include "DrawingPictures.h"
#include "DrawingSurface.h"

#include "ImagePixels.h"

#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTest>

#include <array>
#include <cmath>
#include <utility>

namespace {

const QRgb White = qRgb(255, 255, 255);
const QRgb Green = qRgb(0, 128, 0);
const QRgb Black = qRgb(0, 0, 0);
const QRgb Blue = qRgb(0, 0, 255);

constexpr int PixelsPerMm = 4;

TProfile Profile(double barThickness) {
    TProfile profile;
    profile.createObject(okBar, {100, 50}, 10);
    profile.Objects(1).P2 = {100, 200};
    profile.Objects(1).Thickness = barThickness;
    profile.createObject(okAppendix, {300, 100}, 30);
    return profile;
}

// An L of 4 mm walls meeting at (100, 100), one bar up, one to the right, with 6 mm bends;
// verticalFirst decides which bar the bend leaves.
TProfile BentL(bool verticalFirst) {
    TProfile profile;
    const std::pair<TPoint, TPoint> vertical{{100, 50}, {100, 100}},
        horizontal{{100, 100}, {150, 100}};
    for (const auto& [p1, p2] :
         verticalFirst ? std::array{vertical, horizontal} : std::array{horizontal, vertical}) {
        profile.createObject(okBar, p1, 10);
        profile.Objects(profile.ObjectCount()).P2 = p2;
        profile.Objects(profile.ObjectCount()).Thickness = 4.0;
    }
    TProfileInfo info = profile.info();
    info.BendRadius = 6.0;
    profile.setInfo(info);
    return profile;
}

// The numbers of the SVG's one arc path ("M x y A ..."), its letters left out.
QList<double> ArcNumbers(const QByteArray& svg) {
    const QString d = QRegularExpression(QStringLiteral("<path d=\"([^\"]*)\""))
                          .match(QString::fromUtf8(svg))
                          .captured(1);
    QList<double> numbers;
    for (const QString& n :
         d.split(QRegularExpression(QStringLiteral("[MA ]")), Qt::SkipEmptyParts))
        numbers << n.toDouble();
    return numbers;
}

QImage Rendered(const QByteArray& svg) {
    QSvgRenderer renderer(svg);
    QImage image(DrawingSurface::Width * PixelsPerMm, DrawingSurface::Height * PixelsPerMm,
                 QImage::Format_RGB32);
    image.fill(Qt::red);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

} // namespace

class TestDrawingPictures : public QObject {
    Q_OBJECT

  private slots:
    void svgBarIsAsWideAsItsThickness_data() {
        QTest::addColumn<double>("thickness");
        QTest::newRow("half a millimetre") << 0.5;
        QTest::newRow("fractional, wider than the screen's rounding") << 7.5;
    }
    void svgBarIsAsWideAsItsThickness() {
        QFETCH(double, thickness);
        const QImage image = Rendered(DrawingSvg(Profile(thickness), false, 10));
        const int y = 120 * PixelsPerMm;
        const int black = CountColour(image, Black, QRect(0, y, image.width(), 1));
        QVERIFY2(std::abs(black - thickness * PixelsPerMm) <= 1.0,
                 qPrintable(QString::number(black)));
    }

    // A thickness a file made meaningless still shows the bar, as the thinnest line.
    void svgBarOfMeaninglessThicknessIsAThinLine_data() {
        QTest::addColumn<double>("thickness");
        QTest::newRow("not a number") << std::nan("");
        QTest::newRow("negative") << -3.0;
        QTest::newRow("zero") << 0.0;
    }
    void svgBarOfMeaninglessThicknessIsAThinLine() {
        QFETCH(double, thickness);
        const QImage image = Rendered(DrawingSvg(Profile(thickness), false, 10));
        const int y = 120 * PixelsPerMm;
        int drawn = 0;
        for (int x = 0; x < image.width(); ++x)
            drawn += image.pixel(x, y) != White;
        QVERIFY2(drawn >= 1 && drawn <= 2, qPrintable(QString::number(drawn)));
    }

    void svgShowsAppendixAndGridAsTheDrawing() {
        const QImage plain = Rendered(DrawingSvg(Profile(1.0), false, 10));
        QCOMPARE(CountColour(plain, Green), 0);
        QCOMPARE(At(plain, 5 * PixelsPerMm, 5 * PixelsPerMm), White);
        // The appendix's square outline runs 2 mm around its point; its inside stays white.
        QCOMPARE(At(plain, 302 * PixelsPerMm, 100 * PixelsPerMm), Blue);
        QCOMPARE(At(plain, 300 * PixelsPerMm, 100 * PixelsPerMm), White);
        // A thinner appendix keeps the screen's pen, one millimetre at the least.
        TProfile thin = Profile(1.0);
        thin.Objects(2).Thickness = 0.2;
        QCOMPARE(
            At(Rendered(DrawingSvg(thin, false, 10)), 302 * PixelsPerMm - 2, 100 * PixelsPerMm),
            Blue);
        const QImage grid = Rendered(DrawingSvg(Profile(1.0), true, 25));
        QCOMPARE(At(grid, 50 * PixelsPerMm + 1, 75 * PixelsPerMm + 1), Green);
        QCOMPARE(At(grid, 1, 75 * PixelsPerMm + 1), Green); // the column on the left edge
        QCOMPARE(At(grid, 60 * PixelsPerMm + 1, 75 * PixelsPerMm + 1), White);
    }

    // The centre line turns on 6 + 4 / 2 = 8 mm about (108, 92), from (100, 92) on the upright
    // bar to (108, 100) on the other: counter-clockwise on the page, SVG's sweep flag 0.
    void svgBendIsAnArcOfItsThickness_data() {
        QTest::addColumn<bool>("verticalFirst");
        QTest::addColumn<QList<double>>("arc"); // from, radii, rotation, flags, to
        QTest::newRow("from the upright bar")
            << true << QList<double>{100, 92, 8, 8, 0, 0, 0, 108, 100};
        QTest::newRow("from the lying bar")
            << false << QList<double>{108, 100, 8, 8, 0, 0, 1, 100, 92};
    }
    void svgBendIsAnArcOfItsThickness() {
        QFETCH(bool, verticalFirst);
        QFETCH(QList<double>, arc);
        const QByteArray svg = DrawingSvg(BentL(verticalFirst), false, 10);
        const QList<double> numbers = ArcNumbers(svg);
        QCOMPARE(numbers.size(), arc.size());
        for (qsizetype i = 0; i < arc.size(); ++i)
            QVERIFY2(std::abs(numbers[i] - arc[i]) < 1e-9, qPrintable(QString::number(i)));
        const QImage image = Rendered(svg);
        const auto at = [&](double x, double y) {
            return At(image, static_cast<int>(x * PixelsPerMm), static_cast<int>(y * PixelsPerMm));
        };
        QCOMPARE(at(108 - 8 * M_SQRT1_2, 92 + 8 * M_SQRT1_2), Black); // the arc's middle
        QCOMPARE(at(99, 101), White);                                 // the corner, cut
        QCOMPARE(at(101, 91), Black);                                 // the bar to the arc
        QCOMPARE(at(98.3, 97), White); // where the bar would run on to the corner
    }

    void pngIsTheDrawingPixelForPixel() {
        DrawingSurface surface;
        surface.RebuildBackground(true, 10);
        surface.ShowBackground();
        surface.DrawObjects(Profile(2.5));
        surface.DrawMarker({100, 50}, {100, 200});
        const QImage decoded = QImage::fromData(DrawingPng(surface.image()), "PNG");
        QCOMPARE(decoded.convertToFormat(QImage::Format_RGB32), surface.image());
    }
};

QTEST_MAIN(TestDrawingPictures)
#include "test_drawing_pictures.moc"
