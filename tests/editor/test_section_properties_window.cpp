#include "SectionPropertiesWindow.h"
#include "WindowFixture.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// The value column of the line whose symbol is given, as the table shows it.
QString Shown(const SectionPropertiesModel& model, const QString& symbol,
              int column = SectionPropertiesModel::Value) {
    for (int row = 0; row < model.rowCount(); ++row)
        if (model.data(model.index(row, SectionPropertiesModel::Symbol)).toString() == symbol)
            return model.data(model.index(row, column)).toString();
    qFatal("no line %s", qPrintable(symbol));
}

// A channel drawn with the mouse: web 100 at x = 100 from y = 50, flanges of 50 to the
// right, 1 mm thick (the new-object default).
void DrawChannel(const WindowFixture& f) {
    f.control<QToolButton>("SpeedButton2")->click();
    f.drag({150, 50}, {100, 50});
    f.drag({100, 50}, {100, 150});
    f.drag({100, 150}, {150, 150});
}

} // namespace

class TestSectionPropertiesWindow : public QObject {
    Q_OBJECT
  private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil)); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void buttonOpensItBesideTheEditor();
    void followsEveryChangeOnceTheLoopTurns();
    void followsTheMaterial();
    void noValueIsCut();
    void emptyProfileShowsDashesAndWhy();
    void copyPutsTabSeparatedValuesOnTheClipboard();
    void objectPanelGoesOnTop();
    void bendRadiusIsOneStepOfTheDrawing_data();
    void bendRadiusIsOneStepOfTheDrawing();
    void cornersLeftSharpAreSaidBeneathTheTable();
};

void TestSectionPropertiesWindow::buttonOpensItBesideTheEditor() {
    WindowFixture f;
    const QRect editor = f.window.geometry();
    QVERIFY(!f.window.propertiesWindow());
    f.control<QToolButton>("SpeedButton9")->click();
    SectionPropertiesWindow* w = f.window.propertiesWindow();
    QVERIFY(w->isVisible());
    QVERIFY(!w->isModal());
    QCOMPARE(w->windowTitle(), QStringLiteral("Propriedades da seção"));
    QCOMPARE(f.window.geometry(), editor);
    QCOMPARE(f.control<QToolButton>("SpeedButton9")->toolTip(),
             QStringLiteral("Propriedades da seção (Alt+Enter)"));
}

// The channel's shear centre lies 3 b^2 / (h + 6 b) behind the web; the values follow
// the drawing, also while a bar end is held, after the event loop turns.
void TestSectionPropertiesWindow::followsEveryChangeOnceTheLoopTurns() {
    WindowFixture f;
    f.control<QToolButton>("SpeedButton9")->click();
    const SectionPropertiesModel& model = f.window.propertiesWindow()->values();
    DrawChannel(f);
    QTRY_COMPARE(Shown(model, "xs"),
                 QLocale().toString(100 - 3.0 * 50 * 50 / (100 + 6 * 50), 'f', 2));
    QCOMPARE(Shown(model, "Parede"), QStringLiteral("aberta"));

    // Close the channel into a tube: the shear centre is no longer given.
    f.press({150, 150});
    f.move({150, 50});
    QTRY_COMPARE(Shown(model, "xs"), QStringLiteral("—"));
    QVERIFY(Shown(model, "xs", SectionPropertiesModel::Description).contains("seção fechada"));
    f.release({150, 50});
    QCOMPARE(Shown(model, "Parede"), QStringLiteral("fechada"));
    QVERIFY(f.dialogs->errors.isEmpty());
}

void TestSectionPropertiesWindow::followsTheMaterial() {
    WindowFixture f;
    f.control<QToolButton>("SpeedButton9")->click();
    const SectionPropertiesModel& model = f.window.propertiesWindow()->values();
    DrawChannel(f);
    QLineEdit* material = f.control<QComboBox>("ComboBox1")->lineEdit();
    material->selectAll();
    QTest::keyClicks(material, QStringLiteral("Teste - 10"));
    // 200 mm2 of 10 g/cm3.
    QTRY_COMPARE(Shown(model, "Peso"), QStringLiteral("2,00"));
    // A material without a density weighs nothing, and the window says why.
    material->selectAll();
    QTest::keyClicks(material, QStringLiteral("Zinco"));
    QTRY_COMPARE(Shown(model, "Peso"), QStringLiteral("0,00"));
    QCOMPARE(Shown(model, "Peso", SectionPropertiesModel::Description),
             QStringLiteral("peso por metro (a densidade do material é zero)"));
    material->selectAll();
    QTest::keyClicks(material, QStringLiteral("Teste - 1e999"));
    QTRY_COMPARE(Shown(model, "Peso"), QStringLiteral("—"));
    QVERIFY(Shown(model, "Peso", SectionPropertiesModel::Description)
                .contains("densidade fora do alcance"));
    QVERIFY(f.dialogs->errors.isEmpty());
}

