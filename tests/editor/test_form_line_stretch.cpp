#include "EditorFonts.h"
#include "ImagePixels.h"
#include "WindowFixture.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QSpinBox>
#include <QToolButton>

namespace {

const QRgb White = qRgb(255, 255, 255);
const QRgb Green = qRgb(0, 128, 0);

int CountGreen(const QImage& image) {
    return CountColour(image, Green);
}

void TypeInto(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

} // namespace

class TestFormLineStretch : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { EditorFonts::installSubstitutions(); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void windowFrame();
    void controlGeometry_data();
    void controlGeometry();
    void startSettings();

    void barDrawnWithTheMouse_data();
    void barDrawnWithTheMouse();
    void toolButtonsChooseTheTool_data();
    void toolButtonsChooseTheTool();
    void gridSettingsRedraw_data();
    void gridSettingsRedraw();
    void typedGridStepStaysInRange_data();
    void typedGridStepStaysInRange();
    void materialIndexFromTheBox_data();
    void materialIndexFromTheBox();
    void chosenMaterialLeavesTheKeyboard();
    void thicknessLabel_data();
    void thicknessLabel();
    void typedThicknessIsRefused_data();
    void typedThicknessIsRefused();
    void fullProfileIsReported();
};

void TestFormLineStretch::windowFrame() {
    WindowFixture f;
    QCOMPARE(f.window.windowTitle(), QStringLiteral("Editor do Perfil"));
    QCOMPARE(f.window.size(), QSize(535, 386));
    QCOMPARE(f.window.minimumSize(), f.window.maximumSize());
    QVERIFY(!(f.window.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(f.window.windowFlags() & Qt::WindowMinimizeButtonHint);
    QCOMPARE(QFontInfo(f.window.font()).pixelSize(), 13);
}

void TestFormLineStretch::controlGeometry_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("tool panel") << "Panel1" << QRect(0, 41, 57, 276);
    QTest::newRow("bottom panel") << "Panel2" << QRect(0, 317, 535, 69);
    QTest::newRow("refresh") << "SpeedButton7" << QRect(8, 240, 25, 25);
    QTest::newRow("section properties") << "SpeedButton9" << QRect(8, 96, 25, 25);
    QTest::newRow("drawing area") << "ImageArea" << QRect(81, 57, 400, 250);
    QTest::newRow("grid step") << "SpinEdit1" << QRect(488, 9, 35, 24);
    QTest::newRow("material") << "ComboBox1" << QRect(80, 40, 153, 23);
}

void TestFormLineStretch::controlGeometry() {
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    WindowFixture f;
    QCOMPARE(f.control<QWidget>(qPrintable(name))->geometry(), geometry);
}

void TestFormLineStretch::startSettings() {
    WindowFixture f;
    QCOMPARE(f.text("Label2"), QStringLiteral("0, 0"));
    QCOMPARE(f.text("Label3"), QStringLiteral("0, 0"));
    QCOMPARE(f.text("Label5"), QStringLiteral("0"));
    QCOMPARE(f.text("Label11"), QStringLiteral("1 mm"));
    QCOMPARE(f.window.GridStep(), 10);
    QCOMPARE(f.control<QComboBox>("ComboBox1")->currentText(), QStringLiteral("Aço - 7,75"));
    QCOMPARE(f.window.profile().MaterialIndex(), 0);
    // The empty grid every 10 pixels is on screen.
    QCOMPARE(f.imageArea()->image(), f.window.drawing());
    QCOMPARE(CountGreen(f.window.drawing()), 1000);
}

void TestFormLineStretch::barDrawnWithTheMouse_data() {
    QTest::addColumn<bool>("snap");
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<QString>("p1");
    QTest::addColumn<QString>("p2");
    QTest::newRow("snapped to the grid") << true << QPoint(13, 27) << QPoint(36, 44) << "10, 30"
                                         << "40, 40";
    QTest::newRow("free") << false << QPoint(13, 27) << QPoint(36, 44) << "13, 27"
                          << "36, 44";
    QTest::newRow("dragged beyond the image")
        << false << QPoint(390, 240) << QPoint(460, 300) << "390, 240"
        << "399, 249";
    QTest::newRow("dragged beyond the top left")
        << false << QPoint(5, 5) << QPoint(-30, -8) << "5, 5"
        << "0, 0";
}

void TestFormLineStretch::barDrawnWithTheMouse() {
    QFETCH(bool, snap);
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    QFETCH(QString, p1);
    QFETCH(QString, p2);
    WindowFixture f;
    if (!snap)
        f.control<QCheckBox>("chTravaGrid")->click();
    f.control<QToolButton>("SpeedButton2")->click();
    f.press(from);
    f.move(to);
    QCOMPARE(f.text("Label2"), p1);
    QCOMPARE(f.text("Label3"), p2);
    QCOMPARE(f.text("Label5"), QStringLiteral("1"));
    f.release(to);
    const TProfileObject& bar = f.window.profile().Objects(1);
    QCOMPARE(QStringLiteral("%1, %2").arg(bar.P1.X).arg(bar.P1.Y), p1);
    QCOMPARE(QStringLiteral("%1, %2").arg(bar.P2.X).arg(bar.P2.Y), p2);
    QCOMPARE(bar.Thickness, 1.0);
    QCOMPARE(f.imageArea()->image(), f.window.drawing());
}

void TestFormLineStretch::toolButtonsChooseTheTool_data() {
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<int>("tool");
    QTest::addColumn<bool>("markerValid");
    QTest::newRow("bar tool") << QStringList{"SpeedButton2"} << int(etAddBar) << true;
    QTest::newRow("bar tool raised again")
        << QStringList{"SpeedButton2", "SpeedButton2"} << int(etSelect) << true;
    QTest::newRow("appendix tool invalidates the marker")
        << QStringList{"SpeedButton1"} << int(etAddAppendix) << false;
    QTest::newRow("bar tool after the appendix tool")
        << QStringList{"SpeedButton1", "SpeedButton2"} << int(etAddBar) << false;
    QTest::newRow("remove keeps the tool in force")
        << QStringList{"SpeedButton2", "SpeedButton3"} << int(etAddBar) << false;
}

void TestFormLineStretch::toolButtonsChooseTheTool() {
    QFETCH(QStringList, clicks);
    QFETCH(int, tool);
    QFETCH(bool, markerValid);
    WindowFixture f;
    for (const QString& name : clicks)
        f.control<QToolButton>(qPrintable(name))->click();
    QCOMPARE(int(f.window.mouseEditor().Tool), tool);
    QCOMPARE(f.window.mouseEditor().MarkP1.X != NoMarkerX, markerValid);
    // The buttons show the tool in force and nothing else.
    QCOMPARE(f.control<QToolButton>("SpeedButton2")->isChecked(), tool == etAddBar);
    QCOMPARE(f.control<QToolButton>("SpeedButton1")->isChecked(), tool == etAddAppendix);
    QVERIFY(!f.control<QToolButton>("SpeedButton3")->isChecked());
}

void TestFormLineStretch::gridSettingsRedraw_data() {
    QTest::addColumn<int>("step");
    QTest::addColumn<bool>("drawGrid");
    QTest::addColumn<int>("dots");
    QTest::newRow("step 20") << 20 << true << 20 * 13;
    QTest::newRow("step 50") << 50 << true << 8 * 5;
    QTest::newRow("grid hidden") << 10 << false << 0;
}

void TestFormLineStretch::gridSettingsRedraw() {
    QFETCH(int, step);
    QFETCH(bool, drawGrid);
    QFETCH(int, dots);
    WindowFixture f;
    f.control<QToolButton>("SpeedButton2")->click();
    f.drag({300, 233}, {380, 233}); // snapped to y = 230, off the grids below
    f.control<QSpinBox>("SpinEdit1")->setValue(step);
    if (!drawGrid)
        f.control<QCheckBox>("chDrawGrid")->click();
    QCOMPARE(f.window.GridStep(), step);
    QCOMPARE(f.text("Label5"), QStringLiteral("1"));
    QCOMPARE(At(f.window.drawing(), 340, 230), qRgb(0, 0, 0));
    QCOMPARE(At(f.window.drawing(), step + 1, step + 1), White);
    QCOMPARE(CountGreen(f.window.drawing()), dots);
    QCOMPARE(f.imageArea()->image(), f.window.drawing());
}

void TestFormLineStretch::typedGridStepStaysInRange_data() {
    QTest::addColumn<QString>("typed");
    QTest::newRow("too large") << "99";
    QTest::newRow("zero") << "0";
    QTest::newRow("not a number") << "abc";
}

// Whatever is typed, the grid and the snapping only ever see a step of the box's range.
void TestFormLineStretch::typedGridStepStaysInRange() {
    QFETCH(QString, typed);
    WindowFixture f;
    auto* box = f.control<QSpinBox>("SpinEdit1");
    box->setFocus();
    TypeInto(box->findChild<QLineEdit*>(), typed);
    QVERIFY2(f.window.GridStep() >= 5 && f.window.GridStep() <= 50,
             qPrintable(QString::number(f.window.GridStep())));
    f.control<QToolButton>("SpeedButton2")->click();
    f.drag({101, 101}, {201, 151});
    QCOMPARE(f.window.profile().ObjectCount(), 1);
    QCOMPARE(f.window.profile().Objects(1).P1.X % f.window.GridStep(), 0);
}

void TestFormLineStretch::materialIndexFromTheBox_data() {
    QTest::addColumn<int>("picked"); // item picked from the list, or -1 to type
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("materialIndex");
    QTest::newRow("Cobre picked") << 4 << "" << 4;
    QTest::newRow("a new material typed") << -1 << "Ouro - 19,3" << -1;
    QTest::newRow("an item's text typed") << -1 << "Ferro - 7,86" << 5;
}

void TestFormLineStretch::materialIndexFromTheBox() {
    QFETCH(int, picked);
    QFETCH(QString, typed);
    QFETCH(int, materialIndex);
    WindowFixture f;
    auto* box = f.control<QComboBox>("ComboBox1");
    if (picked >= 0) {
        box->setCurrentIndex(picked);
    } else {
        box->lineEdit()->selectAll();
        QTest::keyClick(box->lineEdit(), Qt::Key_Delete);
        QTest::keyClicks(box->lineEdit(), typed);
    }
    QCOMPARE(f.window.profile().MaterialIndex(), materialIndex);
    QCOMPARE(box->count(), 8);
}

// A material chosen from the list is done with: the keys that follow go to the drawing. A
// click into the box still lets the user type.
void TestFormLineStretch::chosenMaterialLeavesTheKeyboard() {
    WindowFixture f;
    QVERIFY(QTest::qWaitForWindowActive(&f.window));
    auto* box = f.control<QComboBox>("ComboBox1");
    box->setFocus();
    box->showPopup();
    box->view()->setCurrentIndex(box->model()->index(4, 0));
    QTest::keyClick(box->view(), Qt::Key_Return);
    QCOMPARE(box->currentText(), QStringLiteral("Cobre - 8,87"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("x"));
    QCOMPARE(box->currentText(), QStringLiteral("Cobre - 8,87"));
    QCOMPARE(f.window.profile().MaterialIndex(), 4);

    QTest::mouseClick(box->lineEdit(), Qt::LeftButton);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("x"));
    QCOMPARE(box->currentText(), QStringLiteral("Cobre - 8,87x"));
}

void TestFormLineStretch::thicknessLabel_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("tenths");
    QTest::addColumn<QString>("text");
    QTest::newRow("pt_BR 15") << "pt_BR" << 15 << "1,5 mm";
    QTest::newRow("pt_BR 3") << "pt_BR" << 3 << "0,3 mm";
    QTest::newRow("pt_BR 100") << "pt_BR" << 100 << "10 mm";
    QTest::newRow("C 15") << "C" << 15 << "1.5 mm";
}

void TestFormLineStretch::thicknessLabel() {
    QFETCH(QString, locale);
    QFETCH(int, tenths);
    QFETCH(QString, text);
    QLocale::setDefault(QLocale(locale));
    WindowFixture f;
    f.control<QSpinBox>("tEspessura")->setValue(tenths);
    QCOMPARE(f.text("Label11"), text);
    // New objects take the thickness; the label's text is what they get.
    f.control<QToolButton>("SpeedButton1")->click();
    f.press({200, 100});
    f.release({200, 100});
    QCOMPARE(f.window.profile().Objects(1).Thickness, tenths / 10.0);
}

void TestFormLineStretch::typedThicknessIsRefused_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("messages");
    QTest::newRow("zero") << "0"
                          << "20" << 0;
    QTest::newRow("zeros") << "00"
                           << "20" << 0;
    QTest::newRow("a thickness") << "5"
                                 << "5" << 0;
    // The separator is left out, and said; 225 is beyond the box.
    QTest::newRow("hundredths") << "2,25"
                                << "22" << 1;
}

