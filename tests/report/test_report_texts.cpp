#include "PointText.h"
#include "ReportTexts.h"

#include <QtTest>

#include <cmath>
#include <limits>

namespace {
const QLocale Comma(QLocale::Portuguese, QLocale::Brazil);
const QLocale FullStop = QLocale::c();
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Infinity = std::numeric_limits<double>::infinity();

// A horizontal bar of 200 mm2 in steel.
TSectionResults steelBar() {
    TSectionResults r;
    r.Density = 7.75;
    r.Perimeter = 930.3;
    r.Area = 200;
    r.Jxc = 8.333333;
    r.Jyc = 83333.333333;
    r.Xg = 60;
    r.Yg = 100;
    r.FibreX = 50;
    r.FibreY = 0.5;
    return r;
}
} // namespace

class TestReportTexts : public QObject {
    Q_OBJECT

  private slots:
    void sectionResults_data();
    void sectionResults();
    void numbers_data();
    void numbers();
    void points_data();
    void points();
    void profileName_data();
    void profileName();
};

void TestReportTexts::sectionResults_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<TSectionResults>("results");
    QTest::addColumn<QStringList>("texts");

    QTest::newRow("decimal comma")
        << Comma << steelBar()
        << QStringList({"Peso:     1,55 kg/m", "Perímetro:   930,30 mm", "Área:   200,00 mm2",
                        "jxc:     8,33 mm4", "jyc: 83333,33 mm4", "xg:    60,00 mm",
                        "yg:   100,00 mm", "wx:    16,67 mm3", "wy:  1666,67 mm3"});
    TSectionResults hostile = steelBar(); // zero fibre distances, no density, from a file
    hostile.FibreX = 0;
    hostile.FibreY = 0;
    hostile.Density = 0;
    hostile.Xg = -Infinity;
    hostile.Yg = NaN;
    QTest::newRow("full stop, values without a finite number")
        << FullStop << hostile
        << QStringList({"Peso:     0.00 kg/m", "Perímetro:   930.30 mm", "Área:   200.00 mm2",
                        "jxc:     8.33 mm4", "jyc: 83333.33 mm4", "xg:        — mm",
                        "yg:        — mm", "wx:        — mm3", "wy:        — mm3"});
}

void TestReportTexts::sectionResults() {
    QFETCH(QLocale, locale);
    QFETCH(TSectionResults, results);
    QFETCH(QStringList, texts);
    QCOMPARE(ReportTexts::sectionResults(results, locale), texts);
}

// "%8.2f" for results, shortest decimal for thicknesses.
void TestReportTexts::numbers_data() {
    QTest::addColumn<bool>("result");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("weight fills the field exactly") << true << Comma << 12345.678 << "12345,68";
    QTest::newRow("wider values are not cut") << true << Comma << 100000.0 << "100000,00";
    QTest::newRow("no group separator") << true << Comma << 1234567.891 << "1234567,89";
    QTest::newRow("negative") << true << FullStop << -3.14159 << "   -3.14";
    QTest::newRow("zero") << true << Comma << 0.0 << "    0,00";
    QTest::newRow("infinity") << true << FullStop << Infinity << "       —";

    QTest::newRow("thickness, one decimal") << false << Comma << 1.5 << "1,5";
    QTest::newRow("thickness, whole") << false << Comma << 2.0 << "2";
    QTest::newRow("thickness, no binary noise") << false << FullStop << 0.1 << "0.1";
    QTest::newRow("thickness, 15 digits") << false << Comma << 1.0 / 3 << "0,333333333333333";
    QTest::newRow("thickness, no group separator") << false << Comma << 1234.5 << "1234,5";
    QTest::newRow("thickness, not a number") << false << Comma << NaN << "—";
}

void TestReportTexts::numbers() {
    QFETCH(bool, result);
    QFETCH(QLocale, locale);
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(result ? ReportTexts::fixed8(value, locale) : ReportTexts::thickness(value, locale),
             text);
}

// A point never reads as one number: "; " between coordinates under a decimal comma.
void TestReportTexts::points_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<qint64>("x"); // hundredths
    QTest::addColumn<qint64>("y");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole, comma") << Comma << qint64(17500) << qint64(4000) << "175; 40";
    QTest::newRow("whole, full stop") << FullStop << qint64(17500) << qint64(4000) << "175, 40";
    QTest::newRow("one decimal") << Comma << qint64(17520) << qint64(4000) << "175,2; 40";
    QTest::newRow("two decimals") << FullStop << qint64(19775) << qint64(5) << "197.75, 0.05";
    QTest::newRow("negative, no group") << Comma << qint64(-123450) << qint64(-1) << "-1234,5; -0,01";
}

void TestReportTexts::points() {
    QFETCH(QLocale, locale);
    QFETCH(qint64, x);
    QFETCH(qint64, y);
    QFETCH(QString, text);
    QCOMPARE(PointText({x, y}, locale), text);
}

void TestReportTexts::profileName_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("text");
    QTest::newRow("its own name") << "Ue 200x75x25x2,25" << "/p/ue.per"
                                  << "Nome do perfil: Ue 200x75x25x2,25";
    QTest::newRow("the file's base name") << "" << "/p/caixa.v2.per" << "Nome do perfil: caixa.v2";
    QTest::newRow("neither") << "" << "" << "Nome do perfil: XXXXXXXXXXXXX";
}

void TestReportTexts::profileName() {
    QFETCH(QString, name);
    QFETCH(QString, file);
    QFETCH(QString, text);
    QCOMPARE(ReportTexts::profileName(name.toStdString(), file), text);
}

QTEST_MAIN(TestReportTexts)
#include "test_report_texts.moc"
