#include "PerfilProcess.h"
#include "Profile.h"
#include "ProfileFile.h"

#include <QCryptographicHash>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <limits>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>

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

// Bars given as (x1, y1, x2, y2), 2 mm thick.
TProfile Bars(std::initializer_list<std::array<int, 4>> bars) {
    TProfile p;
    for (const auto& [x1, y1, x2, y2] : bars) {
        p.createObject(okBar, {x1, y1}, 20);
        p.Objects(p.ObjectCount()).P2 = {x2, y2};
    }
    return p;
}

// A channel, web 100 at x = 100 and flanges of 50, 2 mm thick.
TProfile Channel() {
    return Bars({{150, 50, 100, 50}, {100, 50, 100, 150}, {100, 150, 150, 150}});
}

} // namespace

Q_DECLARE_METATYPE(TProfile)

class TestCommandLine : public QObject {
    Q_OBJECT

  private slots:
    void properties_data();
    void properties();
    void materialOverride();
    void zeroDensityIsWarnedAbout_data();
    void zeroDensityIsWarnedAbout();
    void json();
    void jsonEngineeringProperties_data();
    void jsonEngineeringProperties();
    void sharpCornersAreSaid_data();
    void sharpCornersAreSaid();
    void jsonBuckling();
    void bucklingText();
    void engineeringPdf_data();
    void engineeringPdf();
    void allProperties();
    void jsonWritesNullForNoFiniteModulus();
    void pdf();
    void helpNamesTheProgram();
    void errors_data();
    void errors();
    void failedPdfKeepsTheOldFile();
    void hostileFilesPrint_data();
    void hostileFilesPrint();
    void outputThatIsTheInputIsRefused_data();
    void outputThatIsTheInputIsRefused();
    void pdfToStandardOutput();
    void failedStandardOutputFails_data();
    void failedStandardOutputFails();
    void pdfOnAFullDiskKeepsTheOldPdf();
    void fileNamesPassByteForByte();
    void replacementIsSyncedBeforeTheRename();
    void faultsDuringASaveKeepTheOldFile_data();
    void faultsDuringASaveKeepTheOldFile();
    void jsonStaysJsonForHostileTexts();
    void usersWhoCannotReplaceAFileRewriteIt_data();
    void usersWhoCannotReplaceAFileRewriteIt();
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

void TestCommandLine::zeroDensityIsWarnedAbout_data() {
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("material");
    QTest::addColumn<bool>("warned");
    QTest::newRow("properties, no density") << "--properties"
                                            << "Titânio" << true;
    QTest::newRow("properties, a density") << "--properties"
                                           << "Titânio - 4,5" << false;
}

// Scripts get their results and status as always, and a word on standard error.
void TestCommandLine::zeroDensityIsWarnedAbout() {
    QFETCH(QString, mode);
    QFETCH(QString, material);
    QFETCH(bool, warned);
    const Run run = Perfil({mode, QStringLiteral("--material"), material, Example("hat")});
    QCOMPARE(run.status, 0);
    QVERIFY(!run.out.isEmpty());
    QCOMPARE(run.err.contains(QStringLiteral("densidade")), warned);
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

void TestCommandLine::sharpCornersAreSaid_data() {
    QTest::addColumn<double>("radius");
    QTest::addColumn<QString>("corners"); // as --json lists them; empty: no such key
    QTest::addColumn<QString>("notice");  // on standard error with --properties
    QTest::newRow("sharp corners asked for") << 0.0 << ""
                                             << "";
    QTest::newRow("every corner rounded") << 2.0 << "[]"
                                          << "";
    // A tangent of 50 + 1 is longer than either flange.
    QTest::newRow("flanges too short")
        << 50.0 << "[[100, 50], [100, 150]]"
        << "Aviso: canto vivo em (100; 50): sem espaço para a dobra.\n"
           "Aviso: canto vivo em (100; 150): sem espaço para a dobra.\n";
}

void TestCommandLine::sharpCornersAreSaid() {
    QFETCH(double, radius);
    QFETCH(QString, corners);
    QFETCH(QString, notice);
    TProfile profile = Channel();
    TProfileInfo info = profile.info();
    info.BendRadius = radius;
    profile.setInfo(info);
    QTemporaryDir dir;
    const QString file = Saved(dir, "p.per", profile);
    const Run json = Perfil({QStringLiteral("--json"), file});
    QCOMPARE(json.status, 0);
    const QJsonObject o = QJsonDocument::fromJson(json.out.toUtf8()).object();
    QCOMPARE(QString::fromUtf8(
                 QJsonDocument(o.value("SharpCorners").toArray()).toJson(QJsonDocument::Compact))
                 .replace(u',', QStringLiteral(", ")),
             corners.isEmpty() ? QStringLiteral("[]") : corners);
    QCOMPARE(o.contains("SharpCorners"), !corners.isEmpty());
    const Run properties = Perfil({QStringLiteral("--properties"), file});
    QCOMPARE(properties.status, 0);
    QCOMPARE(properties.err, notice);
}

void TestCommandLine::jsonEngineeringProperties_data() {
    QTest::addColumn<TProfile>("profile");
    QTest::addColumn<QString>("wall");
    QTest::addColumn<QVariantMap>("values"); // NaN: null
    const double h = 100, b = 50, t = 2;
    QTest::newRow("channel") << Channel() << "open"
                             << QVariantMap{{"J", (2 * b + h) * t * t * t / 3},
                                            {"Xs", 100 - 3 * b * b / (h + 6 * b)}};
    QTest::newRow("tube")
        << Bars({{20, 20, 100, 20}, {100, 20, 100, 60}, {100, 60, 20, 60}, {20, 60, 20, 20}})
        << "closed"
        << QVariantMap{{"J", 4 * (80.0 * 40) * (80.0 * 40) / (240 / t)}, {"Xs", qQNaN()}};
    // Angle of legs 100 (up) and 50 (right), 2 mm thick: A = 300, the centroid 25/3 right
    // of the corner and 100/3 above it. Own terms: L^2 (t L) / 12 along a leg,
    // t^2 (t L) / 12 across it.
    const double jxc = 100.0 * 100 * 200 / 12 + 200 * std::pow(50.0 / 3, 2) + 4.0 * 100 / 12 +
                       100 * std::pow(100.0 / 3, 2);
    const double jyc = 4.0 * 200 / 12 + 200 * std::pow(25.0 / 3, 2) + 50.0 * 50 * 100 / 12 +
                       100 * std::pow(50.0 / 3, 2);
    QTest::newRow("unequal angle")
        << Bars({{100, 0, 100, 100}, {100, 100, 150, 100}}) << "open"
        << QVariantMap{{"Rx", std::sqrt(jxc / 300)}, {"Ry", std::sqrt(jyc / 300)}};
    // A sloping bar is a thin strip without a minor moment, whatever its rounding leaves.
    QTest::newRow("sloping bar") << Bars({{100, 100, 101, 111}}) << "open"
                                 << QVariantMap{{"R2", 0.0}};
}

void TestCommandLine::jsonEngineeringProperties() {
    QFETCH(TProfile, profile);
    QFETCH(QString, wall);
    QFETCH(QVariantMap, values);
    QTemporaryDir dir;
    const Run run = Perfil({QStringLiteral("--json"), Saved(dir, "p.per", profile)});
    QCOMPARE(run.status, 0);
    const QJsonObject o = QJsonDocument::fromJson(run.out.toUtf8()).object();
    QCOMPARE(o.value("Wall").toString(), wall);
    for (auto [name, expected] : values.asKeyValueRange()) {
        const double value = expected.toDouble();
        if (qIsNaN(value))
            QVERIFY2(o.value(name).isNull(), qPrintable(name));
        else
            QVERIFY2(o.value(name).isDouble() &&
                         qAbs(o.value(name).toDouble() - value) <= 1e-9 * value + 1e-6,
                     qPrintable(name));
    }
    for (const char* name : {"Jxy", "I1", "I2", "Theta", "Rx", "Ry", "R1", "R2", "Ys", "Cw"})
        QVERIFY2(o.contains(QLatin1String(name)), name);
}

// The keys scripts read, and the reference moment fy Ix / c worked out by hand for the
// lipped C: web 160 t3 / 12 + flanges 2 (70 t) 80^2 + lips 2 t (80^3 - 60^3) / 3 = 2 152 000
// mm4 about y = 120, c = 80.
void TestCommandLine::jsonBuckling() {
    const Run run = Perfil({"--json", "--buckling", "--load", "-Mx", "--length", "2500", "--fy",
                            "300", Example("lipped-c")});
    QCOMPARE(run.status, 0);
    const QJsonObject b =
        QJsonDocument::fromJson(run.out.toUtf8()).object().value("Buckling").toObject();
    QCOMPARE(b.keys(), (QStringList{"Curve", "Distortional", "Dsm", "E", "Fy", "Global", "Length",
                                    "Load", "Local", "Nu", "Reference"}));
    QCOMPARE(b.value("Load").toString(), QStringLiteral("-Mx"));
    QCOMPARE(b.value("Length").toDouble(), 2500.0);
    QCOMPARE(b.value("Fy").toDouble(), 300.0);
    QCOMPARE(b.value("E").toDouble(), 200000.0);
    QCOMPARE(b.value("Nu").toDouble(), 0.3);
    QVERIFY(qAbs(b.value("Reference").toDouble() / (300 * 2152000.0 / 80) - 1) < 1e-12);
    QCOMPARE(b.value("Global").toObject().value("HalfWave").toDouble(), 2500.0);
    QVERIFY(b.value("Local").toObject().contains("Factor"));
    QVERIFY(b.value("Curve").toArray().size() >= 60);
    const QJsonObject dsm = b.value("Dsm").toObject();
    QCOMPARE(dsm.keys(), (QStringList{"Governs", "M", "Md", "Me", "Ml", "Omega", "Phi"}));
    const double m = dsm.value("M").toDouble();
    QCOMPARE(m, std::min({dsm.value("Me").toDouble(), dsm.value("Ml").toDouble(),
                          dsm.value("Md").toDouble()}));
    QVERIFY(qAbs(dsm.value("Phi").toDouble() - 0.9 * m) < 1e-9 * m);
    QVERIFY(qAbs(dsm.value("Omega").toDouble() - m / 1.67) < 1e-9 * m);

    // Without --fy the profile's material gives fy too; E and nu always.
    TProfile steel;
    LoadProfile(steel, QFile::encodeName(Example("lipped-c")).toStdString());
    TProfileInfo info = steel.info();
    info.Name = "Ue 150x60x20x2";
    info.Material = {"Aço - 7,85", 190000, 0.25, 345};
    steel.setInfo(info);
    const QTemporaryDir dir;
    const QString file = Saved(dir, "steel.per", steel);
    for (const auto& [fy, expected] : {std::pair{QStringList{}, 345.0}, {{"--fy", "300"}, 300.0}}) {
        const QJsonObject material =
            QJsonDocument::fromJson(
                Perfil(QStringList{"--json", "--buckling", file} + fy).out.toUtf8())
                .object()
                .value("Buckling")
                .toObject();
        QCOMPARE(material.value("Fy").toDouble(), expected);
        QCOMPARE(material.value("E").toDouble(), 190000.0);
        QCOMPARE(material.value("Nu").toDouble(), 0.25);
    }
    // The engineering report likewise, under the profile's own name.
    const QString pdf = dir.filePath(QStringLiteral("steel.pdf"));
    QCOMPARE(Perfil({"--engineering-pdf", pdf, file}).status, 0);
    const QString text = Execute(QStringLiteral("pdftotext"), {"-layout", pdf, "-"}).out;
    for (const char* line :
         {"Perfil: Ue 150x60x20x2", "Material: Aço - 7,85; E = 190000 MPa, ν = 0,25, fy = 345 MPa"})
        QVERIFY2(text.contains(QString::fromUtf8(line)), line);

    const Run two = Perfil({"--json", "--buckling", Example("z"), Example("hat")});
    QCOMPARE(two.status, 0);
    for (const QString& line : two.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        QVERIFY2(QJsonDocument::fromJson(line.toUtf8()).object().value("Buckling").isObject(),
                 qPrintable(line));
}

// In the user's numbers; a plain channel has no second minimum and says so.
void TestCommandLine::bucklingText() {
    const Run run = Perfil({"--buckling", Example("c-channel")});
    QCOMPARE(run.status, 0);
    const Run json = Perfil({"--json", "--buckling", Example("c-channel")});
    const QJsonObject local = QJsonDocument::fromJson(json.out.toUtf8())
                                  .object()
                                  .value("Buckling")
                                  .toObject()
                                  .value("Local")
                                  .toObject();
    const QString factor = QString::number(local.value("Factor").toDouble(), 'f', 4)
                               .replace(QLatin1Char('.'), QLatin1Char(','));
    QVERIFY2(run.out.contains(QStringLiteral("\nLocal: fator ") + factor + QStringLiteral(" em ")),
             qPrintable(run.out));
    QVERIFY2(run.out.contains(QStringLiteral("Distorcional: sem mínimo distorcional\n")),
             qPrintable(run.out));
    QVERIFY2(run.out.contains(QStringLiteral("Pnd: sem mínimo distorcional\n")),
             qPrintable(run.out));
}

void TestCommandLine::engineeringPdf_data() {
    QTest::addColumn<QString>("example");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("nominal"); // the strength's key and its symbol in the report
    QTest::newRow("lipped C in compression") << "lipped-c" << QStringList{} << "N";
    QTest::newRow("lipped C, bottom compressed, short, stronger")
        << "lipped-c" << QStringList{"--load", "-Mx", "--length", "2000", "--fy", "345"} << "M";
    QTest::newRow("plain channel") << "c-channel" << QStringList{"--fy", "300"} << "N";
}

// The report read back by poppler holds the minima and the strengths --json gives for the
// same options, in the user's numbers: factors to three decimals, kN or kN·m to two.
void TestCommandLine::engineeringPdf() {
    QFETCH(QString, example);
    QFETCH(QStringList, options);
    QFETCH(QString, nominal);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("e.pdf"));
    QCOMPARE(Perfil(QStringList{"--engineering-pdf", pdf, Example(qPrintable(example))} + options)
                 .status,
             0);
    const QString text = Execute(QStringLiteral("pdftotext"), {"-layout", pdf, "-"}).out;
    const QJsonObject b =
        QJsonDocument::fromJson(
            Perfil(QStringList{"--json", "--buckling", Example(qPrintable(example))} + options)
                .out.toUtf8())
            .object()
            .value("Buckling")
            .toObject();
    const auto decimals = [](double value, int places) {
        return QString::number(value, 'f', places).replace(QLatin1Char('.'), QLatin1Char(','));
    };
    for (const char* mode : {"Local", "Distortional"}) {
        const QJsonValue point = b.value(QLatin1String(mode));
        if (point.isNull())
            continue;
        const QString factor = decimals(point.toObject().value("Factor").toDouble(), 3);
        QVERIFY2(text.contains(QStringLiteral(": fator ") + factor), qPrintable(factor));
    }
    const QJsonObject dsm = b.value("Dsm").toObject();
    const double unit = nominal == "M" ? 1e6 : 1e3;
    const QString symbol = nominal == "M" ? QStringLiteral("M") : QStringLiteral("P");
    for (const auto& [key, shown] : {std::pair{"e", "ne"}, {"", "n"}, {"d", "nd"}}) {
        const QJsonValue value = dsm.value(nominal + QLatin1String(key));
        const QString strength = value.isNull() ? QStringLiteral("sem mínimo distorcional")
                                                : decimals(value.toDouble() / unit, 2);
        const QRegularExpression line(
            QStringLiteral("\\n\\s*%1%2\\s+%3\\s")
                .arg(symbol, QLatin1String(shown), QRegularExpression::escape(strength)));
        QVERIFY2(text.contains(line), qPrintable(line.pattern()));
    }
}

// The nine lines exactly as --properties writes them, then the engineering lines.
void TestCommandLine::allProperties() {
    QTemporaryDir dir;
    const QString file = Saved(dir, "c.per", Channel());
    const Run nine = Perfil({QStringLiteral("--properties"), file});
    const Run all = Perfil({QStringLiteral("--all-properties"), file});
    QCOMPARE(all.status, 0);
    QVERIFY(all.out.startsWith(nine.out));
    const QStringList extra =
        all.out.mid(nine.out.size()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    // The shear centre 3 b2 / (h + 6 b) behind the web, which lies b2 / (h + 2 b) from the
    // centroid; the left face 1 beyond the web, Jyc = h t3 / 12 + 2 b3 t / 12 + (h + 2 b) t (b/4)2.
    const double xs = 100 - 3.0 * 50 * 50 / (100 + 6 * 50);
    const double jyc = 100 * 8 / 12.0 + 2 * 125000 * 2 / 12.0 + 4 * 100 * 12.5 * 12.5;
    QLocale locale(QLocale::Portuguese, QLocale::Brazil);
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    for (const auto& [symbol, value, unit] :
         {std::tuple{"xs", xs, "mm"}, {"x0", xs - 112.5, "mm"}, {"Wy esq.", jyc / 13.5, "mm3"}})
        QVERIFY2(extra.contains(QLatin1String(symbol) + QStringLiteral(": ") +
                                locale.toString(value, 'f', 2).rightJustified(8) +
                                QLatin1Char(' ') + QLatin1String(unit)),
                 qPrintable(all.out));
    QVERIFY(extra.contains(QStringLiteral("Parede:   aberta")));

    const QString tube =
        Saved(dir, "t.per",
              Bars({{20, 20, 100, 20}, {100, 20, 100, 60}, {100, 60, 20, 60}, {20, 60, 20, 20}}));
    const QStringList tubeLines =
        Perfil({QStringLiteral("--all-properties"), tube}).out.split('\n');
    QVERIFY(tubeLines.contains(QStringLiteral("xs:        — mm (seção fechada)")));
    QVERIFY(tubeLines.contains(QStringLiteral("βy:        — mm (seção fechada)")));
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
    for (const char* expected : {"PERFIL", "Nome do perfil: c-channel", "Peso:", "4,34 kg/m",
                                 "Barras:", "110; 40", "50; 200", "Perfil do desenho:"}) {
        const int found = text.indexOf(QString::fromUtf8(expected), at);
        QVERIFY2(found >= 0, expected);
        at = found;
    }
    QVERIFY(!text.contains(QStringLiteral("Apêndices"))); // the channel has none

    // The layout's classic font names reach the page as the faces they are mapped to at
    // start-up, not as whatever the system's own matching would pick.
    QProcess pdffonts;
    pdffonts.start(QStringLiteral("pdffonts"), {out});
    QVERIFY(pdffonts.waitForFinished(30000));
    const QStringList rows = QString::fromUtf8(pdffonts.readAllStandardOutput()).split('\n');
    static const QRegularExpression mapped(
        QStringLiteral("^([A-Z]{6}\\+)?(Liberation(Sans|Serif)|Arimo|Tinos|C059|TeXGyreSchola)"));
    QVERIFY(rows.size() > 3);
    for (const QString& row : rows.mid(2, rows.size() - 3))
        QVERIFY2(mapped.match(row).hasMatch(), qPrintable(row));
}

void TestCommandLine::helpNamesTheProgram() {
    const Run run = Perfil({QStringLiteral("--help")});
    QCOMPARE(run.status, 0);
    QVERIFY2(run.out.startsWith(QStringLiteral("Usage: perfil [options] [FILE.per...]\n")),
             qPrintable(run.out));
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
    QTest::newRow("finite input overflowing")
        << QStringList{"--properties", "--material", "A - 1e308", Example("hat")} << 1
        << QStringLiteral("Floating point overflow.\n");
    QTest::newRow("pipe as profile")
        << QStringList{"--properties", "PIPE"} << 1
        << QStringLiteral(
               "O arquivo não é um arquivo comum: pipes e dispositivos não são lidos.\n");
    QTest::newRow("pdf into a pipe nobody reads")
        << QStringList{"--pdf", "PIPE", Example("hat")} << 1
        << QStringLiteral("Não foi possível gravar o PDF \"PIPE\": I/O error %1.\n").arg(ENXIO);
    QTest::newRow("pdf onto a full device")
        << QStringList{"--pdf", "/dev/full", Example("hat")} << 1
        << QStringLiteral("Não foi possível gravar o PDF \"/dev/full\": I/O error %1.\n")
               .arg(ENOSPC);
    QTest::newRow("pdf onto a link loop")
        << QStringList{"--pdf", "LOOP", Example("hat")} << 1
        << QStringLiteral("Não foi possível gravar o PDF \"LOOP\": Invalid filename.\n");
    for (const char* kind : {"DXF", "SVG", "PNG"})
        QTest::newRow(qPrintable(QStringLiteral("%1 onto a full device").arg(kind)))
            << QStringList{QStringLiteral("--") + QString::fromLatin1(kind).toLower(), "/dev/full",
                           Example("hat")}
            << 1
            << QStringLiteral("Não foi possível gravar o %1 \"/dev/full\": I/O error %2.\n")
                   .arg(QLatin1String(kind))
                   .arg(ENOSPC);
    // Usage errors: the first line, in Portuguese, the parser's own messages included.
    QTest::newRow("unknown option")
        << QStringList{"--bogus"} << 2 << QStringLiteral("opção desconhecida: bogus");
    QTest::newRow("missing value")
        << QStringList{"--pdf"} << 2 << QStringLiteral("falta o valor de --pdf");
    QTest::newRow("mode without file")
        << QStringList{"--properties"} << 2 << QStringLiteral("falta o arquivo de perfil");
    QTest::newRow("two modes") << QStringList{"--json", "--properties", Example("hat")} << 2
                               << QStringLiteral("--properties, --all-properties, --json, --pdf");
    QTest::newRow("material in the editor") << QStringList{"--material", "X - 1", Example("hat")}
                                            << 2 << QStringLiteral("--material vale só");
    QTest::newRow("repeated output") << QStringList{"--pdf", "OUT", "--pdf=OUT", Example("hat")}
                                     << 2 << QStringLiteral("--pdf dada mais de uma vez");
    QTest::newRow("unknown load") << QStringList{"--buckling", "--load", "N", Example("hat")} << 2
                                  << QStringLiteral("--load espera P, Mx, My, -Mx ou -My");
    QTest::newRow("length not positive")
        << QStringList{"--buckling", "--length", "-5", Example("hat")} << 2
        << QStringLiteral("--length espera");
    QTest::newRow("length beyond the matrices' digits")
        << QStringList{"--buckling", "--length", "100001", Example("hat")} << 2
        << QStringLiteral("--length espera o comprimento em mm, maior que zero e até 100000");
    QTest::newRow("fy without buckling") << QStringList{"--fy", "300", Example("hat")} << 2
                                         << QStringLiteral("--load, --length e --fy valem só");
    QTest::newRow("buckling beside the engineering report")
        << QStringList{"--buckling", "--engineering-pdf", "OUT", Example("hat")} << 2
        << QStringLiteral("--buckling vale sozinho ou com --json");
    QTest::newRow("buckling beside pdf")
        << QStringList{"--buckling", "--pdf", "OUT", Example("hat")} << 2
        << QStringLiteral("--buckling vale sozinho ou com --json");
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
    const QString pipe = dir.filePath(QStringLiteral("pipe"));
    QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString loop = dir.filePath(QStringLiteral("loop"));
    QVERIFY(QFile::link(loop, loop));
    arguments.replaceInStrings(QStringLiteral("PIPE"), pipe);
    arguments.replaceInStrings(QStringLiteral("LOOP"), loop);
    message.replace(QStringLiteral("PIPE"), pipe).replace(QStringLiteral("LOOP"), loop);

    const Run run = Perfil(arguments);
    QCOMPARE(run.status, status);
    QCOMPARE(run.out, QString());
    if (status == 2) {
        QVERIFY2(run.err.startsWith(QStringLiteral("perfil: ") + message), qPrintable(run.err));
        QVERIFY2(run.err.contains(QStringLiteral("--help")), qPrintable(run.err));
    } else {
        QCOMPARE(run.err, message);
    }
    QVERIFY(!QFileInfo(pipe).isFile() && QFileInfo(pipe).exists());
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
        // Only a section without area, or one whose finite values overflow, is refused;
        // nothing may crash.
        QCOMPARE(run.status, 1);
        const QStringList refusals{QStringLiteral("Invalid floating point operation.\n"),
                                   QStringLiteral("Floating point overflow.\n")};
        QVERIFY2(refusals.contains(run.err), qPrintable(run.err));
    }
}

void TestCommandLine::outputThatIsTheInputIsRefused_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("through a symbolic link") << "symlink";
    QTest::newRow("through a hard link") << "hardlink";
}

void TestCommandLine::outputThatIsTheInputIsRefused() {
    QFETCH(QString, how);
    QTemporaryDir dir;
    const QString input = dir.filePath(QStringLiteral("x.per"));
    QVERIFY(QFile::copy(Example("hat"), input));
    QString output = input;
    if (how == QLatin1String("symlink")) {
        output = dir.filePath(QStringLiteral("link.pdf"));
        QVERIFY(QFile::link(input, output));
    } else if (how == QLatin1String("hardlink")) {
        output = dir.filePath(QStringLiteral("hard.pdf"));
        QCOMPARE(
            ::link(QFile::encodeName(input).constData(), QFile::encodeName(output).constData()), 0);
    }
    const Run run = Perfil({QStringLiteral("--pdf"), output, input});
    QCOMPARE(run.status, 2);
    QVERIFY2(run.err.contains(QStringLiteral("é o próprio arquivo de entrada")),
             qPrintable(run.err));
    QCOMPARE(Contents(input), Contents(Example("hat")));
}

void TestCommandLine::pdfToStandardOutput() {
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("piped.pdf"));
    const Run run = Execute(QStringLiteral(PERFIL_BINARY),
                            {QStringLiteral("--pdf"), QStringLiteral("-"), Example("hat")},
                            QStringLiteral("pt_BR.UTF-8"), out);
    QCOMPARE(run.status, 0);
    const QByteArray pdf = Contents(out);
    QVERIFY(pdf.startsWith("%PDF-"));
    QVERIFY(pdf.trimmed().endsWith("%%EOF"));
    QVERIFY(!QFile::exists(QStringLiteral("-")));
}

