// Mouse editing through the real window: Qt mouse events on ImageArea, as the window
// wires them to the editing state machine, the cursor, Remove and the redraw.
#include "EditorFonts.h"
#include "ImagePixels.h"
#include "WindowFixture.h"

#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QSpinBox>
#include <QToolButton>

namespace {

const QRgb Red = qRgb(255, 0, 0);
const QRgb Lime = qRgb(0, 255, 0);

QPoint AsQPoint(TPoint p) {
    return {p.X, p.Y};
}

// The shape of the application-wide cursor; Qt::ArrowCursor when none is set.
Qt::CursorShape AppCursor() {
    const QCursor* cursor = QGuiApplication::overrideCursor();
    return cursor ? cursor->shape() : Qt::ArrowCursor;
}

// A bar (50,100)-(150,100) and an appendix at (250,100), drawn with the mouse; the
// select tool is in force afterwards.
void DrawBarAndAppendix(WindowFixture& f) {
    f.control<QToolButton>("SpeedButton2")->click();
    f.drag({50, 100}, {150, 100});
    f.control<QToolButton>("SpeedButton1")->click();
    f.press({250, 100});
    f.release({250, 100});
    f.control<QToolButton>("SpeedButton1")->click();
}

} // namespace

class TestWindowMouse : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { EditorFonts::installSubstitutions(); }
    void markerShowsDuringTheDragAndStaysAfterIt();
    void clickWithoutMoveLeavesNoBar();
    void everyButtonEdits_data();
    void everyButtonEdits();
    void secondButtonDuringADragAddsABar();
    void doubleClickIsTwoPresses();
    void hoverCursor_data();
    void hoverCursor();
    void dragCursorLastsUntilTheRelease();
    void farOutsideActsAsTheEdge_data();
    void farOutsideActsAsTheEdge();
    void wholeBarStopsAtTheEdge_data();
    void wholeBarStopsAtTheEdge();
    void clickOnNothingKeepsTheCurrentBar();
    void clickOnTheDrawingTakesTheKeys();
    void oneNotificationPerChange_data();
    void oneNotificationPerChange();
};

void TestWindowMouse::markerShowsDuringTheDragAndStaysAfterIt() {
    WindowFixture f;
    f.control<QToolButton>("SpeedButton2")->click();
    f.press({13, 27});
    QCOMPARE(At(f.imageArea()->image(), 10, 30), Lime);
    f.move({36, 44});
    const QImage duringDrag = f.imageArea()->image();
    QCOMPARE(duringDrag, f.window.drawing());
    QCOMPARE(At(duringDrag, 10, 30), Lime);
    QCOMPARE(At(duringDrag, 40, 40), Lime);
    QCOMPARE(At(duringDrag, 25, 35), Red);
    // The release does not redraw: the marker stays until the next redraw.
    f.release({36, 44});
    QCOMPARE(f.imageArea()->image(), duringDrag);
    f.control<QToolButton>("SpeedButton7")->click();
    QCOMPARE(CountColour(f.imageArea()->image(), Red), 0);
    QCOMPARE(At(f.imageArea()->image(), 25, 35), qRgb(0, 0, 0));
}

// The release removes the bar that never got a length, and the drawing shows that.
void TestWindowMouse::clickWithoutMoveLeavesNoBar() {
    WindowFixture f;
    f.control<QToolButton>("SpeedButton2")->click();
    f.drag({50, 50}, {100, 50});
    f.press({200, 200});
    f.release({200, 200});
    QCOMPARE(f.window.profile().ObjectCount(), 1);
    QCOMPARE(f.text("Label5"), QStringLiteral("1"));
    QCOMPARE(CountColour(f.imageArea()->image(), Lime), 0);
    QCOMPARE(At(f.imageArea()->image(), 200, 200), qRgb(0, 128, 0));
    // Removing it that way keeps the bar tool in force, its button down.
    QCOMPARE(f.window.mouseEditor().Tool, etAddBar);
    QVERIFY(f.control<QToolButton>("SpeedButton2")->isChecked());
}

void TestWindowMouse::everyButtonEdits_data() {
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::newRow("left") << Qt::LeftButton << Qt::KeyboardModifiers();
    QTest::newRow("right") << Qt::RightButton << Qt::KeyboardModifiers();
    QTest::newRow("middle") << Qt::MiddleButton << Qt::KeyboardModifiers();
    QTest::newRow("right with shift")
        << Qt::RightButton << Qt::KeyboardModifiers(Qt::ShiftModifier);
    QTest::newRow("middle with ctrl+alt")
        << Qt::MiddleButton << (Qt::ControlModifier | Qt::AltModifier);
}

