#include "PageFile.h"
#include "PageRenderer.h"
#include "ReportError.h"

#include <QPainter>
#include <QtTest>

#include <cmath>
#include <limits>
#include <sys/stat.h>

namespace {

PageItem item(PageItem::Kind kind, QRectF frame) {
    PageItem result;
    result.kind = kind;
    result.frame = frame;
    result.color = Qt::black;
    result.fill = Qt::white;
    result.penWidth = 0.26;
    return result;
}

ReportDocument sampleDocument() {
    PageItem text = item(PageItem::Kind::Text, QRectF(12.1, 18.5, 0, 0));
    text.text = QStringLiteral("Perímetro:   930,30 mm —");
    text.fontFamily = QStringLiteral("Arial");
    text.pointSize = 10;
    text.bold = true;
    PageItem rectangle = item(PageItem::Kind::Rectangle, QRectF(86.8, 186.5, 110.3, 69.8));
    rectangle.dashed = true;
    PageItem image = item(PageItem::Kind::Image, QRectF(88.9, 188.4, 105.8, 66.1));
    image.imageSize = QSizeF(105.83, 66.15);
    image.image = QImage(40, 25, QImage::Format_ARGB32);
    image.image.fill(QColor(255, 0, 0, 128));
    image.image.setPixelColor(3, 4, QColor(0, 128, 255));

    ReportDocument document;
    document.title = QStringLiteral("Perfil");
    document.pages = {ReportPage{{text, item(PageItem::Kind::Line, QRectF(26.9, 29.1, 156.4, 0)),
                                  rectangle, image}},
                      ReportPage{{image}}, ReportPage{}};
    return document;
}

// The header: signature 8 bytes, version 2, payload length 8, SHA-256 32, then the payload.
QByteArray damaged(QByteArray bytes, const QString& damage) {
    if (damage == "empty")
        return QByteArray();
    if (damage == "foreign")
        return QByteArray("\x89PNG\r\n\x1a\n", 8) + bytes.mid(8);
    if (damage == "truncated header")
        return bytes.left(30);
    if (damage == "truncated payload")
        return bytes.left(bytes.size() - 7);
    if (damage == "flipped payload byte")
        bytes[90] = static_cast<char>(bytes[90] ^ 0x10);
    if (damage == "newer version")
        bytes[9] = 2;
    return bytes;
}

// One item written field by field, independently of the encoder, so that each field can
// hold what a hostile file puts there; the header is made valid around it.
struct RawItem {
    quint8 kind = 3;
    QRectF frame{10, 10, 20, 20};
    qint8 colorType = 1; // QColor::Rgb
    qreal penWidth = 0.3;
    QString text;
    QString fontFamily;
    qreal pointSize = 0;
    QByteArray png;
    QSizeF imageSize{-1, -1};
    QSizeF paper{210, 297};
};

QByteArray pageFileWith(const RawItem& r) {
    QByteArray payload;
    QDataStream out(&payload, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out << QStringLiteral("t") << r.paper << quint32(1) << quint32(1) << r.kind << r.frame;
    for (int colour = 0; colour < 2; ++colour)
        out << r.colorType << quint16(0xffff) << quint16(0) << quint16(0) << quint16(0)
            << quint16(0);
    out << r.penWidth << false << r.text << r.fontFamily << r.pointSize << false << r.png
        << r.imageSize;
    QByteArray file("RPTPAGES", 8);
    QDataStream header(&file, QIODevice::Append);
    header << PageFile::Version << quint64(payload.size());
    return file + QCryptographicHash::hash(payload, QCryptographicHash::Sha256) + payload;
}

QByteArray png(QSize size) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

ReportDocument decoded(const QByteArray& bytes) {
    return PageFile::decode(bytes, QStringLiteral("x.pag"));
}

} // namespace

Q_DECLARE_METATYPE(RawItem)

class TestPageFile : public QObject {
    Q_OBJECT

  private slots:
    void saveThenLoadGivesIdenticalPages();
    void refusesDamagedOrForeignFiles_data();
    void refusesDamagedOrForeignFiles();
    void refusesFieldsThePainterCannotTake_data();
    void refusesFieldsThePainterCannotTake();
    void fuzzSeedsLoadAndPaintOrAreRefused();
    void refusesAPipeWithoutWaiting();
};

void TestPageFile::saveThenLoadGivesIdenticalPages() {
    QTemporaryDir dir;
    const QString path = dir.filePath("run.pag");
    const ReportDocument document = sampleDocument();
    PageFile::save(document, path);
    const ReportDocument loaded = PageFile::load(path);
    QCOMPARE(loaded.pages.size(), 3);
    QCOMPARE(loaded.pages[0].items[0].text, document.pages[0].items[0].text);
    QCOMPARE(loaded.pages[1].items[0].image.pixelColor(3, 4), QColor(0, 128, 255));
    QVERIFY(loaded == document);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList({"run.pag"}));
}