// A full disk behind standard output shows only when the output is flushed and closed.
// A closed one is said to be closed, and no file opened later takes its place.
void TestCommandLine::failedStandardOutputFails_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<QString>("message");
    const QString full = QStringLiteral("I/O error %1").arg(ENOSPC);
    const QString closed =
        QStringLiteral("Não foi possível escrever na saída padrão: ela está fechada.\n");
    QTest::newRow("properties") << QStringList{"--properties", Example("hat")} << false << full;
    QTest::newRow("pdf") << QStringList{"--pdf", "-", Example("hat")} << false << full;
    QTest::newRow("properties, closed")
        << QStringList{"--properties", Example("hat")} << true << closed;
    QTest::newRow("dxf, closed") << QStringList{"--dxf", "-", Example("hat")} << true << closed;
}

void TestCommandLine::failedStandardOutputFails() {
    QFETCH(QStringList, arguments);
    QFETCH(bool, closed);
    QFETCH(QString, message);
    const Run run =
        closed ? PerfilFromShell(
                     QStringLiteral("exec \"$P\" %1 >&-").arg(arguments.join(QLatin1Char(' '))))
               : Execute(QStringLiteral(PERFIL_BINARY), arguments, QStringLiteral("pt_BR.UTF-8"),
                         QStringLiteral("/dev/full"));
    QCOMPARE(run.status, 1);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
}

