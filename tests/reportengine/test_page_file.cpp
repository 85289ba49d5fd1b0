#include "PageFile.h"
#include "ReportError.h"

#include <QCryptographicHash>
#include <QtTest>

namespace {

ReportDocument sampleDocument() {
    PageItem text;
    text.kind = PageItem::Kind::Text;
    text.frame = QRectF(12.1, 18.5, 0, 0);
    text.color = Qt::black;
    text.fill = Qt::white;
    text.text = QStringLiteral("Perímetro:   930,30 mm —");
    text.fontFamily = QStringLiteral("Arial");
    text.pointSize = 10;
    text.bold = true;

    PageItem line;
    line.kind = PageItem::Kind::Line;
    line.frame = QRectF(26.9, 29.1, 156.4, 0);
    line.color = Qt::black;
    line.penWidth = 0.53;

    PageItem rectangle;
    rectangle.kind = PageItem::Kind::Rectangle;
    rectangle.frame = QRectF(86.8, 186.5, 110.3, 69.8);
    rectangle.color = Qt::black;
    rectangle.fill = Qt::white;
    rectangle.penWidth = 0.26;
    rectangle.dashed = true;

    PageItem image;
    image.kind = PageItem::Kind::Image;
    image.frame = QRectF(88.9, 188.4, 105.8, 66.1);
    image.imageSize = QSizeF(105.83, 66.15);
    image.image = QImage(40, 25, QImage::Format_ARGB32);
    image.image.fill(QColor(255, 0, 0, 128));
    image.image.setPixelColor(3, 4, QColor(0, 128, 255));

    ReportDocument document;
    document.title = QStringLiteral("Perfil");
    document.paperSize = QSizeF(210, 297);
    document.pages = {ReportPage{{text, line, rectangle, image}}, ReportPage{{text, image}},
                      ReportPage{}};
    return document;
}

enum class Damage {
    None,
    Empty,
    Foreign,
    TruncatedHeader,
    TruncatedPayload,
    FlippedPayloadByte,
    NewerVersion,
    UnknownItemKind,
    TrailingBytes,
};

// Offsets of the format: signature 8, version 2, payload length 8, SHA-256 32.
constexpr int VersionOffset = 8;
constexpr int LengthOffset = 10;
constexpr int HashOffset = 18;
constexpr int PayloadOffset = 50;

// Rewrites the header so that only the payload's own content is wrong.
void reseal(QByteArray& bytes) {
    const QByteArray payload = bytes.mid(PayloadOffset);
    QByteArray length;
    QDataStream(&length, QIODevice::WriteOnly) << static_cast<quint64>(payload.size());
    bytes.replace(LengthOffset, 8, length);
    bytes.replace(HashOffset, 32, QCryptographicHash::hash(payload, QCryptographicHash::Sha256));
}

QByteArray damaged(QByteArray bytes, Damage damage) {
    switch (damage) {
    case Damage::None:
        break;
    case Damage::Empty:
        return QByteArray();
    case Damage::Foreign:
        return QByteArray("\x89PNG\r\n\x1a\n", 8) + bytes.mid(8, 200);
    case Damage::TruncatedHeader:
        return bytes.left(30);
    case Damage::TruncatedPayload:
        return bytes.left(bytes.size() - 7);
    case Damage::FlippedPayloadByte:
        bytes[PayloadOffset + 40] = static_cast<char>(bytes[PayloadOffset + 40] ^ 0x10);
        break;
    case Damage::NewerVersion:
        bytes[VersionOffset + 1] = 2;
        break;
    case Damage::UnknownItemKind: {
        // Title "Perfil" (4 + 12 bytes), paper size (16), page count (4), item count (4).
        bytes[PayloadOffset + 16 + 16 + 4 + 4] = 9;
        reseal(bytes);
        break;
    }
    case Damage::TrailingBytes:
        bytes.append("extra");
        reseal(bytes);
        break;
    }
    return bytes;
}

} // namespace

class TestPageFile : public QObject {
    Q_OBJECT

  private slots:
    void saveThenLoadGivesIdenticalPages();
    void saveReplacesAnExistingFile();
    void refusesDamagedOrForeignFiles_data();
    void refusesDamagedOrForeignFiles();
    void refusesMissingFile();
};

void TestPageFile::saveThenLoadGivesIdenticalPages() {
    QTemporaryDir dir;
    const QString path = dir.filePath("run.pag");
    const ReportDocument document = sampleDocument();
    PageFile::save(document, path);
    const ReportDocument loaded = PageFile::load(path);
    QCOMPARE(loaded.pages.size(), 3);
    QCOMPARE(loaded.pages[0].items.size(), 4);
    QCOMPARE(loaded.pages[0].items[0].text, document.pages[0].items[0].text);
    QCOMPARE(loaded.pages[0].items[3].image.pixelColor(3, 4), QColor(0, 128, 255));
    QVERIFY(loaded == document);
}

void TestPageFile::saveReplacesAnExistingFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath("run.pag");
    {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(100000, 'x'));
    }
    ReportDocument small = sampleDocument();
    small.pages.resize(1);
    PageFile::save(small, path);
    QVERIFY(PageFile::load(path) == small);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList({"run.pag"}));
}

void TestPageFile::refusesDamagedOrForeignFiles_data() {
    QTest::addColumn<Damage>("damage");
    QTest::addColumn<QString>("message");
    const QString broken = QStringLiteral("está danificado");
    QTest::newRow("empty file") << Damage::Empty << "não é um arquivo de páginas";
    QTest::newRow("foreign file") << Damage::Foreign << "não é um arquivo de páginas";
    QTest::newRow("truncated header") << Damage::TruncatedHeader << broken;
    QTest::newRow("truncated payload") << Damage::TruncatedPayload << broken;
    QTest::newRow("flipped payload byte") << Damage::FlippedPayloadByte << broken;
    QTest::newRow("newer version") << Damage::NewerVersion << "tem a versão 2";
    QTest::newRow("sealed, unknown item kind") << Damage::UnknownItemKind << broken;
    QTest::newRow("sealed, trailing bytes") << Damage::TrailingBytes << broken;
}

void TestPageFile::refusesDamagedOrForeignFiles() {
    QFETCH(Damage, damage);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString path = dir.filePath("run.pag");
    const QByteArray good = PageFile::encode(sampleDocument());
    QVERIFY(PageFile::decode(damaged(good, Damage::None), path) == sampleDocument());
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(damaged(good, damage));
    }
    try {
        PageFile::load(path);
        QFAIL("a damaged file was accepted");
    } catch (const ReportError& error) {
        QVERIFY2(error.message().contains(message), qPrintable(error.message()));
        QVERIFY(error.message().contains(path));
    }
}

void TestPageFile::refusesMissingFile() {
    QTemporaryDir dir;
    QVERIFY_THROWS_EXCEPTION(ReportError, PageFile::load(dir.filePath("none.pag")));
}

QTEST_MAIN(TestPageFile)
#include "test_page_file.moc"
