#include "DrawingPictures.h"
#include "DrawingSurface.h"

#include "ImagePixels.h"

#include <QPainter>
#include <QSvgRenderer>
#include <QTest>

#include <cmath>

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
        QCOMPARE(At(Rendered(DrawingSvg(thin, false, 10)), 302 * PixelsPerMm - 2,
                    100 * PixelsPerMm),
                 Blue);
        const QImage grid = Rendered(DrawingSvg(Profile(1.0), true, 25));
        QCOMPARE(At(grid, 50 * PixelsPerMm + 1, 75 * PixelsPerMm + 1), Green);
        QCOMPARE(At(grid, 1, 75 * PixelsPerMm + 1), Green); // the column on the left edge
        QCOMPARE(At(grid, 60 * PixelsPerMm + 1, 75 * PixelsPerMm + 1), White);
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