// A file size limit fails writes as a full disk does.
void TestCommandLine::pdfOnAFullDiskKeepsTheOldPdf() {
    QTemporaryDir dir;
    const QString old = dir.filePath(QStringLiteral("old.pdf"));
    QCOMPARE(Perfil({QStringLiteral("--pdf"), old, Example("c-channel")}).status, 0);
    const QByteArray before = Contents(old);
    const Run run = PerfilFromShell(
        QStringLiteral("ulimit -f 40; exec \"$P\" --pdf '%1' '%2'").arg(old, Example("hat")));
    QCOMPARE(run.status, 1);
    QVERIFY2(run.err.contains(QStringLiteral("I/O error %1").arg(EFBIG)), qPrintable(run.err));
    QCOMPARE(Contents(old), before);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"old.pdf"});
}

// Latin-1 names, as older systems made them: bytes that are not UTF-8.
void TestCommandLine::fileNamesPassByteForByte() {
    QTemporaryDir dir;
    const QByteArray folder = QFile::encodeName(dir.path());
    const QByteArray input = folder + "/lat\xe7o.per";
    QVERIFY(QFile::copy(Example("hat"), QFile::decodeName(folder) + QStringLiteral("/plain.per")));
    QCOMPARE(::rename((folder + "/plain.per").constData(), input.constData()), 0);
    const Run run = PerfilFromShell(
        QStringLiteral("cd '%1' && \"$P\" --properties \"$(printf 'lat\\347o.per')\" && "
                       "\"$P\" --pdf \"$(printf 'out\\377.pdf')\" \"$(printf 'lat\\347o.per')\"")
            .arg(dir.path()));
    QCOMPARE(run.status, 0);
    QVERIFY2(run.out.startsWith(QStringLiteral("Peso:")), qPrintable(run.err));
    struct stat status {};
    QCOMPARE(::stat((folder + "/out\xff.pdf").constData(), &status), 0);
    QVERIFY(status.st_size > 0);
    // The tables name it with the byte escaped: JSON as the lone surrogate U+DCE7 that
    // Python's surrogateescape gives, CSV as \xe7.
    const Run tables = PerfilFromShell(
        QStringLiteral("cd '%1' && \"$P\" --json \"$(printf 'lat\\347o.per')\" '%2' && "
                       "\"$P\" --csv \"$(printf 'lat\\347o.per')\"")
            .arg(dir.path(), Example("z")));
    QCOMPARE(tables.status, 0);
    QVERIFY2(tables.out.startsWith(QStringLiteral("{\"File\": \"lat\\udce7o.per\", ")),
             qPrintable(tables.out));
    QVERIFY2(tables.out.contains(QStringLiteral("\r\nlat\\xe7o.per,")), qPrintable(tables.out));
}

