#include "BucklingPanel.h"
#include "SectionPropertiesWindow.h"
#include "WindowFixture.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolButton>

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

// Until the analysis asked for by the changes made so far is shown.
void Settle(BucklingPanel* panel) {
    QCoreApplication::processEvents();
    QTRY_VERIFY_WITH_TIMEOUT(!panel->updating(), 20000);
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
    void fyEditedInTheTabIsOneUndoStep();
    void showsAConstantFinerThanItsBoxWithoutRoundingIt();
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
    QTest::addColumn<double>("fy"); // MPa, set in the tab
    QTest::addColumn<double>("e");  // MPa, likewise
    QTest::newRow("lipped C in compression")
        << QStringLiteral("lipped-c.per") << 0 << "P" << 250.0 << 200000.0;
    QTest::newRow("lipped C, top compressed")
        << QStringLiteral("lipped-c.per") << 1 << "Mx" << 250.0 << 200000.0;
    QTest::newRow("plain channel in compression")
        << QStringLiteral("c-channel.per") << 0 << "P" << 250.0 << 200000.0;
    QTest::newRow("lipped C of another steel")
        << QStringLiteral("lipped-c.per") << 0 << "P" << 350.0 << 205000.0;
}

// Against the command line's analysis of the profile as saved, and the engineering
// report's input likewise.
void TestBucklingPanel::showsTheAnalysisOfTheProfile() {
    QFETCH(QString, file);
    QFETCH(int, load);
    QFETCH(QString, loadName);
    QFETCH(double, fy);
    QFETCH(double, e);
    WindowFixture f;
    BucklingPanel* panel = OpenPanel(f, file);
    panel->findChild<QComboBox*>(QStringLiteral("LoadBox"))->setCurrentIndex(load);
    panel->findChild<QDoubleSpinBox*>(QStringLiteral("FyBox"))->setValue(fy);
    panel->findChild<QDoubleSpinBox*>(QStringLiteral("EBox"))->setValue(e);
    Settle(panel);
    QTemporaryDir dir;
    const QString saved = dir.filePath(QStringLiteral("perfil.per"));
    f.dialogs->fileAnswers = {saved};
    f.control<QToolButton>("SpeedButton5")->click();
    const QJsonObject b = CommandLineBuckling(saved, loadName);
    QCOMPARE(b.value("Fy").toDouble(), fy);
    QCOMPARE(b.value("E").toDouble(), e);
    TBucklingInput reported;
    f.window.setEngineeringReportHook(
        [&reported](const TProfile&, const QString&, const QString&, const TBucklingInput& input) {
            reported = input;
        });
    panel->findChild<QPushButton*>(QStringLiteral("EngineeringReportButton"))->click();
    QCOMPARE(reported.Fy, fy);
    QCOMPARE(reported.E, e);
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

// Undone with the keys in the box just committed: the old value in the tab, in the profile
// panel above and in the profile.
void TestBucklingPanel::fyEditedInTheTabIsOneUndoStep() {
    WindowFixture f;
    BucklingPanel* panel = OpenPanel(f, QStringLiteral("lipped-c.per"));
    SectionPropertiesWindow* window = f.window.propertiesWindow();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    auto* fy = panel->findChild<QDoubleSpinBox*>(QStringLiteral("FyBox"));
    auto* profileFy = window->findChild<QLineEdit*>(QStringLiteral("fy"));
    const int steps = f.window.undoStack().index();
    fy->setFocus();
    fy->selectAll();
    QTest::keyClicks(fy, QStringLiteral("350"));
    QTest::keyClick(fy, Qt::Key_Return);
    Settle(panel);
    QCOMPARE(f.window.undoStack().index(), steps + 1);
    QCOMPARE(f.window.profile().info().Material.Fy, 350.0);
    QCOMPARE(profileFy->text(), QStringLiteral("350"));
    QCOMPARE(panel->shown()->Result.Input.Fy, 350.0);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
    Settle(panel);
    QCOMPARE(f.window.undoStack().index(), steps);
    QCOMPARE(f.window.profile().info().Material.Fy, 250.0);
    QCOMPARE(fy->value(), 250.0);
    QCOMPARE(profileFy->text(), QStringLiteral("250"));
    QCOMPARE(panel->shown()->Result.Input.Fy, 250.0);
}

// The box shows ν to two decimals; the profile and the analysis keep the value as typed
// in the profile panel.
void TestBucklingPanel::showsAConstantFinerThanItsBoxWithoutRoundingIt() {
    WindowFixture f;
    BucklingPanel* panel = OpenPanel(f, QStringLiteral("lipped-c.per"));
    auto* nu = f.window.propertiesWindow()->findChild<QLineEdit*>(QStringLiteral("nu"));
    const int steps = f.window.undoStack().index();
    nu->setText(QStringLiteral("0,285"));
    QTest::keyClick(nu, Qt::Key_Return);
    Settle(panel);
    QCOMPARE(f.window.undoStack().index(), steps + 1);
    QCOMPARE(f.window.profile().info().Material.Nu, 0.285);
    QCOMPARE(panel->shown()->Result.Input.Nu, 0.285);
}

QTEST_MAIN(TestBucklingPanel)
#include "test_buckling_panel.moc"
