#include "BucklingPanel.h"
#include "SectionPropertiesWindow.h"
#include "WindowFixture.h"

#include <QComboBox>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSignalSpy>
#include <QTableWidget>

namespace {

const QString Examples = QStringLiteral(PERFIL_EXAMPLES);

// The design strength table's value beside symbol.
QString Shown(const QTableWidget& table, const QString& symbol) {
    for (int row = 0; row < table.rowCount(); ++row)
        if (table.item(row, 0)->text() == symbol)
            return table.item(row, 1)->text();
    qFatal("no line %s", qPrintable(symbol));
}

// The Buckling object of `perfil --json --buckling` for the file and load.
QJsonObject CommandLineBuckling(const QString& file, const QString& load) {
    QProcess perfil;
    perfil.start(QStringLiteral(PERFIL_BINARY),
                 {QStringLiteral("--json"), QStringLiteral("--buckling"), QStringLiteral("--load"),
                  load, file});
    if (!perfil.waitForFinished(60000))
        qFatal("perfil did not finish");
    return QJsonDocument::fromJson(perfil.readAllStandardOutput())
        .object()
        .value(QStringLiteral("Buckling"))
        .toObject();
}

// A strength in N or N mm as the table writes it, in kN or kN m.
QString Expected(const QJsonValue& value, bool moment, const QString& missing) {
    if (value.isNull())
        return missing;
    return QLocale().toString(value.toDouble() / (moment ? 1e6 : 1e3), 'f', 2);
}

BucklingPanel* OpenPanel(WindowFixture& f, const QString& file) {
    f.window.openProfile(Examples + QLatin1Char('/') + file);
    f.window.showBucklingPanel();
    BucklingPanel* panel = f.window.propertiesWindow()->bucklingPanel();
    if (!panel->shown() || panel->updating())
        QSignalSpy(panel, &BucklingPanel::outcomeShown).wait(20000);
    return panel;
}

} // namespace

class TestBucklingPanel : public QObject {
    Q_OBJECT
  private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil)); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void workerDropsStaleRequestsAndNeverGoesBack();
    void showsTheAnalysisOfTheProfile_data();
    void showsTheAnalysisOfTheProfile();
    void followsTheUndoHistory();
};

void TestBucklingPanel::workerDropsStaleRequestsAndNeverGoesBack() {
    WindowFixture f;
    f.window.openProfile(Examples + QStringLiteral("/lipped-c.per"));
    BucklingWorker worker;
    QList<int> delivered;
    connect(&worker, &BucklingWorker::finished, this,
            [&delivered](int number, const auto&) { delivered << number; });
    constexpr int Requests = 5;
    for (int i = 0; i < Requests; ++i)
        worker.request(f.window.profile().liveObjects(), TBucklingInput{});
    QTRY_COMPARE_WITH_TIMEOUT(delivered.value(delivered.size() - 1), Requests, 20000);
    QVERIFY2(delivered.size() < Requests, "every stale request was analysed");
    QVERIFY2(std::ranges::adjacent_find(delivered, std::ranges::greater_equal{}) == delivered.end(),
             "a result came back after a newer one");
}

void TestBucklingPanel::showsTheAnalysisOfTheProfile_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("load"); // index in the load box
    QTest::addColumn<QString>("loadName");
    QTest::newRow("lipped C in compression") << QStringLiteral("lipped-c.per") << 0 << "P";
    QTest::newRow("lipped C, top compressed") << QStringLiteral("lipped-c.per") << 1 << "Mx";
    QTest::newRow("plain channel in compression") << QStringLiteral("c-channel.per") << 0 << "P";
}

// Against the command line's analysis of the same file and load.
void TestBucklingPanel::showsTheAnalysisOfTheProfile() {
    QFETCH(QString, file);
    QFETCH(int, load);
    QFETCH(QString, loadName);
    WindowFixture f;
    BucklingPanel* panel = OpenPanel(f, file);
    if (load != 0) {
        QSignalSpy shown(panel, &BucklingPanel::outcomeShown);
        panel->findChild<QComboBox*>(QStringLiteral("LoadBox"))->setCurrentIndex(load);
        QVERIFY(shown.wait(20000));
    }
    const QJsonObject b = CommandLineBuckling(Examples + QLatin1Char('/') + file, loadName);
    const bool moment = load != 0;
    const QString s = moment ? QStringLiteral("M") : QStringLiteral("P");
    const QJsonObject dsm = b.value("Dsm").toObject();
    const QTableWidget& table = panel->strengthTable();
    QCOMPARE(Shown(table, s + "ne"), Expected(dsm.value(moment ? "Me" : "Ne"), moment, {}));
    QCOMPARE(Shown(table, s + "nℓ"),
             Expected(dsm.value(moment ? "Ml" : "Nl"), moment, "sem mínimo local"));
    QCOMPARE(Shown(table, s + "nd"),
             Expected(dsm.value(moment ? "Md" : "Nd"), moment, "sem mínimo distorcional"));
    QCOMPARE(Shown(table, s + "n"), Expected(dsm.value(moment ? "M" : "N"), moment, {}));
    QCOMPARE(panel->shown()->Result.Local->Factor,
             b.value("Local").toObject().value("Factor").toDouble());
}

void TestBucklingPanel::followsTheUndoHistory() {
    WindowFixture f;
    BucklingPanel* panel = OpenPanel(f, QStringLiteral("lipped-c.per"));
    QVERIFY(!panel->shown()->Result.Curve.Points.empty());
    QSignalSpy shown(panel, &BucklingPanel::outcomeShown);
    f.window.undo(); // back to the empty profile
    QVERIFY(shown.wait(20000));
    QVERIFY(panel->shown()->Result.Curve.Points.empty());
    QCOMPARE(Shown(panel->strengthTable(), "Pn"), QStringLiteral("—"));
}

QTEST_MAIN(TestBucklingPanel)
#include "test_buckling_panel.moc"