// The replacement reaches the disk before it takes the old file's name, and its name
// tells what it is while it exists.
void TestCommandLine::replacementIsSyncedBeforeTheRename() {
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("old.pdf"));
    WriteFile(out, "previous report");
    const QString log = dir.filePath(QStringLiteral("trace"));
    const Run run =
        Execute(QStringLiteral("strace"),
                {QStringLiteral("-f"), QStringLiteral("-o"), log, QStringLiteral("-e"),
                 QStringLiteral("trace=openat,fsync,rename"), QStringLiteral(PERFIL_BINARY),
                 QStringLiteral("--pdf"), out, Example("hat")});
    QCOMPARE(run.status, 0);
    const QString trace = QString::fromUtf8(Contents(log));
    const QRegularExpression created(QStringLiteral(
        R"re(openat\(.*"(.*/\.old\.pdf\.perfil-save-[0-9a-f]{8})", O_WRONLY\|O_CREAT\|O_EXCL.*\) = (\d+))re"));
    const QRegularExpressionMatch temporary = created.match(trace);
    QVERIFY2(temporary.hasMatch(), qPrintable(trace.right(2000)));
    const qsizetype synced = trace.indexOf(
        QRegularExpression(QStringLiteral(R"(fsync\(%1\)\s+= 0)").arg(temporary.captured(2))),
        temporary.capturedEnd());
    const qsizetype renamed =
        trace.indexOf(QStringLiteral("rename(\"%1\", \"%2\") = 0").arg(temporary.captured(1), out));
    QVERIFY2(synced > 0, qPrintable(trace.right(2000)));
    QVERIFY2(renamed > synced, qPrintable(trace.right(2000)));
}

