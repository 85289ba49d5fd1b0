#include "BucklingTexts.h"

#include <QtTest>

// The design strength lines, from strengths set by hand: the engine's N and N mm written
// in kN and kN·m, the symbols of a column or a beam, and the words for a missing mode.
class TestBucklingTexts : public QObject {
    Q_OBJECT
  private slots:
    void strengthLines_data();
    void strengthLines();
};

void TestBucklingTexts::strengthLines_data() {
    QTest::addColumn<int>("load");
    QTest::addColumn<bool>("distortional");
    QTest::addColumn<QStringList>("expected"); // the lines as "symbol value unit"
    QTest::newRow("column with every mode")
        << int(TBucklingLoad::P) << true
        << QStringList{"Py 127,50 kN", "Pne 49,37 kN", "Pnℓ 40,58 kN",   "Pnd 87,02 kN",
                       "Pn 40,58 kN",  "Modo local ",  "φc·Pn 34,49 kN", "Pn/Ωc 22,55 kN"};
    QTest::newRow("beam without a second minimum")
        << int(TBucklingLoad::MinusMx) << false
        << QStringList{
               "My 7,50 kN·m", "Mne 6,00 kN·m", "Mnℓ 5,25 kN·m",   "Mnd sem mínimo distorcional ",
               "Mn 5,25 kN·m", "Modo local ",   "φb·Mn 4,72 kN·m", "Mn/Ωb 3,14 kN·m"};
}

void TestBucklingTexts::strengthLines() {
    QFETCH(int, load);
    QFETCH(bool, distortional);
    QFETCH(QStringList, expected);
    TBucklingResult result;
    result.Input.Load = static_cast<TBucklingLoad>(load);
    const bool moment = IsMoment(result.Input.Load);
    TDirectStrength& dsm = result.Dsm;
    dsm.Yield = moment ? 7.5e6 : 127500;
    dsm.Global = moment ? 6e6 : 49367;
    dsm.Local = moment ? 5.25e6 : 40581;
    if (distortional)
        dsm.Distortional = 87015;
    dsm.Nominal = *dsm.Local;
    dsm.Governs = TGoverningMode::Local;
    dsm.Phi = moment ? 0.9 : 0.85;
    dsm.Omega = moment ? 1.67 : 1.8;
    QStringList lines;
    for (const DirectStrengthRow& row :
         DirectStrengthRows(result, QLocale(QLocale::Portuguese, QLocale::Brazil)))
        lines << QStringLiteral("%1 %2 %3").arg(row.symbol, row.value, row.unit);
    QCOMPARE(lines, expected);
}

QTEST_GUILESS_MAIN(TestBucklingTexts)
#include "test_buckling_texts.moc"