// Flanges of 100 mm on a 200 mm web, 1 mm thick: Cw = t b³ h² (3b + 2h) / (12 (6b + h))
// = 2,92·10⁹ mm6, beyond what the column shows written out; Jxc = t h³ / 12 + 2 (b t³ / 12
// + b t (h/2)²) is not.
void TestSectionPropertiesWindow::noValueIsCut() {
    WindowFixture f;
    f.control<QToolButton>("SpeedButton9")->click();
    SectionPropertiesWindow* w = f.window.propertiesWindow();
    const SectionPropertiesModel& model = w->values();
    f.control<QToolButton>("SpeedButton2")->click();
    f.drag({200, 20}, {100, 20});
    f.drag({100, 20}, {100, 220});
    f.drag({100, 220}, {200, 220});
    QTRY_COMPARE(Shown(model, "Cw"), QStringLiteral("2,92·10⁹"));
    QCOMPARE(Shown(model, "Jxc"), QStringLiteral("2666683,33"));
    auto* table = w->findChild<QTableView*>("PropertiesTable");
    const int margins = 2 * (table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
    const int room = table->columnWidth(SectionPropertiesModel::Value) - margins;
    QStringList texts = {QStringLiteral("-99999999,99"), QStringLiteral("-9,99·10³⁰⁸")};
    for (int row = 0; row < model.rowCount(); ++row)
        texts << model.data(model.index(row, SectionPropertiesModel::Value)).toString();
    for (const QString& text : texts)
        QVERIFY2(table->fontMetrics().horizontalAdvance(text) <= room, qPrintable(text));
    // The clipboard keeps every digit for a spreadsheet.
    w->copyToClipboard();
    QVERIFY(QGuiApplication::clipboard()->text().contains(QStringLiteral("Cw\t2916666666,67\t")));
}

void TestSectionPropertiesWindow::emptyProfileShowsDashesAndWhy() {
    WindowFixture f;
    f.control<QToolButton>("SpeedButton9")->click();
    const SectionPropertiesModel& model = f.window.propertiesWindow()->values();
    for (const char* symbol : {"Área", "Jxc", "I1", "θ"}) {
        QCOMPARE(Shown(model, symbol), QStringLiteral("—"));
        QVERIFY(Shown(model, symbol, SectionPropertiesModel::Description).contains("perfil vazio"));
    }
    QVERIFY(Shown(model, "J", SectionPropertiesModel::Description).contains("sem barras"));
    QVERIFY(f.dialogs->errors.isEmpty());
}

void TestSectionPropertiesWindow::copyPutsTabSeparatedValuesOnTheClipboard() {
    WindowFixture f;
    f.control<QToolButton>("SpeedButton9")->click();
    DrawChannel(f);
    SectionPropertiesWindow* w = f.window.propertiesWindow();
    w->findChild<QPushButton*>("CopyButton")->click();
    const QStringList lines = QGuiApplication::clipboard()->text().split(QLatin1Char('\n'));
    QVERIFY(lines.contains(QStringLiteral("Área\t200,00\tmm2\tárea\t")));
    QVERIFY(lines.contains(QStringLiteral("Torção e empenamento")));
}

void TestSectionPropertiesWindow::objectPanelGoesOnTop() {
    WindowFixture f;
    f.control<QToolButton>("SpeedButton9")->click();
    SectionPropertiesWindow* w = f.window.propertiesWindow();
    auto* first = new QWidget;
    QPointer<QWidget> replaced = first;
    w->setObjectPanel(first);
    auto* second = new QWidget;
    w->setObjectPanel(second);
    QVERIFY(replaced.isNull());
    QCOMPARE(w->layout()->itemAt(0)->widget(), second);
}

void TestSectionPropertiesWindow::bendRadiusIsOneStepOfTheDrawing_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("radius"); // 0: refused
    QTest::addColumn<QString>("shown");
    QTest::newRow("two and a half") << "2,5" << 2.5 << "2,50";
    QTest::newRow("to the hundredth") << "2,257" << 2.26 << "2,26";
    QTest::newRow("past the largest") << "100,01" << 0.0 << "100,01";
}

// The channel's corner pixel (100, 50) is the web's first; a bend of the 1 mm wall turns
// on 3 mm or more about (103, 53) and more than 3,5 mm away from that pixel's centre.
void TestSectionPropertiesWindow::bendRadiusIsOneStepOfTheDrawing() {
    QFETCH(QString, typed);
    QFETCH(double, radius);
    QFETCH(QString, shown);
    WindowFixture f;
    f.control<QToolButton>("SpeedButton9")->click();
    DrawChannel(f);
    SectionPropertiesWindow* w = f.window.propertiesWindow();
    auto* field = w->findChild<QLineEdit*>(QStringLiteral("bendRadius"));
    QVERIFY(field);
    QCOMPARE(field->text(), QStringLiteral("0,00"));
    field->selectAll();
    QTest::keyClicks(field, typed);
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(f.window.profile().info().BendRadius, radius);
    QCOMPARE(field->text(), shown);
    // Black where the wall passes; the grid's dot shows through a rounded corner.
    const auto corner = [&] { return f.imageArea()->image().pixel(100, 50) == qRgb(0, 0, 0); };
    QCOMPARE(corner(), radius == 0);
    if (radius == 0)
        return;
    QTest::keyClick(w, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(f.window.profile().info().BendRadius, 0.0);
    QCOMPARE(f.window.profile().ObjectCount(), 3);
    QCOMPARE(field->text(), QStringLiteral("0,00"));
    QVERIFY(corner());
    QTest::keyClick(w, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(f.window.profile().info().BendRadius, radius);
}

// A radius of 60 wants a tangent of 60,5 from each flange of 50: both corners stay sharp.
void TestSectionPropertiesWindow::cornersLeftSharpAreSaidBeneathTheTable() {
    WindowFixture f;
    TProfileInfo info = f.window.profile().info();
    info.BendRadius = 60;
    f.window.profile().setInfo(info);
    f.control<QToolButton>("SpeedButton9")->click();
    auto* notes = f.window.propertiesWindow()->findChild<QLabel*>("NotesLabel");
    QVERIFY(!notes->isVisible());
    DrawChannel(f);
    QTRY_COMPARE(notes->text(),
                 QStringLiteral("canto vivo em (100; 50): sem espaço para a dobra\n"
                                "canto vivo em (100; 150): sem espaço para a dobra"));
    QVERIFY(notes->isVisible());
}

QTEST_MAIN(TestSectionPropertiesWindow)
#include "test_section_properties_window.moc"
