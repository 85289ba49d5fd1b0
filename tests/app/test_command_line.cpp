#include "PerfilProcess.h"
#include "Profile.h"
#include "ProfileFile.h"

#include <QCryptographicHash>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The nine result lines for values computed by hand: prefix, the value right-aligned in
// eight characters, unit.
QString ResultLines(const QStringList& values) {
    static const QStringList prefixes = {
        "Peso: ", "Perímetro: ", "Área: ", "jxc: ", "jyc: ", "xg: ", "yg: ", "wx: ", "wy: "};
    static const QStringList units = {" kg/m", " mm", " mm2", " mm4", " mm4",
                                      " mm",   " mm", " mm3", " mm3"};
    QString lines;
    for (int i = 0; i < 9; ++i)
        lines += prefixes[i] + values[i].rightJustified(8) + units[i] + QLatin1Char('\n');
    return lines;
}

QByteArray FileHash(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

QString Saved(const QTemporaryDir& dir, const char* name, const TProfile& profile) {
    TProfile copy = profile;
    const QString path = dir.filePath(QLatin1String(name));
    SaveProfile(copy, QFile::encodeName(path).toStdString());
    return path;
}

} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT

  private slots:
    void properties_data();
    void properties();
    void materialOverride();
    void json();
    void jsonWritesNullForNoFiniteModulus();
    void pdf();
    void errors_data();
    void errors();
    void failedPdfKeepsTheOldFile();
    void hostileFilesPrint_data();
    void hostileFilesPrint();
};

void TestCommandLine::properties_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QStringList>("values");
    // Values worked out by hand from each profile's bars and appendices.
    QTest::newRow("c channel, comma")
        << Example("c-channel") << "pt_BR.UTF-8"
        << QStringList{"4,34",  "280,00", "560,00",   "2218746,67", "195535,24",
                       "62,86", "120,00", "27734,33", "4147,72"};
    QTest::newRow("c channel, full stop")
        << Example("c-channel") << "C.UTF-8"
        << QStringList{"4.34",  "280.00", "560.00",   "2218746.67", "195535.24",
                       "62.86", "120.00", "27734.33", "4147.72"};
    QTest::newRow("lipped c") << Example("lipped-c") << "pt_BR.UTF-8"
                              << QStringList{"3,95",       "340,00",    "510,00",
                                             "2152039,38", "375482,72", "82,65",
                                             "120,00",     "26900,49",  "7929,45"};
    QTest::newRow("z, aluminium") << Example("z") << "C.UTF-8"
                                  << QStringList{"1.88",       "280.00",    "700.00",
                                                 "2773489.58", "360208.33", "120.00",
                                                 "120.00",     "34668.62",  "6003.47"};
    QTest::newRow("unequal angle, iron")
        << Example("angle") << "pt_BR.UTF-8"
        << QStringList{"5,89",  "250,00", "750,00",   "1856475,00", "700337,50",
                       "70,00", "155,00", "17680,71", "8754,22"};
    QTest::newRow("hat") << Example("hat") << "pt_BR.UTF-8"
                         << QStringList{"6,82",   "440,00", "880,00",   "2016133,33", "2533493,33",
                                        "140,00", "140,00", "33602,22", "25334,93"};
    QTest::newRow("appendices, copper")
        << Example("appendices") << "pt_BR.UTF-8"
        << QStringList{"3,67",  "204,00", "414,00",   "686733,33", "115378,58",
                       "63,77", "100,00", "13734,67", "3184,45"};
}

void TestCommandLine::properties() {
    QFETCH(QString, file);
    QFETCH(QString, lang);
    QFETCH(QStringList, values);
    const QByteArray before = FileHash(file);
    QVERIFY2(!before.isEmpty(), qPrintable(file));
    const Run run = Perfil({QStringLiteral("--properties"), file}, lang);
    QCOMPARE(run.err, QString());
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out, ResultLines(values));
    QCOMPARE(FileHash(file), before);
}

void TestCommandLine::materialOverride() {
    const Run run = Perfil({QStringLiteral("--properties"), QStringLiteral("--material"),
                            QStringLiteral("Inox - 7.9"), Example("c-channel")});
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out.section(QLatin1Char('\n'), 0, 0), QStringLiteral("Peso:     4,42 kg/m"));
}

void TestCommandLine::json() {
    const Run run = Perfil({QStringLiteral("--json"), Example("appendices")}, "C.UTF-8");
    QCOMPARE(run.status, 0);
    QJsonParseError error;
    const QJsonObject o = QJsonDocument::fromJson(run.out.toUtf8(), &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);
    const std::pair<const char*, double> expected[] = {
        {"Density", 8.87},
        {"Perimeter", 204},
        {"Area", 414},
        {"SumAy", 41400},
        {"SumAx", 26400},
        {"Xg", 26400.0 / 414},
        {"Yg", 100},
        {"Jxc", 686733.3333333},
        {"Jyc", 115378.5797101},
        {"FibreX", 100 - 26400.0 / 414},
        {"FibreY", 50},
        {"Weight", 414 * 8.87 / 1000},
        {"Wx", 686733.3333333 / 50},
        {"Wy", 115378.5797101 / (100 - 26400.0 / 414)}};
    for (const auto& [name, value] : expected)
        QVERIFY2(qAbs(o.value(QLatin1String(name)).toDouble() - value) < 1e-6 * qMax(1.0, value),
                 name);
    QCOMPARE(o.value("ObjectCount").toInt(), 5);
    QCOMPARE(o.value("MaterialIndex").toInt(), 4);
    QCOMPARE(o.value("Material").toString(), QStringLiteral("Cobre - 8,87"));
    // Shortest round-trip text: whole numbers without a fraction.
    QVERIFY2(run.out.contains(QStringLiteral("\"Perimeter\": 204,")), qPrintable(run.out));
}

