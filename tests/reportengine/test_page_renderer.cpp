#include "PageRenderer.h"
#include "PdfExporter.h"
#include "PrintContext.h"
#include "ReportError.h"
#include "ReportFonts.h"
#include "ReportImage.h"

#include <QPainter>
#include <QPicture>
#include <QtTest>

namespace {

constexpr int ScreenDpi = 96;

QPoint pixelAt(QPointF mm) {
    return QPoint(qFloor(mm.x() / 25.4 * ScreenDpi), qFloor(mm.y() / 25.4 * ScreenDpi));
}

// The element recorded on a 100 x 60 mm page and rendered at screen resolution, so that one
// image pixel at ratio 1 is one page pixel.
QImage render(const ReportElement& element) {
    ReportPage page;
    element.record(page, QPointF(10, 10), PrintContext{1, QDateTime::currentDateTime()});
    const QPoint size = pixelAt(QPointF(100, 60));
    QImage image(size.x(), size.y(), QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(ScreenDpi / 0.0254));
    image.setDotsPerMeterY(qRound(ScreenDpi / 0.0254));
    image.fill(Qt::white);
    QPainter painter(&image);
    PageRenderer::paintPage(painter, page);
    return image;
}

} // namespace

class TestPageRenderer : public QObject {
    Q_OBJECT

