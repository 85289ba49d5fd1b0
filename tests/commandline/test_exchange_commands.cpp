// The exchange modes of the command line, run as a script runs them.
#include "PerfilProcess.h"
#include "ProfileFile.h"

#include <QFile>
#include <QImage>
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

// The cells of one CSV record as RFC 4180 writes them.
QStringList CsvCells(const QString& record) {
    QStringList cells{QString()};
    bool quoted = false;
    for (qsizetype i = 0; i < record.size(); ++i) {
        const QChar c = record[i];
        if (c == QLatin1Char('"') && quoted && i + 1 < record.size() &&
            record[i + 1] == QLatin1Char('"'))
            cells.last() += record[++i];
        else if (c == QLatin1Char('"'))
            quoted = !quoted;
        else if (c == QLatin1Char(',') && !quoted)
            cells.append(QString());
        else
            cells.last() += c;
    }
    return cells;
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

    void csvHasTheJsonValuesAndAFailingRow() {
        QTemporaryDir dir;
        const QString comma = dir.filePath(QStringLiteral("a,\"b\".per"));
        QVERIFY(QFile::copy(Example("z"), comma));
        const QString missing = dir.filePath(QStringLiteral("none.per"));
        const Run run = Perfil({QStringLiteral("--csv"), Example("hat"), missing, comma});
        QCOMPARE(run.status, 1);
        QCOMPARE(run.err, QString());
        QStringList records = run.out.split(QStringLiteral("\r\n"));
        QCOMPARE(records.takeLast(), QString());
        QCOMPARE(records.size(), 4);
        const QStringList header = CsvCells(records[0]);
        QCOMPARE(header.first(), QStringLiteral("File"));
        QCOMPARE(header.last(), QStringLiteral("Error"));
        QCOMPARE(CsvCells(records[2]).first(), missing);
        QCOMPARE(CsvCells(records[2]).last(), QStringLiteral("File not found."));
        QCOMPARE(CsvCells(records[2]).size(), header.size());
        for (const auto& [row, file] : {std::pair(1, Example("hat")), std::pair(3, comma)}) {
            const QStringList cells = CsvCells(records[row]);
            QCOMPARE(cells.size(), header.size());
            QCOMPARE(cells.first(), file);
            const QJsonObject json =
                QJsonDocument::fromJson(Perfil({QStringLiteral("--json"), file}).out.toUtf8())
                    .object();
            QCOMPARE(json.size(), header.size() - 2);
            for (int i = 1; i < header.size() - 1; ++i)
                QCOMPARE(cells[i], json[header[i]].toVariant().toString());
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
