#include "PageFile.h"
#include "ReportError.h"

#include <QtTest>

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

} // namespace

class TestPageFile : public QObject {
    Q_OBJECT

  private slots:
    void saveThenLoadGivesIdenticalPages();
    void refusesDamagedOrForeignFiles_data();
    void refusesDamagedOrForeignFiles();
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

QTEST_MAIN(TestPageFile)
#include "test_page_file.moc"
