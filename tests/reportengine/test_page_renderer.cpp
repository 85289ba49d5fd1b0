#include "PageRenderer.h"
#include "PdfExporter.h"
#include "PdfTools.h"
#include "PrintContext.h"
#include "Report.h"
#include "ReportError.h"
#include "ReportFonts.h"
#include "ReportImage.h"
#include "ReportLabel.h"
#include "ReportShape.h"

#include <QPainter>
#include <QtTest>

namespace {

constexpr int ScreenDpi = 96;

// A blank page at screen resolution, so that one drawing pixel is one page pixel.
QImage blankPage(QSizeF paperMm) {
    QImage image(qRound(paperMm.width() / 25.4 * ScreenDpi),
                 qRound(paperMm.height() / 25.4 * ScreenDpi), QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(ScreenDpi / 0.0254));
    image.setDotsPerMeterY(qRound(ScreenDpi / 0.0254));
    image.fill(Qt::white);
    return image;
}

QPoint pixelAt(QPointF mm) {
    return QPoint(qFloor(mm.x() / 25.4 * ScreenDpi), qFloor(mm.y() / 25.4 * ScreenDpi));
}

QImage render(const ReportPage& page, QSizeF paperMm) {
    QImage image = blankPage(paperMm);
    QPainter painter(&image);
    PageRenderer::paintPage(painter, page);
    return image;
}

// 200 x 100 pixels: red, with a green strip over columns 150 and beyond.
QImage redWithGreenStrip(qreal devicePixelRatio = 1.0) {
    QImage image(200, 100, QImage::Format_RGB32);
    image.fill(Qt::red);
    QPainter(&image).fillRect(150, 0, 50, 100, Qt::green);
    image.setDevicePixelRatio(devicePixelRatio);
    return image;
}

ReportPage recorded(const ReportElement& element) {
    ReportPage page;
    element.record(page, QPointF(10, 10), PrintContext{1, QDateTime::currentDateTime()});
    return page;
}

bool contains(const QImage& image, const QRect& area, QColor color) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixelColor(x, y) == color)
                return true;
    return false;
}

} // namespace

class TestPageRenderer : public QObject {
    Q_OBJECT

  private slots:
    void imageIsUnscaledAndClippedToItsFrame_data();
    void imageIsUnscaledAndClippedToItsFrame();
    void labelHidesWhatLiesBeneathIt();
    void classicFontsMapToInstalledFaces_data();
    void classicFontsMapToInstalledFaces();
    void pdfHasVectorTextOnEveryPage();
    void pdfFailureLeavesExistingFileAlone_data();
    void pdfFailureLeavesExistingFileAlone();
};

void TestPageRenderer::imageIsUnscaledAndClippedToItsFrame_data() {
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<int>("redWidth"); // page pixels of red before the green strip
    QTest::newRow("screen image") << 1.0 << 150;
    QTest::newRow("image at twice screen resolution") << 2.0 << 75;
}

void TestPageRenderer::imageIsUnscaledAndClippedToItsFrame() {
    QFETCH(qreal, ratio);
    QFETCH(int, redWidth);
    // The frame, 50 mm wide (189 px), shows the whole red part and cuts the strip short.
    const ReportImage element("picture", QPointF(5, 5), QSizeF(50, 20), redWithGreenStrip(ratio));
    const QImage page = render(recorded(element), QSizeF(100, 60));
    const QPoint origin = pixelAt(QPointF(15, 15));
    const QPoint frameEnd = pixelAt(QPointF(65, 35));

    QCOMPARE(page.pixelColor(origin + QPoint(1, 1)), QColor(Qt::red));
    QCOMPARE(page.pixelColor(origin + QPoint(redWidth - 2, 5)), QColor(Qt::red));
    QCOMPARE(page.pixelColor(origin + QPoint(redWidth + 2, 5)), QColor(Qt::green));
    // Nothing of the image outside its frame, to the right or below.
    QVERIFY(!contains(page, QRect(frameEnd.x() + 1, origin.y(), 30, 40), Qt::green));
    QVERIFY(!contains(page, QRect(origin.x(), frameEnd.y() + 1, 100, 30), Qt::red));
}