// A first object of zero thickness leaves a zero fibre distance: no finite modulus.
void TestCommandLine::jsonWritesNullForNoFiniteModulus() {
    QTemporaryDir dir;
    TProfile profile;
    profile.createObject(okAppendix, {0, 100}, 10);
    profile.Objects(1).Thickness = 0;
    profile.createObject(okBar, {10, 100}, 10);
    profile.Objects(2).P2 = {110, 100};
    const Run run = Perfil({QStringLiteral("--json"), Saved(dir, "flat.per", profile)});
    QCOMPARE(run.status, 0);
    const QJsonObject o = QJsonDocument::fromJson(run.out.toUtf8()).object();
    QVERIFY(o.value("Wx").isNull());
    QVERIFY(o.value("Wy").isDouble());
}

void TestCommandLine::pdf() {
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("c.pdf"));
    const Run run = Perfil({QStringLiteral("--pdf"), out, Example("c-channel")});
    QCOMPARE(run.status, 0);
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-layout"), out, QStringLiteral("-")});
    QVERIFY(pdftotext.waitForFinished(30000));
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    int at = 0;
    // pdftotext keeps the words and their order, not the padding blanks.
    for (const char* expected : {"PERFIL", "Nome do perfil", "Peso:", "4,34 kg/m", "Barras:",
                                 "110,40", "50,200", "Apêndices", "Perfil do desenho:"}) {
        const int found = text.indexOf(QString::fromUtf8(expected), at);
        QVERIFY2(found >= 0, expected);
        at = found;
    }
}

void TestCommandLine::errors_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    const QString missing = QStringLiteral("/nonexistent-folder/none.per");
    QTest::newRow("missing file") << QStringList{"--properties", missing} << 1
                                  << QStringLiteral("File not found.\n");
    QTest::newRow("truncated file") << QStringList{"--json", "TRUNCATED"} << 1
                                    << QStringLiteral("Arquivo de perfil inválido.\n");
    QTest::newRow("empty profile") << QStringList{"--properties", "EMPTY"} << 1
                                   << QStringLiteral("Invalid floating point operation.\n");
    QTest::newRow("empty profile to pdf") << QStringList{"--pdf", "OUT", "EMPTY"} << 1
                                          << QStringLiteral("Invalid floating point operation.\n");
    QTest::newRow("unknown option") << QStringList{"--bogus"} << 2 << QString();
    QTest::newRow("mode without file") << QStringList{"--properties"} << 2 << QString();
    QTest::newRow("two modes") << QStringList{"--json", "--properties", Example("hat")} << 2
                               << QString();
    QTest::newRow("material in the editor")
        << QStringList{"--material", "X - 1", Example("hat")} << 2 << QString();
}

void TestCommandLine::errors() {
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, message);
    QTemporaryDir dir;
    QFile truncated(dir.filePath(QStringLiteral("truncated.per")));
    QFile example(Example("c-channel"));
    QVERIFY(example.open(QIODevice::ReadOnly) && truncated.open(QIODevice::WriteOnly));
    truncated.write(example.readAll().chopped(1));
    truncated.close();
    arguments.replaceInStrings(QStringLiteral("TRUNCATED"), truncated.fileName());
    arguments.replaceInStrings(QStringLiteral("EMPTY"), Saved(dir, "empty.per", TProfile()));
    arguments.replaceInStrings(QStringLiteral("OUT"), dir.filePath(QStringLiteral("out.pdf")));

    const Run run = Perfil(arguments);
    QCOMPARE(run.status, status);
    QCOMPARE(run.out, QString());
    if (message.isEmpty())
        QVERIFY2(run.err.contains(QStringLiteral("--help")), qPrintable(run.err));
    else
        QCOMPARE(run.err, message);
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("out.pdf"))));
}

void TestCommandLine::failedPdfKeepsTheOldFile() {
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("old.pdf"));
    QFile old(out);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("previous report");
    old.close();
    const QString blocked = dir.filePath(QStringLiteral("not-a-folder"));
    QVERIFY(QFile(blocked).open(QIODevice::WriteOnly));

    QCOMPARE(
        Perfil({QStringLiteral("--pdf"), blocked + QStringLiteral("/x.pdf"), Example("c-channel")})
            .status,
        1);
    QCOMPARE(Perfil({QStringLiteral("--pdf"), out, Saved(dir, "empty.per", TProfile())}).status, 1);
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("previous report"));
}

// The fuzzer's seeds that must load: extreme coordinates, NaN thicknesses, odd kinds. The
// whole road (load, compute, draw, print) runs in the real program, which the sanitizer
// build checks for undefined behaviour.
void TestCommandLine::hostileFilesPrint_data() {
    QTest::addColumn<QString>("file");
    const QDir seeds(QStringLiteral(PERFIL_FUZZ_SEEDS));
    const QStringList names = seeds.entryList({QStringLiteral("valid_*.per")}, QDir::Files);
    QVERIFY(names.size() >= 3);
    for (const QString& name : names)
        QTest::newRow(qPrintable(name)) << seeds.filePath(name);
}

void TestCommandLine::hostileFilesPrint() {
    QFETCH(QString, file);
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("hostile.pdf"));
    const Run run = Perfil({QStringLiteral("--pdf"), out, file});
    if (run.status == 0) {
        QVERIFY(QFileInfo(out).size() > 0);
    } else {
        // Only a section without area is refused; nothing may crash.
        QCOMPARE(run.status, 1);
        QCOMPARE(run.err, QStringLiteral("Invalid floating point operation.\n"));
    }
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_command_line.moc"