// Draw a bar, then move it by its body: neither the button nor a modifier changes a thing.
void TestWindowMouse::everyButtonEdits() {
    QFETCH(Qt::MouseButton, button);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    WindowFixture f;
    ImageView* area = f.imageArea();
    f.control<QToolButton>("SpeedButton2")->click();
    QTest::mousePress(area, button, modifiers, {13, 27});
    QTest::mouseMove(area, {36, 44});
    QTest::mouseRelease(area, button, modifiers, {36, 44});
    f.control<QToolButton>("SpeedButton2")->click();
    QTest::mousePress(area, button, modifiers, {27, 36});
    QTest::mouseMove(area, {47, 54});
    QTest::mouseRelease(area, button, modifiers, {47, 54});
    QCOMPARE(f.window.profile().ObjectCount(), 1);
    QCOMPARE(AsQPoint(f.window.profile().Objects(1).P1), QPoint(30, 40));
    QCOMPARE(AsQPoint(f.window.profile().Objects(1).P2), QPoint(60, 50));
}

// A press of another button while one is held is a press of its own.
void TestWindowMouse::secondButtonDuringADragAddsABar() {
    WindowFixture f;
    ImageView* area = f.imageArea();
    f.control<QToolButton>("SpeedButton2")->click();
    QTest::mousePress(area, Qt::LeftButton, {}, {10, 10});
    QTest::mouseMove(area, {50, 10});
    QTest::mousePress(area, Qt::RightButton, {}, {50, 10});
    QTest::mouseMove(area, {50, 60});
    QTest::mouseRelease(area, Qt::RightButton, {}, {50, 60});
    QTest::mouseRelease(area, Qt::LeftButton, {}, {50, 60});
    QCOMPARE(f.window.profile().ObjectCount(), 2);
    QCOMPARE(AsQPoint(f.window.profile().Objects(1).P2), QPoint(50, 10));
    QCOMPARE(AsQPoint(f.window.profile().Objects(2).P1), QPoint(50, 10));
    QCOMPARE(AsQPoint(f.window.profile().Objects(2).P2), QPoint(50, 60));
}

void TestWindowMouse::doubleClickIsTwoPresses() {
    WindowFixture f;
    f.control<QToolButton>("SpeedButton1")->click();
    QTest::mouseClick(f.imageArea(), Qt::LeftButton, {}, {120, 80});
    QTest::mouseDClick(f.imageArea(), Qt::LeftButton, {}, {120, 80});
    QCOMPARE(f.window.profile().ObjectCount(), 2);
    QCOMPARE(AsQPoint(f.window.profile().Objects(2).P1), QPoint(120, 80));
}

void TestWindowMouse::hoverCursor_data() {
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<Qt::CursorShape>("shape");
    QTest::newRow("bar body") << QPoint(100, 104) << Qt::PointingHandCursor;
    QTest::newRow("bar end") << QPoint(154, 96) << Qt::PointingHandCursor;
    QTest::newRow("appendix") << QPoint(246, 104) << Qt::PointingHandCursor;
    QTest::newRow("empty space") << QPoint(100, 105) << Qt::ArrowCursor;
    QTest::newRow("beside the appendix") << QPoint(255, 100) << Qt::ArrowCursor;
}

void TestWindowMouse::hoverCursor() {
    QFETCH(QPoint, at);
    QFETCH(Qt::CursorShape, shape);
    WindowFixture f;
    DrawBarAndAppendix(f);
    // From a position with the opposite answer, so that the cursor has to change.
    f.move(shape == Qt::ArrowCursor ? QPoint(100, 100) : QPoint(300, 200));
    QCOMPARE(AppCursor(), shape == Qt::ArrowCursor ? Qt::PointingHandCursor : Qt::ArrowCursor);
    f.move(at);
    QCOMPARE(AppCursor(), shape);
}

void TestWindowMouse::dragCursorLastsUntilTheRelease() {
    WindowFixture f;
    DrawBarAndAppendix(f);
    f.press({150, 100});
    QCOMPARE(AppCursor(), Qt::ClosedHandCursor);
    f.move({300, 200});
    QCOMPARE(AppCursor(), Qt::ClosedHandCursor);
    f.move({250, 100}); // over the appendix: still dragging, not hovering
    QCOMPARE(AppCursor(), Qt::ClosedHandCursor);
    f.release({250, 100});
    QCOMPARE(AppCursor(), Qt::ArrowCursor);
}

void TestWindowMouse::farOutsideActsAsTheEdge_data() {
    QTest::addColumn<QPoint>("grab");
    QTest::addColumn<QPoint>("outside");
    QTest::addColumn<QPoint>("edge");
    QTest::newRow("bar end past the bottom right")
        << QPoint(150, 100) << QPoint(2000, 900) << QPoint(399, 249);
    QTest::newRow("bar body past the left")
        << QPoint(100, 100) << QPoint(-700, 120) << QPoint(0, 120);
    QTest::newRow("appendix past the top")
        << QPoint(250, 100) << QPoint(180, -90) << QPoint(180, 0);
}

