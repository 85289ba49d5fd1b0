// Undo, redo, Escape, arrows and the command keys through the real window, with key
// events as the keyboard delivers them.
#include "ProfileFile.h"
#include "WindowFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QToolButton>
#include <QUndoStack>

#include <functional>

namespace {

using Action = std::function<void(WindowFixture&)>;

// What undo must restore: the bytes Save would write, and the count.
std::vector<std::uint8_t> SavedBytes(const TProfile& profile) {
    TProfile compacted = profile;
    compacted.CompactObjects();
    return EncodeProfile(compacted.liveObjects(), compacted.MaterialIndex());
}

void Key(WindowFixture& f, const char* sequence) {
    const QKeyCombination key = QKeySequence(QString::fromLatin1(sequence))[0];
    QTest::keyClick(f.imageArea(), key.key(), key.keyboardModifiers());
}

// Two bars, (50,50)-(150,50) and (50,100)-(150,100), the second current; select tool.
void DrawTwoBars(WindowFixture& f) {
    f.control<QToolButton>("SpeedButton2")->click();
    f.drag({50, 50}, {150, 50});
    f.drag({50, 100}, {150, 100});
    f.control<QToolButton>("SpeedButton2")->click();
}

} // namespace

Q_DECLARE_METATYPE(Action)

class TestEditorKeyboard : public QObject {
    Q_OBJECT
  private slots:
    void everyStepUndoesAndRedoes_data();
    void everyStepUndoesAndRedoes();
    void escapeCancelsTheDrag();
    void undoInTheMiddleOfADrag();
    void arrowsMoveTheCurrentObject_data();
    void arrowsMoveTheCurrentObject();
    void aClickOnEmptySpaceLetsGo();
    void undoInThePropertiesWindow();
    void commandKeysClickTheirButtons();
};

void TestEditorKeyboard::everyStepUndoesAndRedoes_data() {
    QTest::addColumn<Action>("step");
    QTest::addColumn<QString>("redoKey");
    QTest::newRow("add a bar") << Action([](WindowFixture& f) {
        f.control<QToolButton>("SpeedButton2")->click();
        f.drag({200, 150}, {300, 200});
    }) << "Ctrl+Shift+Z";
    QTest::newRow("end dragged onto the other end: removed at the release")
        << Action([](WindowFixture& f) { f.drag({150, 50}, {50, 50}); }) << "Ctrl+Y";
    QTest::newRow("Delete after picking the first bar") << Action([](WindowFixture& f) {
        f.drag({100, 50}, {100, 50});
        Key(f, "Delete");
    }) << "Ctrl+Y";
    QTest::newRow("new profile") << Action([](WindowFixture& f) { Key(f, "Ctrl+N"); }) << "Ctrl+Y";
    QTest::newRow("material") << Action([](WindowFixture& f) {
        f.control<QComboBox>("ComboBox1")->setCurrentIndex(4);
    }) << "Ctrl+Y";
    QTest::newRow("object panel: thickness of the current bar") << Action([](WindowFixture& f) {
        Key(f, "Ctrl+I");
        auto* thickness = f.control<QLineEdit>("thickness");
        thickness->selectAll();
        QTest::keyClicks(thickness, QStringLiteral("2.25"));
        QTest::keyClick(thickness, Qt::Key_Return);
        QCOMPARE(f.window.profile().Objects(2).Thickness, 2.25);
    }) << "Ctrl+Y";
    QTest::newRow("load") << Action([](WindowFixture& f) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("one.per"));
        TProfile other;
        other.createObject(okAppendix, {7, 7}, 33);
        SaveProfile(other, path.toStdString());
        f.dialogs->fileAnswers.append(path);
        Key(f, "Ctrl+O");
    }) << "Ctrl+Y";
}

void TestEditorKeyboard::everyStepUndoesAndRedoes() {
    QFETCH(Action, step);
    QFETCH(QString, redoKey);
    WindowFixture f;
    DrawTwoBars(f);
    const auto before = SavedBytes(f.window.profile());
    const int steps = f.window.undoStack().count();
    step(f);
    const auto after = SavedBytes(f.window.profile());
    QVERIFY(after != before);
    QCOMPARE(f.window.undoStack().count(), steps + 1);

    Key(f, "Ctrl+Z");
    QVERIFY(SavedBytes(f.window.profile()) == before);
    QCOMPARE(f.text("Label2"), QStringLiteral("—")); // no marker: nothing is held
    QCOMPARE(f.text("Label5"), QString::number(f.window.profile().ObjectCount()));
    Key(f, redoKey.toLatin1().constData());
    QVERIFY(SavedBytes(f.window.profile()) == after);
    QCOMPARE(f.control<QComboBox>("ComboBox1")->currentIndex(),
             f.window.profile().MaterialIndex());
}

// Escape while a new bar is drawn: the profile as before the press; the rest of the drag
// changes nothing.
void TestEditorKeyboard::escapeCancelsTheDrag() {
    const QPoint from(200, 200);
    WindowFixture f;
    DrawTwoBars(f);
    f.control<QToolButton>("SpeedButton2")->click();
    const auto before = SavedBytes(f.window.profile());
    const int steps = f.window.undoStack().count();
    f.press(from);
    f.move(from + QPoint(40, 60));
    Key(f, "Escape");
    QVERIFY(SavedBytes(f.window.profile()) == before);
    f.move(from + QPoint(80, 20));
    f.release(from + QPoint(80, 20));
    QVERIFY(SavedBytes(f.window.profile()) == before);
    QCOMPARE(f.window.undoStack().count(), steps);
}

