// The exchange modes of the command line, run as a script runs them.
#include "PerfilProcess.h"
#include "ProfileFile.h"

#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A DXF drawing of one 50 mm line and nothing else, as the oldest CAD programs write it.
const QByteArray OneLine = "  0\nSECTION\n  2\nENTITIES\n  0\nLINE\n  8\n0\n 10\n20\n 20\n30\n"
                           " 11\n70\n 21\n30\n  0\nENDSEC\n  0\nEOF\n";

struct Shape {
    int kind;
    TPoint p1, p2;
    double thickness;
    friend bool operator==(const Shape&, const Shape&) = default;
};

QList<Shape> Shapes(const QString& path) {
    TProfile profile;
    LoadProfile(profile, QFile::encodeName(path).toStdString());
    QList<Shape> shapes;
    for (const TProfileObject& o : profile.liveObjects())
        shapes.append({o.Kind, o.P1, o.isBar() ? o.P2 : TPoint{}, o.Thickness});
    return shapes;
}

// The records of a CSV file as Python's csv module reads them.
QList<QStringList> CsvRecords(const QString& path) {
    const Run python = Execute(
        QStringLiteral("python3"),
        {QStringLiteral("-c"),
         QStringLiteral("import csv, json, sys\n"
                        "print(json.dumps(list(csv.reader(open(sys.argv[1], newline='', "
                        "encoding='utf-8')))))"),
         path});
    QList<QStringList> records;
    for (const QJsonValue& record : QJsonDocument::fromJson(python.out.toUtf8()).array())
        records.append(record.toVariant().toStringList());
    return records;
}

} // namespace

class TestExchangeCommands : public QObject {
    Q_OBJECT
  private slots:
    void dxfRoundTrip_data() {
        QTest::addColumn<QString>("example");
        for (const char* name : {"angle", "appendices", "c-channel", "hat", "lipped-c", "z"})
            QTest::newRow(name) << Example(name);
    }
    void dxfRoundTrip() {
        QFETCH(QString, example);
        QTemporaryDir dir;
        const QString dxf = dir.filePath(QStringLiteral("out.dxf"));
        const QString back = dir.filePath(QStringLiteral("back.per"));
        QCOMPARE(Perfil({QStringLiteral("--dxf"), dxf, example}).status, 0);
        // The profile on standard output, the notice apart from it.
        const Run run = Execute(QStringLiteral(PERFIL_BINARY),
                                {QStringLiteral("--from-dxf"), dxf, QStringLiteral("-")},
                                QStringLiteral("pt_BR.UTF-8"), back);
        QCOMPARE(run.status, 0);
        QVERIFY2(run.err.endsWith(QStringLiteral(" objetos importados do desenho DXF\n")),
                 qPrintable(run.err));
        QCOMPARE(Shapes(back), Shapes(example));
    }

    void fromDxfTakesTheThicknessGiven_data() {
        QTest::addColumn<QStringList>("option");
        QTest::addColumn<double>("thickness");
        QTest::newRow("the box's value at start") << QStringList() << 1.0;
        QTest::newRow("decimal point") << QStringList{"--thickness", "2.5"} << 2.5;
        QTest::newRow("decimal comma") << QStringList{"--thickness", "0,3"} << 0.3;
    }
    void fromDxfTakesTheThicknessGiven() {
        QFETCH(QStringList, option);
        QFETCH(double, thickness);
        QTemporaryDir dir;
        const QString dxf = dir.filePath(QStringLiteral("line.dxf"));
        WriteFile(dxf, OneLine);
        const QString per = dir.filePath(QStringLiteral("line.per"));
        QCOMPARE(Perfil(QStringList{"--from-dxf", dxf, per} + option).status, 0);
        QCOMPARE(Shapes(per), QList<Shape>({{okBar, {20, 220}, {70, 220}, thickness}}));
    }