// Without a confined pointer the window itself keeps drag positions on the image: a
// drag far beyond an edge ends where a drag to the edge ends.
void TestWindowMouse::farOutsideActsAsTheEdge() {
    QFETCH(QPoint, grab);
    QFETCH(QPoint, outside);
    QFETCH(QPoint, edge);
    WindowFixture far;
    WindowFixture atEdge;
    for (WindowFixture* f : {&far, &atEdge}) {
        DrawBarAndAppendix(*f);
        f->control<QToolButton>("SpeedButton7")->click(); // no marker over the drawing
    }
    far.drag(grab, outside);
    atEdge.drag(grab, edge);
    QCOMPARE(far.text("Label2"), atEdge.text("Label2"));
    QCOMPARE(far.text("Label3"), atEdge.text("Label3"));
    QVERIFY(far.window.profile().liveObjects()[0] == atEdge.window.profile().liveObjects()[0]);
    QVERIFY(far.window.profile().liveObjects()[1] == atEdge.window.profile().liveObjects()[1]);
    QCOMPARE(far.window.drawing(), atEdge.window.drawing());
}

void TestWindowMouse::wholeBarStopsAtTheEdge_data() {
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<QPoint>("p1");
    QTest::addColumn<QPoint>("p2");
    // The bar (100,200)-(160,200), held by its body at (130,200).
    QTest::newRow("past the bottom right")
        << QPoint(399, 249) << QPoint(340, 250) << QPoint(400, 250);
    QTest::newRow("past the top left") << QPoint(0, 0) << QPoint(0, 0) << QPoint(60, 0);
}

void TestWindowMouse::wholeBarStopsAtTheEdge() {
    QFETCH(QPoint, to);
    QFETCH(QPoint, p1);
    QFETCH(QPoint, p2);
    WindowFixture f;
    f.control<QToolButton>("SpeedButton2")->click();
    f.drag({100, 200}, {160, 200});
    f.control<QToolButton>("SpeedButton2")->click();
    f.press({130, 200});
    f.move(to);
    f.move(to + QPoint(0, 1)); // pushing on changes nothing either
    f.release(to);
    QCOMPARE(AsQPoint(f.window.profile().Objects(1).P1), p1);
    QCOMPARE(AsQPoint(f.window.profile().Objects(1).P2), p2);
}

// A press that grabs nothing leaves the current bar alone, even after the grid changed
// under its marker.
void TestWindowMouse::clickOnNothingKeepsTheCurrentBar() {
    WindowFixture f;
    f.control<QToolButton>("SpeedButton2")->click();
    f.drag({160, 200}, {160, 170});
    f.control<QToolButton>("SpeedButton2")->click();
    f.control<QSpinBox>("SpinEdit1")->setValue(20);
    f.press({300, 50});
    f.release({300, 50});
    QCOMPARE(AsQPoint(f.window.profile().Objects(1).P1), QPoint(160, 200));
    QCOMPARE(AsQPoint(f.window.profile().Objects(1).P2), QPoint(160, 170));
}

// Keys typed after a click on the drawing no longer reach the material box.
void TestWindowMouse::clickOnTheDrawingTakesTheKeys() {
    WindowFixture f;
    QApplication::setActiveWindow(&f.window);
    QVERIFY(QTest::qWaitForWindowActive(&f.window));
    auto* material = f.control<QComboBox>("ComboBox1");
    material->setFocus();
    QTRY_VERIFY(material->hasFocus());
    QTest::mouseClick(f.imageArea(), Qt::LeftButton, {}, {300, 50});
    QWidget* focus = QApplication::focusWidget();
    QVERIFY(focus);
    QTest::keyClick(focus, Qt::Key_End);
    QTest::keyClick(focus, Qt::Key_Backspace);
    QCOMPARE(material->currentText(), QStringLiteral("Aço - 7,75"));
}

// The window's listeners (the properties window, the object panel) hear of each change
// once, whichever command made it.
void TestWindowMouse::oneNotificationPerChange_data() {
    QTest::addColumn<QString>("change");
    QTest::newRow("Remove") << "remove";
    QTest::newRow("arrow key") << "arrow";
    QTest::newRow("a move of a drag") << "drag";
    QTest::newRow("undo") << "undo";
}

void TestWindowMouse::oneNotificationPerChange() {
    QFETCH(QString, change);
    WindowFixture f;
    DrawBarAndAppendix(f);
    f.press({100, 100});
    if (change != "drag")
        f.release({100, 100});
    QSignalSpy updates(&f.window, &TFormLineStretch::profileUpdated);
    if (change == "remove")
        f.control<QToolButton>("SpeedButton3")->click();
    else if (change == "arrow")
        QTest::keyClick(f.imageArea(), Qt::Key_Right);
    else if (change == "drag")
        f.move({120, 110});
    else
        f.window.undo();
    QCOMPARE(updates.count(), 1);
}

QTEST_MAIN(TestWindowMouse)
#include "test_window_mouse.moc"