// The box never shows a thickness that the label and new objects do not have, nor takes a
// decimal separator without a word.
void TestFormLineStretch::typedThicknessIsRefused() {
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(int, messages);
    QLocale::setDefault(QLocale(QStringLiteral("pt_BR")));
    WindowFixture f;
    auto* box = f.control<QSpinBox>("tEspessura");
    box->setValue(20);
    box->setFocus();
    box->findChild<QLineEdit*>()->selectAll();
    QTest::keyClicks(box, typed);
    QCOMPARE(box->text(), shown);
    QCOMPARE(f.text("Label11"), QLocale().toString(shown.toInt() / 10.0) + QStringLiteral(" mm"));
    QCOMPARE(f.dialogs->messages.size(), messages);
    for (const QString& message : f.dialogs->messages)
        QVERIFY2(message.contains("décimos") && message.contains("Ctrl+I"), qPrintable(message));
}

void TestFormLineStretch::fullProfileIsReported() {
    WindowFixture f;
    for (int i = 0; i < TProfile::Capacity; ++i)
        f.window.profile().createObject(okAppendix, {i, 10}, 10);
    f.control<QToolButton>("SpeedButton1")->click();
    f.press({200, 200});
    f.release({200, 200});
    QCOMPARE(f.window.profile().ObjectCount(), TProfile::Capacity);
    QCOMPARE(f.dialogs->notices.size(), 1);
    QVERIFY(f.dialogs->notices.constFirst().contains(QStringLiteral("255")));
}

QTEST_MAIN(TestFormLineStretch)
#include "test_form_line_stretch.moc"