void TestPageFile::refusesDamagedOrForeignFiles_data() {
    QTest::addColumn<QString>("message");
    const QString broken = QStringLiteral("está danificado");
    const QString foreign = QStringLiteral("não é um arquivo de páginas");
    QTest::newRow("empty") << foreign;
    QTest::newRow("foreign") << foreign;
    QTest::newRow("truncated header") << broken;
    QTest::newRow("truncated payload") << broken;
    QTest::newRow("flipped payload byte") << broken;
    QTest::newRow("newer version") << QStringLiteral("tem a versão 2");
}

void TestPageFile::refusesDamagedOrForeignFiles() {
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString path = dir.filePath("run.pag");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(damaged(PageFile::encode(sampleDocument()), QTest::currentDataTag()));
    file.close();
    try {
        PageFile::load(path);
        QFAIL("a damaged file was accepted");
    } catch (const ReportError& error) {
        QVERIFY2(error.message().contains(message) && error.message().contains(path),
                 qPrintable(error.message()));
    }
}

void TestPageFile::refusesFieldsThePainterCannotTake_data() {
    QTest::addColumn<RawItem>("item");
    const qreal nan = std::numeric_limits<qreal>::quiet_NaN();
    const auto with = [](auto change) {
        RawItem item;
        change(item);
        return item;
    };
    QTest::newRow("negative colour type") << with([](RawItem& i) { i.colorType = -2; });
    QTest::newRow("extended rgb colour") << with([](RawItem& i) { i.colorType = 5; });
    QTest::newRow("kind 0") << with([](RawItem& i) { i.kind = 0; });
    QTest::newRow("kind 5") << with([](RawItem& i) { i.kind = 5; });
    QTest::newRow("NaN frame") << with([nan](RawItem& i) { i.frame.setX(nan); });
    QTest::newRow("huge frame") << with([](RawItem& i) { i.frame.setWidth(1e30); });
    QTest::newRow("infinite pen") << with([](RawItem& i) { i.penWidth = INFINITY; });
    QTest::newRow("negative pen") << with([](RawItem& i) { i.penWidth = -1; });
    QTest::newRow("text without size") << with([](RawItem& i) { i.kind = 1; });
    QTest::newRow("huge font") << with([](RawItem& i) {
        i.kind = 1;
        i.pointSize = 1e9;
    });
    QTest::newRow("endless font name")
        << with([](RawItem& i) { i.fontFamily = QString(5000, QLatin1Char('A')); });
    QTest::newRow("image not a png") << with([](RawItem& i) { i.png = "not a png"; });
    QTest::newRow("image too wide") << with([](RawItem& i) { i.png = png({30000, 1}); });
    QTest::newRow("NaN image size") << with([nan](RawItem& i) { i.imageSize = {nan, 1}; });
    QTest::newRow("paper without width") << with([](RawItem& i) { i.paper = {0, 297}; });
    QTest::newRow("infinite paper") << with([](RawItem& i) { i.paper = {210, INFINITY}; });
}

void TestPageFile::refusesFieldsThePainterCannotTake() {
    QFETCH(RawItem, item);
    // The unchanged item is a valid file: only the one field makes the difference.
    QCOMPARE(decoded(pageFileWith(RawItem{})).pages.size(), 1);
    QVERIFY_THROWS_EXCEPTION(ReportError, decoded(pageFileWith(item)));
}

// valid_* seeds of the page-file fuzzer load and paint; refused_* are refused.
void TestPageFile::fuzzSeedsLoadAndPaintOrAreRefused() {
    const QDir seeds(QStringLiteral(PERFIL_PAGE_SEEDS));
    const QStringList names = seeds.entryList(QDir::Files);
    QVERIFY(names.size() >= 2);
    for (const QString& name : names) {
        if (name.startsWith(QLatin1String("refused_"))) {
            QVERIFY_THROWS_EXCEPTION(ReportError, PageFile::load(seeds.filePath(name)));
            continue;
        }
        QVERIFY2(name.startsWith(QLatin1String("valid_")), qPrintable(name));
        const ReportDocument document = PageFile::load(seeds.filePath(name));
        QImage canvas(100, 140, QImage::Format_ARGB32);
        for (const ReportPage& page : document.pages) {
            QPainter painter(&canvas);
            PageRenderer::paintPage(painter, page);
        }
    }
}

void TestPageFile::refusesAPipeWithoutWaiting() {
    QTemporaryDir dir;
    const QByteArray fifo = QFile::encodeName(dir.filePath("pipe.pag"));
    QCOMPARE(::mkfifo(fifo.constData(), 0600), 0);
    try {
        PageFile::load(dir.filePath("pipe.pag"));
        QFAIL("a pipe was read as a page file");
    } catch (const ReportError& error) {
        QVERIFY2(error.message().contains(QStringLiteral("não é um arquivo comum")),
                 qPrintable(error.message()));
    }
}

QTEST_MAIN(TestPageFile)
#include "test_page_file.moc"