// Labels are opaque: a label printed over a black box whitens its own text box.
void TestPageRenderer::labelHidesWhatLiesBeneathIt() {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(10);
    const ReportShape box("box", QPointF(0, 0), ReportShape::Form::Rectangle, QSizeF(40, 10),
                          ReportShape::Style{0.3, false, QColor(Qt::black)});
    const ReportLabel label("label", QPointF(2, 2), QStringLiteral("  I  "), font);
    ReportPage page = recorded(box);
    page.items += recorded(label).items;
    const QImage image = render(page, QSizeF(60, 30));

    QCOMPARE(image.pixelColor(pixelAt(QPointF(12.5, 14))), QColor(Qt::white));
    QCOMPARE(image.pixelColor(pixelAt(QPointF(45, 14))), QColor(Qt::black));
}

void TestPageRenderer::classicFontsMapToInstalledFaces_data() {
    QTest::addColumn<QString>("family");
    QTest::addColumn<QStringList>("faces");
    QTest::newRow("Arial") << "Arial" << QStringList({"Liberation Sans", "Arimo", "Arial"});
    QTest::newRow("MS Serif") << "MS Serif" << QStringList({"Liberation Serif", "Tinos"});
    QTest::newRow("Century Schoolbook")
        << "Century Schoolbook" << QStringList({"C059", "TeX Gyre Schola", "Liberation Serif"});
}

void TestPageRenderer::classicFontsMapToInstalledFaces() {
    QFETCH(QString, family);
    QFETCH(QStringList, faces);
    ReportFonts::installSubstitutions();
    const QString face = QFontInfo(QFont(family)).family();
    QVERIFY2(faces.contains(face.section(QLatin1String(" ["), 0, 0)), qPrintable(face));
}

void TestPageRenderer::pdfHasVectorTextOnEveryPage() {
    QTemporaryDir dir;
    const QString path = dir.filePath("pages.pdf");
    Report report("pdf");
    int records = 0;
    report.needData = [&](bool& more) { more = ++records <= 2; };
    ReportBand& band = report.addBand("page", ReportBand::Kind::Detail, 270);
    ReportLabel& label =
        band.add<ReportLabel>("label", QPointF(20, 30), QString(), QFont(QStringLiteral("Arial")));
    band.beforePrint = [&](bool&) { label.setText(QStringLiteral("Área %1").arg(records)); };

    PdfExporter::write(report.run(), path);

    QCOMPARE(PdfTools::pageCount(path), 2);
    QCOMPARE(PdfTools::text(path).simplified(), QStringLiteral("Área 1 Área 2"));
    const QList<PdfTools::Word> words = PdfTools::words(path, 2);
    QCOMPARE(words.size(), 2);
    QVERIFY2(qAbs(words[0].box.left() - 30) < 0.5,
             qPrintable(QString::number(words[0].box.left())));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList({"pages.pdf"}));
}

void TestPageRenderer::pdfFailureLeavesExistingFileAlone_data() {
    QTest::addColumn<bool>("withPage");
    QTest::addColumn<QString>("target");
    QTest::newRow("no page to write") << false << "old.pdf";
    QTest::newRow("folder does not exist") << true << "missing/old.pdf";
}

void TestPageRenderer::pdfFailureLeavesExistingFileAlone() {
    QFETCH(bool, withPage);
    QFETCH(QString, target);
    QTemporaryDir dir;
    const QString old = dir.filePath("old.pdf");
    QFile file(old);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("previous contents");
    file.close();
    ReportDocument document;
    if (withPage)
        document.pages.append(ReportPage());

    QVERIFY_THROWS_EXCEPTION(ReportError, PdfExporter::write(document, dir.filePath(target)));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("previous contents"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList({"old.pdf"}));
}

QTEST_MAIN(TestPageRenderer)
#include "test_page_renderer.moc"
