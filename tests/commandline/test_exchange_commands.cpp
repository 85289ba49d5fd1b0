// The exchange modes of the command line, run as a script runs them.
#include "ExactPoint.h"
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

// DXF LINE entities through the given points in turn, y upwards.
QByteArray Lines(const QList<QPointF>& points) {
    QByteArray text = "  0\nSECTION\n  2\nENTITIES\n";
    for (qsizetype i = 1; i < points.size(); ++i)
        text += QStringLiteral("  0\nLINE\n  8\n0\n 10\n%1\n 20\n%2\n 11\n%3\n 21\n%4\n")
                    .arg(points[i - 1].x())
                    .arg(points[i - 1].y())
                    .arg(points[i].x())
                    .arg(points[i].y())
                    .toLatin1();
    return text + "  0\nENDSEC\n  0\nEOF\n";
}

std::int32_t Int32At(const QByteArray& bytes, qsizetype at) {
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i)
        value |= std::uint32_t{static_cast<std::uint8_t>(bytes[at + i])} << (8 * i);
    return static_cast<std::int32_t>(value);
}

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

    // The centre-line of a channel 200 x 75 x 2,25 from a drawing: a web of 197,75 mm.
    void fromDxfKeepsHundredthsNameAndMaterial() {
        QTemporaryDir dir;
        const QString dxf = dir.filePath(QStringLiteral("ue.dxf"));
        WriteFile(dxf, Lines({{122.75, 230}, {50, 230}, {50, 32.25}, {122.75, 32.25}}));
        const QString per = dir.filePath(QStringLiteral("ue.per"));
        const Run import = Perfil({"--from-dxf", dxf, per, "--thickness", "2.25", "--name",
                                   "Ue 200x75x25x2,25", "--material", "Aço - 7,85"});
        QCOMPARE(import.status, 0);
        QCOMPARE(import.err, QStringLiteral("3 objetos importados do desenho DXF\n"));

        const Run json = Perfil({QStringLiteral("--json"), per});
        QCOMPARE(json.status, 0);
        const QJsonObject values = QJsonDocument::fromJson(json.out.toUtf8()).object();
        QCOMPARE(values[QStringLiteral("Perimeter")].toDouble(), 343.25);
        QCOMPARE(values[QStringLiteral("Area")].toDouble(), 772.3125);
        QCOMPARE(values[QStringLiteral("Yg")].toDouble(), 118.875);
        QCOMPARE(values[QStringLiteral("Density")].toDouble(), 7.85);
        QCOMPARE(values[QStringLiteral("Name")].toString(), QStringLiteral("Ue 200x75x25x2,25"));
        QCOMPARE(values[QStringLiteral("Material")].toString(), QStringLiteral("Aço - 7,85"));
        QCOMPARE(values[QStringLiteral("E")].toDouble(), 200000.0);
        QCOMPARE(values[QStringLiteral("Nu")].toDouble(), 0.3);
        QCOMPARE(values[QStringLiteral("Fy")].toDouble(), 250.0);

        // A reader of the original layout: the web's lower end, (50, 217.75), in whole
        // millimetres, and the flange's tip, (122.75, 217.75), likewise.
        const QByteArray bytes = Contents(per);
        const qsizetype record3 = 4 + 2 * 72;
        QCOMPARE(Int32At(bytes, 0), 3);
        QCOMPARE(Int32At(bytes, record3 + 20), 50);
        QCOMPARE(Int32At(bytes, record3 + 24), 218);
        QCOMPARE(Int32At(bytes, record3 + 28), 123);
        QCOMPARE(Int32At(bytes, record3 + 32), 218);
        QCOMPARE(Int32At(bytes, 4 + 3 * 72), -1); // a typed material
    }

    // Read back as the editor loads it: the name, the bend radius, the material and the
    // bars' height, which --horizontal makes the flanges' centre-line.
    void sectionIsSavedAsAProfile_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("radius");
        QTest::addColumn<QString>("material");
        QTest::addColumn<int>("materialIndex");
        QTest::addColumn<int>("bars");
        QTest::addColumn<double>("height");
        QTest::newRow("radius of the thickness, the first material")
            << QStringList{"Ue 200x75x25x2,25"} << "Ue 200x75x25x2,25" << 2.25 << "Aço - 7,75" << 0
            << 5 << 197.75;
        QTest::newRow("points, a radius and a typed material")
            << QStringList{"U 100.5x50x1.5", "--radius", "3,5", "--material", "Aço - 7,85"}
            << "U 100,5x50x1,50" << 3.5 << "Aço - 7,85" << -1 << 3 << 99.0;
        QTest::newRow("a listed material")
            << QStringList{"L 50x50x3", "--material", "Cobre - 8,87"} << "L 50x50x3,00" << 3.0
            << "Cobre - 8,87" << 4 << 2 << 48.5;
        QTest::newRow("turned") << QStringList{"U 100x50x2", "--horizontal", "--radius", "0"}
                                << "U 100x50x2,00" << 0.0 << "Aço - 7,75" << 0 << 3 << 49.0;
        QTest::newRow("welded I, no bends") << QStringList{"I 200x100x8x5"} << "I 200x100x8,00x5,00"
                                            << 0.0 << "Aço - 7,75" << 0 << 5 << 192.0;
    }
    void sectionIsSavedAsAProfile() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, name);
        QFETCH(double, radius);
        QFETCH(QString, material);
        QFETCH(int, materialIndex);
        QFETCH(int, bars);
        QFETCH(double, height);
        QTemporaryDir dir;
        const QString per = dir.filePath(QStringLiteral("section.per"));
        const Run run =
            Perfil(QStringList{QStringLiteral("--section")} + arguments + QStringList{per});
        QCOMPARE(run.err, QString());
        QCOMPARE(run.status, 0);
        const TProfileFileContents read = ReadProfileFile(QFile::encodeName(per).toStdString());
        QCOMPARE(QString::fromStdString(read.Info.Name), name);
        QCOMPARE(read.Info.BendRadius, radius);
        QCOMPARE(QString::fromStdString(read.Info.Material.Text), material);
        QCOMPARE(read.MaterialIndex, materialIndex);
        QCOMPARE(static_cast<int>(read.Records.size()), bars);
        std::int64_t top = INT64_MAX, bottom = INT64_MIN;
        for (const TProfileObject& o : read.Records)
            for (const TEnd end : {TEnd::P1, TEnd::P2}) {
                top = std::min(top, ExactPoint(o, end).Y);
                bottom = std::max(bottom, ExactPoint(o, end).Y);
            }
        QCOMPARE(static_cast<double>(bottom - top) / 100.0, height);
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
        QTest::newRow("name without import")
            << QStringList{"--png", "OUT", "--name", "x", "COPY"} << 2 << QString();
        QTest::newRow("two profiles to one drawing")
            << QStringList{"--dxf", "OUT", "COPY", "COPY"} << 2 << QString();
        const auto section = [](const char* name, QStringList arguments, const char* message) {
            QTest::newRow(name) << arguments << 2
                                << QStringLiteral("perfil: %1\nperfil --help mostra o uso.\n")
                                       .arg(QString::fromUtf8(message));
        };
        section("unknown type", {"--section", "Q 100x50x2", "OUT"},
                "--section: tipo de perfil desconhecido: \"Q\"; os tipos são U, Ue, Z, Ze, Z45, "
                "Cr, L, TR e I");
        section("type in another case", {"--section", "UE 200x75x25x2", "OUT"},
                "--section: tipo de perfil desconhecido: \"UE\"; os tipos são U, Ue, Z, Ze, Z45, "
                "Cr, L, TR e I");
        section("a dimension short", {"--section", "Ue 200x75x2,25", "OUT"},
                "--section: Ue tem 4 dimensões (bw x bf x D x t); foram dadas 3");
        section("no dimensions", {"--section", "L", "OUT"},
                "--section: L tem 3 dimensões (bf1 x bf2 x t); foram dadas 0");
        section("zero thickness", {"--section", "U 100x50x0", "OUT"},
                "--section: t deve ser maior que zero");
        section("negative flange", {"--section", "U 100x-50x2", "OUT"},
                "--section: bf deve ser maior que zero");
        section("not a number", {"--section", "Z 200x7,5,0x2", "OUT"},
                "--section: bf não é um número: \"7,5,0\"");
        section("a dimension left empty", {"--section", "TR 100xx2", "OUT"},
                "--section: falta o valor de b");
        section("thousandths", {"--section", "L 50x50x2,255", "OUT"},
                "--section: t tem mais de duas casas decimais: \"2,255\"; as dimensões vão ao "
                "centésimo de mm");
        section("flange within the wall", {"--section", "U 100x2x2", "OUT"},
                "--section: bf deve ser maior que t (2 mm)");
        section("lip within the wall", {"--section", "Ze 100x50x2x2", "OUT"},
                "--section: D deve ser maior que t (2 mm)");
        section("lips that meet", {"--section", "Ue 100x50x50x2", "OUT"},
                "--section: D deve ser menor que bw/2: os enrijecedores se encontrariam");
        section("web within the flanges", {"--section", "I 16x100x8x5", "OUT"},
                "--section: d deve ser maior que 2tf (16 mm)");
        section("too tall upright", {"--section", "Ue 300x85x25x3", "OUT"},
                "Ue 300x85x25x3,00 não cabe na área de desenho: altura de 297 mm (bw) para 250 "
                "mm de área; com --horizontal, cabe");
        section("too wide turned too", {"--section", "TR 420x300x3", "--horizontal", "OUT"},
                "TR 420x300x3,00 não cabe na área de desenho: altura de 297 mm (b) para 250 mm "
                "de área e largura de 417 mm (h) para 400 mm de área");
        section("radius without a section", {"--png", "OUT", "--radius", "2", "COPY"},
                "--radius e --horizontal valem só com --section");
        section("radius beyond the largest",
                {"--section", "U 100x50x2", "--radius", "100,5", "OUT"},
                "--radius espera o raio interno em mm, de 0 a 100");
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
