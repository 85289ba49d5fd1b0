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
    void fixed8_data();
    void fixed8();
    void thickness_data();
    void thickness();
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
    QTest::newRow("full stop") << FullStop << steelBar()
                               << QStringList({"Peso:     1.55 kg/m", "Perímetro:   930.30 mm",
                                               "Área:   200.00 mm2", "jxc:     8.33 mm4",
                                               "jyc: 83333.33 mm4", "xg:    60.00 mm",
                                               "yg:   100.00 mm", "wx:    16.67 mm3",
                                               "wy:  1666.67 mm3"});
    TSectionResults noFibres = steelBar();
    noFibres.FibreX = 0;
    noFibres.FibreY = 0;
    noFibres.Density = 0;
    QTest::newRow("zero fibre distances and no density")
        << Comma << noFibres
        << QStringList({"Peso:     0,00 kg/m", "Perímetro:   930,30 mm", "Área:   200,00 mm2",
                        "jxc:     8,33 mm4", "jyc: 83333,33 mm4", "xg:    60,00 mm",
                        "yg:   100,00 mm", "wx:        — mm3", "wy:        — mm3"});
    TSectionResults hostile = steelBar();
    hostile.Area = NaN;
    hostile.Xg = -Infinity;
    QTest::newRow("not finite values from a file")
        << Comma << hostile
        << QStringList({"Peso:        — kg/m", "Perímetro:   930,30 mm", "Área:        — mm2",
                        "jxc:     8,33 mm4", "jyc: 83333,33 mm4", "xg:        — mm",
                        "yg:   100,00 mm", "wx:    16,67 mm3", "wy:  1666,67 mm3"});
}

void TestReportTexts::sectionResults() {
    QFETCH(QLocale, locale);
    QFETCH(TSectionResults, results);
    QFETCH(QStringList, texts);
    QCOMPARE(ReportTexts::sectionResults(results, locale), texts);
}

void TestReportTexts::fixed8_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("weight fills the field exactly") << Comma << 12345.678 << "12345,68";
    QTest::newRow("wider values are not cut") << Comma << 100000.0 << "100000,00";
    QTest::newRow("no group separator") << Comma << 1234567.891 << "1234567,89";
    QTest::newRow("negative") << FullStop << -3.14159 << "   -3.14";
    QTest::newRow("zero") << Comma << 0.0 << "    0,00";
    QTest::newRow("infinity") << FullStop << Infinity << "       —";
}

void TestReportTexts::fixed8() {
    QFETCH(QLocale, locale);
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(ReportTexts::fixed8(value, locale), text);
}

void TestReportTexts::thickness_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("one decimal") << Comma << 1.5 << "1,5";
    QTest::newRow("whole number") << Comma << 2.0 << "2";
    QTest::newRow("tenth, no binary noise") << FullStop << 0.1 << "0.1";
    QTest::newRow("fifteen significant digits") << Comma << 1.0 / 3 << "0,333333333333333";
    QTest::newRow("no group separator") << Comma << 1234.5 << "1234,5";
    QTest::newRow("not a number") << Comma << NaN << "—";
}

void TestReportTexts::thickness() {
    QFETCH(QLocale, locale);
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(ReportTexts::thickness(value, locale), text);
}

QTEST_MAIN(TestReportTexts)
#include "test_report_texts.moc"