// Faults injected by strace: a step that fails once a file is partly rewritten in place
// puts the old bytes back; a save ended by a signal removes its half-written new file.
void TestCommandLine::faultsDuringASaveKeepTheOldFile_data() {
    QTest::addColumn<QString>("fault");
    QTest::addColumn<bool>("hardLinked"); // so rewritten in place
    QTest::newRow("in place, the truncation fails") << "ftruncate:error=EIO:when=1" << true;
    QTest::newRow("replaced, terminated") << "fsync:signal=SIGTERM:when=1" << false;
    QTest::newRow("replaced, hung up") << "fsync:signal=SIGHUP:when=1" << false;
}

void TestCommandLine::faultsDuringASaveKeepTheOldFile() {
    QFETCH(QString, fault);
    QFETCH(bool, hardLinked);
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("old.dxf"));
    // Longer than the drawing, so that a rewrite in place would shorten it.
    const QByteArray old(100000, 'x');
    WriteFile(out, old);
    QStringList files{QStringLiteral("old.dxf")};
    if (hardLinked) {
        files << QStringLiteral("other.dxf");
        QCOMPARE(::link(QFile::encodeName(out).constData(),
                        QFile::encodeName(dir.filePath(files.last())).constData()),
                 0);
    }
    const Run run =
        Execute(QStringLiteral("strace"),
                {QStringLiteral("-f"), QStringLiteral("-o"), QStringLiteral("/dev/null"),
                 QStringLiteral("-e"), QStringLiteral("inject=") + fault,
                 QStringLiteral(PERFIL_BINARY), QStringLiteral("--dxf"), out, Example("hat")});
    QVERIFY2(run.status != 0, qPrintable(run.err));
    QCOMPARE(Contents(out), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), files);
}