  private slots:
    void imageIsUnscaledAndClippedToItsFrame_data();
    void imageIsUnscaledAndClippedToItsFrame();
    void scaledDownImageKeepsThinLines();
    void textBackgroundCoversExactlyItsBox_data();
    void textBackgroundCoversExactlyItsBox();
    void classicFontsMapToInstalledFaces_data();
    void classicFontsMapToInstalledFaces();
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
    // 200 x 100 pixels, red with a green strip from column 150, in a 50 x 20 mm frame
    // (189 x 76 px) at paper (15, 15): the frame cuts the strip short and the rows below.
    QImage picture(200, 100, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QPainter(&picture).fillRect(150, 0, 50, 100, Qt::green);
    picture.setDevicePixelRatio(ratio);
    const QImage page = render(ReportImage("picture", QPointF(5, 5), QSizeF(50, 20), picture));
    const QPoint origin = pixelAt(QPointF(15, 15));
    const QPoint end = pixelAt(QPointF(65, 35));

    QCOMPARE(page.pixelColor(origin + QPoint(1, 1)), QColor(Qt::red));
    QCOMPARE(page.pixelColor(origin + QPoint(redWidth - 2, 5)), QColor(Qt::red));
    QCOMPARE(page.pixelColor(origin + QPoint(redWidth + 2, 5)), QColor(Qt::green));
    QCOMPARE(page.pixelColor(end + QPoint(2, -5)), QColor(Qt::white));
    QCOMPARE(page.pixelColor(origin + QPoint(5, end.y() - origin.y() + 2)), QColor(Qt::white));
}

// Black and white rows of one pixel, shown at half size as a zoomed-out preview shows the
// drawing: every row leaves its trace, so no page row is white and none black.
void TestPageRenderer::scaledDownImageKeepsThinLines() {
    QImage picture(200, 100, QImage::Format_RGB32);
    picture.fill(Qt::white);
    for (int y = 0; y < picture.height(); y += 2)
        QPainter(&picture).fillRect(0, y, picture.width(), 1, Qt::black);
    picture.setDevicePixelRatio(2.0);
    const QImage page = render(ReportImage("picture", QPointF(5, 5), QSizeF(50, 20), picture));
    const QPoint from = pixelAt(QPointF(30, 16));
    for (int y = from.y(); y < from.y() + 40; ++y) {
        const int grey = qGray(page.pixel(from.x(), y));
        QVERIFY2(grey > 0 && grey < 250, qPrintable(QStringLiteral("row %1: %2").arg(y).arg(grey)));
    }
}

void TestPageRenderer::textBackgroundCoversExactlyItsBox_data() {
    QTest::addColumn<int>("dpi");
    QTest::addColumn<bool>("throughPicture"); // recorded first, as the preview does
    QTest::addColumn<bool>("opaque");
    QTest::newRow("screen") << 96 << false << true;
    QTest::newRow("printer resolution") << 600 << false << true;
    QTest::newRow("replayed recording") << 96 << true << true;
    QTest::newRow("transparent text") << 96 << false << false;
}

void TestPageRenderer::textBackgroundCoversExactlyItsBox() {
    QFETCH(int, dpi);
    QFETCH(bool, throughPicture);
    QFETCH(bool, opaque);
    // Three labels in two fonts and two colours over a red field: each hides the red under
    // its own box, and only there, whatever font the label before it used.
    ReportPage page;
    PageItem field;
    field.kind = PageItem::Kind::Rectangle;
    field.frame = QRectF(5, 5, 90, 40);
    field.color = Qt::red;
    field.fill = Qt::red;
    page.items.append(field);
    const struct {
        QPointF at;
        const char* text;
        qreal points;
        bool bold;
    } labels[] = {{{10, 10}, "Perímetro:  1,50 mm", 10, false},
                  {{10, 20}, "PERFIL", 14, true},
                  {{10, 30}, "Área: 12345,68", 10, false}};
    for (const auto& label : labels) {
        PageItem item;
        item.frame = QRectF(label.at, QSizeF());
        item.color = label.bold ? Qt::darkBlue : Qt::black;
        item.fill = opaque ? QColor(Qt::white) : QColor();
        item.text = QString::fromUtf8(label.text);
        item.fontFamily = QStringLiteral("Liberation Sans");
        item.pointSize = label.points;
        item.bold = label.bold;
        page.items.append(item);
    }

    const qreal pixelsPerMm = dpi / 25.4;
    QImage image(qCeil(100 * pixelsPerMm), qCeil(50 * pixelsPerMm), QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    image.fill(Qt::white);
    if (throughPicture) {
        QPicture picture;
        {
            QPainter recorder(&picture);
            PageRenderer::paintPage(recorder, page);
        }
        QPainter(&image).drawPicture(0, 0, picture);
    } else {
        QPainter painter(&image);
        PageRenderer::paintPage(painter, page);
    }

    for (qsizetype i = 1; i < page.items.size(); ++i) {
        const PageItem& item = page.items[i];
        QFont font(item.fontFamily);
        font.setPointSizeF(item.pointSize);
        font.setBold(item.bold);
        const QFontMetricsF metrics(font, &image);
        const QRectF box(item.frame.topLeft() * pixelsPerMm,
                         QSizeF(metrics.horizontalAdvance(item.text), metrics.height()));
        int inside = 0;
        int redInside = 0;
        for (int y = qCeil(box.top()) + 1; y < qFloor(box.bottom()) - 1; ++y)
            for (int x = qCeil(box.left()) + 1; x < qFloor(box.right()) - 1; ++x, ++inside)
                redInside += image.pixelColor(x, y) == QColor(Qt::red);
        const QString tag = item.text;
        if (opaque)
            QVERIFY2(redInside == 0, qPrintable(tag));
        else
            QVERIFY2(redInside > inside / 2, qPrintable(tag)); // glyphs cover the rest
        QCOMPARE(image.pixelColor(qCeil(box.right()) + 2, qRound(box.center().y())),
                 QColor(Qt::red));
        QCOMPARE(image.pixelColor(qRound(box.center().x()), qCeil(box.bottom()) + 2),
                 QColor(Qt::red));
        QCOMPARE(image.pixelColor(qRound(box.center().x()), qFloor(box.top()) - 2),
                 QColor(Qt::red));
    }
}

void TestPageRenderer::classicFontsMapToInstalledFaces_data() {
    QTest::addColumn<QStringList>("faces");
    QTest::newRow("Arial") << QStringList({"Liberation Sans", "Arimo", "Arial"});
    QTest::newRow("MS Serif") << QStringList({"Liberation Serif", "Tinos"});
    QTest::newRow("Century Schoolbook")
        << QStringList({"C059", "TeX Gyre Schola", "Liberation Serif"});
}

void TestPageRenderer::classicFontsMapToInstalledFaces() {
    QFETCH(QStringList, faces);
    ReportFonts::installSubstitutions();
    const QString face = QFontInfo(QFont(QTest::currentDataTag())).family();
    QVERIFY2(faces.contains(face.section(QLatin1String(" ["), 0, 0)), qPrintable(face));
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
    QFile old(dir.filePath("old.pdf"));
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("previous contents");
    old.close();
    ReportDocument document;
    if (withPage)
        document.pages.append(ReportPage());

    QVERIFY_THROWS_EXCEPTION(
        ReportError,
        PdfExporter::write(document, QFile::encodeName(dir.filePath(target)).toStdString()));
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("previous contents"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList({"old.pdf"}));
}

QTEST_MAIN(TestPageRenderer)
#include "test_page_renderer.moc"
