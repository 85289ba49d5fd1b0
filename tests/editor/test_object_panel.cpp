#include "ObjectPanel.h"

#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QSignalSpy>
#include <QTest>

namespace {

// Bar 2 of two, (10,20)-(110,20), 1 mm thick.
TProfile TwoObjects() {
    TProfile p;
    p.createObject(okAppendix, {5, 5}, 10);
    p.createObject(okBar, {10, 20}, 10);
    p.Objects(2).P2 = {110, 20};
    return p;
}

QLineEdit* Field(const ObjectPanel& panel, const char* name) {
    auto* field = panel.findChild<QLineEdit*>(QString::fromLatin1(name));
    if (!field)
        qFatal("no field %s", name);
    return field;
}

void Type(QLineEdit* field, const QString& text) {
    field->selectAll();
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);
}

QString Message(const ObjectPanel& panel) {
    return panel.findChild<QLabel*>(QStringLiteral("message"))->text();
}

} // namespace

class TestObjectPanel : public QObject {
    Q_OBJECT
  private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil)); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void showsTheCurrentObject();
    void followsADragToItsLastMove();
    void acceptedValues_data();
    void acceptedValues();
    void refusedValues_data();
    void refusedValues();
};

void TestObjectPanel::showsTheCurrentObject() {
    ObjectPanel panel;
    TProfile p = TwoObjects();
    panel.showObject(p);
    QCOMPARE(panel.findChild<QLabel*>(QStringLiteral("object"))->text(),
             QStringLiteral("2 de 2, barra"));
    QCOMPARE(Field(panel, "thickness")->text(), QStringLiteral("1,00"));
    QCOMPARE(Field(panel, "length")->text(), QStringLiteral("100,00"));
    p.setCurrentIndex(1);
    panel.showObject(p);
    QVERIFY(!Field(panel, "p2x")->isEnabled());
    p.deleteCurrent();
    p.deleteCurrent();
    panel.showObject(p);
    QCOMPARE(panel.findChild<QLabel*>(QStringLiteral("object"))->text(), QStringLiteral("nenhum"));
    QVERIFY(!Field(panel, "p1x")->isEnabled());
}

// A stream of moves shows its first at once and its last in the end, never an older one.
void TestObjectPanel::followsADragToItsLastMove() {
    ObjectPanel panel;
    TProfile p = TwoObjects();
    panel.follow(p);
    QCOMPARE(Field(panel, "p2x")->text(), QStringLiteral("110"));
    for (int x = 111; x <= 115; ++x) {
        p.Objects(2).P2.X = x;
        panel.follow(p);
    }
    QCOMPARE(Field(panel, "p2x")->text(), QStringLiteral("110"));
    QTRY_COMPARE(Field(panel, "p2x")->text(), QStringLiteral("115"));
}

void TestObjectPanel::acceptedValues_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QPoint>("p1"); // hundredths of a millimetre
    QTest::addColumn<QPoint>("p2");
    QTest::addColumn<double>("thickness");
    QTest::newRow("the thinnest") << "thickness"
                                  << "0,01" << QPoint(1000, 2000) << QPoint(11000, 2000) << 0.01;
    QTest::newRow("P1 on the right edge") << "p1x"
                                          << "400" << QPoint(40000, 2000) << QPoint(11000, 2000) << 1.0;
    QTest::newRow("P2 at the bottom") << "p2y"
                                      << "250" << QPoint(1000, 2000) << QPoint(11000, 25000) << 1.0;
    QTest::newRow("length") << "length"
                            << "50" << QPoint(1000, 2000) << QPoint(6000, 2000) << 1.0;
    QTest::newRow("angle: down is 270") << "angle"
                                        << "270" << QPoint(1000, 2000) << QPoint(1000, 12000) << 1.0;
    QTest::newRow("a hundredth") << "p1x"
                                 << "197,75" << QPoint(19775, 2000) << QPoint(11000, 2000) << 1.0;
    QTest::newRow("length to the hundredth")
        << "length"
        << "50,25" << QPoint(1000, 2000) << QPoint(6025, 2000) << 1.0;
}

void TestObjectPanel::acceptedValues() {
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QPoint, p1);
    QFETCH(QPoint, p2);
    QFETCH(double, thickness);
    ObjectPanel panel;
    const TProfile p = TwoObjects();
    panel.showObject(p);
    QSignalSpy edits(&panel, &ObjectPanel::objectEdited);
    Type(Field(panel, field.toLatin1().constData()), text);
    QCOMPARE(edits.count(), 1);
    QCOMPARE(edits[0][0].toInt(), 2);
    const auto values = edits[0][1].value<TObjectValues>();
    QCOMPARE(QPoint(values.P1.X, values.P1.Y), p1);
    QCOMPARE(QPoint(values.P2.X, values.P2.Y), p2);
    QCOMPARE(values.Thickness, thickness);
    QCOMPARE(Message(panel), QString());
}

void TestObjectPanel::refusedValues_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("range");
    QTest::newRow("a third decimal in a point") << "p2x"
                                                << "110,255"
                                                << "use até duas casas decimais, de 0 a 400";
    QTest::newRow("x past the edge") << "p1x"
                                     << "401"
                                     << "0 a 400";
    QTest::newRow("not a number") << "p1y"
                                  << "abc"
                                  << "0 a 250";
    QTest::newRow("zero thickness") << "thickness"
                                    << "0"
                                    << "0,01 a 100,00";
    QTest::newRow("three decimals") << "thickness"
                                    << "2,255"
                                    << "0,01 a 100,00";
    QTest::newRow("a point under a decimal comma") << "thickness"
                                                   << "2.25"
                                                   << "e \",\" como separador decimal";
    QTest::newRow("end above the area") << "angle"
                                        << "90"
                                        << "P2 em 0 a 400 × 0 a 250";
}

void TestObjectPanel::refusedValues() {
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, range);
    ObjectPanel panel;
    panel.showObject(TwoObjects());
    QSignalSpy edits(&panel, &ObjectPanel::objectEdited);
    QLineEdit* edit = Field(panel, field.toLatin1().constData());
    Type(edit, text);
    QCOMPARE(edits.count(), 0);
    QCOMPARE(edit->text(), text); // refused where it was typed, not clamped
    QVERIFY2(Message(panel).contains(range), qPrintable(Message(panel)));
}

QTEST_MAIN(TestObjectPanel)
#include "test_object_panel.moc"