// Quotes, backslashes and control characters in the material text, and an infinite
// thickness in the file, must still give JSON.
void TestCommandLine::jsonStaysJsonForHostileTexts() {
    QTemporaryDir dir;
    TProfile profile;
    profile.createObject(okBar, {0, 0}, 10);
    profile.Objects(1).P2 = {100, 0};
    profile.Objects(1).Thickness = std::numeric_limits<double>::infinity();
    const QString material = QStringLiteral("a \"b\" \\c\x01\t\x1f - 7,75");
    const Run run = Perfil({QStringLiteral("--json"), QStringLiteral("--material"), material,
                            Saved(dir, "infinite.per", profile)});
    QCOMPARE(run.status, 0);
    QJsonParseError error;
    const QJsonObject o = QJsonDocument::fromJson(run.out.toUtf8(), &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(o.value("Material").toString(), material);
    QVERIFY(o.value("Area").isNull());
    // Qt's reader lets raw control characters pass; JSON forbids them in a string.
    QVERIFY(std::none_of(run.out.begin(), run.out.end() - 1,
                         [](QChar c) { return c.unicode() < 0x20; }));
}

// A user who may write another user's file but not give that owner to a new one gets the
// file rewritten in place: same file, same owner. A file size limit below the report
// fails the save before its first byte, leaving the old file whole. Runs as nobody,
// copying the program where nobody may run it.
void TestCommandLine::usersWhoCannotReplaceAFileRewriteIt_data() {
    QTest::addColumn<QString>("blocks"); // ulimit -f, in KiB
    QTest::addColumn<int>("status");
    QTest::newRow("no limit") << "unlimited" << 0;
    QTest::newRow("file size limit") << "16" << 1;
}

void TestCommandLine::usersWhoCannotReplaceAFileRewriteIt() {
    QFETCH(QString, blocks);
    QFETCH(int, status);
    const QString owner = QStringLiteral("root");
    const QString folderMode = QStringLiteral("1777");
    if (::geteuid() != 0)
        QSKIP("needs root to make files of other users");
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("old.pdf"));
    // Longer than the report: nothing is reserved, and the limit strikes mid-file.
    const QByteArray old(100000, 'x');
    WriteFile(out, old);
    const Run run = PerfilFromShell(
        QStringLiteral(
            "set -e; cd '%1'; cp \"$P\" perfil; cp '%2' in.per; chmod 755 . perfil; "
            "chmod 666 old.pdf; chown %3 old.pdf; chmod %4 .; "
            "ls -i old.pdf > before; ulimit -f %5; status=0; "
            "setpriv --reuid=nobody --regid=nogroup --clear-groups ./perfil --pdf old.pdf in.per "
            "|| status=$?; ls -i old.pdf > after; cmp before after; stat -c %U old.pdf; "
            "exit $status")
            .arg(dir.path(), Example("hat"), owner, folderMode, blocks));
    QCOMPARE(run.status, status);
    QCOMPARE(run.out.trimmed(), owner);
    if (status == 0) {
        QVERIFY(Contents(out).startsWith("%PDF-"));
    } else {
        QVERIFY2(run.err.contains(QStringLiteral("I/O error %1").arg(EFBIG)), qPrintable(run.err));
        QCOMPARE(Contents(out), old);
    }
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_command_line.moc"