// The drag so far becomes a step that undo takes back and redo brings again; the mouse
// holds nothing afterwards.
void TestEditorKeyboard::undoInTheMiddleOfADrag() {
    WindowFixture f;
    DrawTwoBars(f);
    const auto before = SavedBytes(f.window.profile());
    f.press({100, 100});
    f.move({130, 160});
    const auto dragged = SavedBytes(f.window.profile());
    Key(f, "Ctrl+Z");
    QVERIFY(SavedBytes(f.window.profile()) == before);
    f.move({200, 200});
    f.release({200, 200});
    QVERIFY(SavedBytes(f.window.profile()) == before);
    Key(f, "Ctrl+Y");
    QVERIFY(SavedBytes(f.window.profile()) == dragged);
}

void TestEditorKeyboard::arrowsMoveTheCurrentObject_data() {
    QTest::addColumn<bool>("snap");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QPoint>("p1");
    QTest::newRow("one grid step") << true << QStringList{"Right"} << QPoint(60, 100);
    QTest::newRow("one millimetre without snapping") << false << QStringList{"Up", "Up"}
                                                     << QPoint(50, 98);
    QTest::newRow("Shift: ten steps") << true << QStringList{"Shift+Down"} << QPoint(50, 200);
    QTest::newRow("stops at the right edge") << true << QStringList(26, "Right") << QPoint(300, 100);
    QTest::newRow("back and forth") << false << QStringList{"Left", "Right"} << QPoint(50, 100);
}

void TestEditorKeyboard::arrowsMoveTheCurrentObject() {
    QFETCH(bool, snap);
    QFETCH(QStringList, keys);
    QFETCH(QPoint, p1);
    WindowFixture f;
    DrawTwoBars(f);
    if (!snap)
        f.control<QCheckBox>("chTravaGrid")->click();
    f.drag({100, 100}, {100, 100}); // picks the bar and gives the drawing area the keyboard
    const int steps = f.window.undoStack().count();
    const auto before = SavedBytes(f.window.profile());
    for (const QString& key : keys)
        Key(f, key.toLatin1().constData());
    const TPoint moved = f.window.profile().Objects(2).P1;
    QCOMPARE(QPoint(moved.X, moved.Y), p1);
    const TProfileObject& bar = f.window.profile().Objects(2);
    QCOMPARE(bar.P2.X - bar.P1.X, 100); // the bar keeps its shape
    QCOMPARE(bar.P2.Y, bar.P1.Y);
    // The run is one step, or none when it ends where it began.
    const bool changed = SavedBytes(f.window.profile()) != before;
    QCOMPARE(f.window.undoStack().count(), steps + (changed ? 1 : 0));
}

// With the marker gone, nothing is current: Delete, the arrows and the object panel have
// nothing to act on.
void TestEditorKeyboard::aClickOnEmptySpaceLetsGo() {
    WindowFixture f;
    DrawTwoBars(f);
    const auto before = SavedBytes(f.window.profile());
    f.drag({300, 200}, {300, 200});
    for (const char* key : {"Delete", "Right", "Shift+Up"})
        Key(f, key);
    QVERIFY(SavedBytes(f.window.profile()) == before);
    QCOMPARE(f.text("Label2"), QStringLiteral("—"));
    QCOMPARE(f.text("Label3"), QStringLiteral("—"));
    Key(f, "Ctrl+I");
    QCOMPARE(f.text("object"), QStringLiteral("nenhum"));
}

// Undo and redo from the properties window, as in the editor, except in a field being edited.
void TestEditorKeyboard::undoInThePropertiesWindow() {
    WindowFixture f;
    DrawTwoBars(f);
    Key(f, "Ctrl+I");
    QVERIFY(QTest::qWaitForWindowActive(f.control<QWidget>("SectionPropertiesWindow")));
    auto* field = f.control<QLineEdit>("p1x");
    QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(f.window.profile().ObjectCount(), 1);
    QTest::keyClick(field, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(f.window.profile().ObjectCount(), 2);
    QTRY_COMPARE(f.text("object"), QStringLiteral("2 de 2, barra")); // the panel follows
    QCOMPARE(field->text(), QStringLiteral("50"));

    QTest::keyClick(field, Qt::Key_End);
    QTest::keyClick(field, Qt::Key_7);
    QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(field->text(), QStringLiteral("50"));
    QCOMPARE(f.window.profile().ObjectCount(), 2);

    // Once a value is applied, the field has nothing of its own to take back.
    field->selectAll();
    QTest::keyClicks(field, QStringLiteral("60"));
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(f.window.profile().Objects(2).P1.X, 60);
    QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(f.window.profile().Objects(2).P1.X, 50);
}

void TestEditorKeyboard::commandKeysClickTheirButtons() {
    WindowFixture f;
    DrawTwoBars(f);
    f.dialogs->confirmAnswers = {false};
    Key(f, "Ctrl+N");
    QCOMPARE(f.dialogs->questions,
             QStringList{"Há alterações não salvas. Confirma zerar o perfil atual ?"});
    QCOMPARE(f.window.profile().ObjectCount(), 2);
    Key(f, "Delete");
    QCOMPARE(f.window.profile().ObjectCount(), 1);
    QCOMPARE(f.control<QToolButton>("SpeedButton5")->toolTip(),
             QStringLiteral("Salva perfil atual (Ctrl+S)"));
    QCOMPARE(f.control<QToolButton>("SpeedButton3")->toolTip(),
             QStringLiteral("Remove um item (Delete)"));
}

QTEST_MAIN(TestEditorKeyboard)
#include "test_editor_keyboard.moc"