    // Numbers are compared as numbers: the two outputs need not spell them alike.
    void csvHasTheJsonValuesAndAFailingRow() {
        QTemporaryDir dir;
        const QString quoted = dir.filePath(QStringLiteral("a,\"b\".per"));
        const QString broken = dir.filePath(QStringLiteral("line\nbreak.per"));
        QVERIFY(QFile::copy(Example("z"), quoted));
        QVERIFY(QFile::copy(Example("z"), broken));
        // A closed section has no shear centre: empty cells where JSON has null.
        const QString closed = dir.filePath(QStringLiteral("triangle.per"));
        TProfile triangle;
        const TPoint corners[] = {{20, 20}, {100, 20}, {60, 80}};
        for (int i = 0; i < 3; ++i) {
            triangle.createObject(okBar, corners[i], 20);
            triangle.Objects(i + 1).P2 = corners[(i + 1) % 3];
        }
        SaveProfile(triangle, QFile::encodeName(closed).toStdString());
        const QString missing = dir.filePath(QStringLiteral("none.per"));
        const QString csv = dir.filePath(QStringLiteral("out.csv"));
        const Run run = Execute(QStringLiteral(PERFIL_BINARY),
                                {QStringLiteral("--csv"), Example("hat"), missing, quoted, broken, closed},
                                QStringLiteral("pt_BR.UTF-8"), csv);
        QCOMPARE(run.status, 1);
        QCOMPARE(run.err, QString());
        QVERIFY(Contents(csv).endsWith("\r\n"));
        const QList<QStringList> records = CsvRecords(csv);
        QCOMPARE(records.size(), 6);
        const QStringList& header = records[0];
        QCOMPARE(header.first(), QStringLiteral("File"));
        QCOMPARE(header.last(), QStringLiteral("Error"));
        QCOMPARE(records[2].first(), missing);
        QCOMPARE(records[2].last(), QStringLiteral("File not found."));
        QCOMPARE(records[2].size(), header.size());
        for (const auto& [row, file] :
             {std::pair(1, Example("hat")), std::pair(3, quoted), std::pair(4, broken),
              std::pair(5, closed)}) {
            const QStringList& cells = records[row];
            QCOMPARE(cells.size(), header.size());
            QCOMPARE(cells.first(), file);
            QCOMPARE(cells.last(), QString());
            const QJsonObject json =
                QJsonDocument::fromJson(Perfil({QStringLiteral("--json"), file}).out.toUtf8())
                    .object();
            QCOMPARE(json.size(), header.size() - 2);
            for (int i = 1; i < header.size() - 1; ++i) {
                const QJsonValue value = json[header[i]];
                bool number = false;
                const double cell = cells[i].toDouble(&number);
                if (value.isDouble())
                    QVERIFY2(number && cell == value.toDouble(), qPrintable(header[i]));
                else
                    QCOMPARE(cells[i], value.toString());
            }
        }
    }

    void jsonWritesALinePerFile() {
        const QString missing = QStringLiteral("/nonexistent-folder/none.per");
        const Run run = Perfil({QStringLiteral("--json"), Example("angle"), missing});
        QCOMPARE(run.status, 1);
        const QStringList lines = run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        QJsonObject first = QJsonDocument::fromJson(lines[0].toUtf8()).object();
        QCOMPARE(first.take(QStringLiteral("File")).toString(), Example("angle"));
        QCOMPARE(first, QJsonDocument::fromJson(
                            Perfil({QStringLiteral("--json"), Example("angle")}).out.toUtf8())
                            .object());
        QCOMPARE(QJsonDocument::fromJson(lines[1].toUtf8()).object(),
                 QJsonObject({{"File", missing}, {"Error", "File not found."}}));
    }

    void picturesOfTheDrawing() {
        QTemporaryDir dir;
        const QString png = dir.filePath(QStringLiteral("hat.png"));
        const QString svg = dir.filePath(QStringLiteral("hat.svg"));
        QCOMPARE(Perfil({QStringLiteral("--png"), png, Example("hat")}).status, 0);
        QCOMPARE(Perfil({QStringLiteral("--svg"), svg, Example("hat")}).status, 0);
        const QImage image(png);
        QCOMPARE(image.size(), QSize(400, 250));
        QCOMPARE(image.pixel(65, 200) | 0xff000000u, qRgb(0, 0, 0)); // the left brim
        QVERIFY(Contents(svg).contains(R"(width="400mm" height="250mm")"));
    }

    void refusals_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::newRow("import over its own drawing")
            << QStringList{"--from-dxf", "COPY", "COPY"} << 2 << QString();
        QTest::newRow("not a DXF drawing") << QStringList{"--from-dxf", "COPY", "OUT"} << 1
                                           << QStringLiteral("O arquivo não é um desenho DXF "
                                                             "completo.\n");
        QTest::newRow("thickness without import")
            << QStringList{"--png", "OUT", "--thickness", "1", "COPY"} << 2 << QString();
        QTest::newRow("thickness out of range")
            << QStringList{"--from-dxf", "COPY", "OUT", "--thickness", "0"} << 2 << QString();
        QTest::newRow("two profiles to one drawing")
            << QStringList{"--dxf", "OUT", "COPY", "COPY"} << 2 << QString();
    }
    void refusals() {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString copy = dir.filePath(QStringLiteral("copy.per"));
        QVERIFY(QFile::copy(Example("hat"), copy));
        arguments.replaceInStrings(QStringLiteral("COPY"), copy);
        arguments.replaceInStrings(QStringLiteral("OUT"), dir.filePath(QStringLiteral("out")));
        const Run run = Perfil(arguments);
        QCOMPARE(run.status, status);
        if (message.isEmpty())
            QVERIFY2(run.err.contains(QStringLiteral("--help")), qPrintable(run.err));
        else
            QCOMPARE(run.err, message);
        QCOMPARE(Contents(copy), Contents(Example("hat")));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("out"))));
    }
};

QTEST_MAIN(TestExchangeCommands)
#include "test_exchange_commands.moc"
