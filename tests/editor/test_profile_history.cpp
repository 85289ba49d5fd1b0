#include "AreaMove.h"
#include "ProfileFileCodec.h"
#include "ProfileHistory.h"

#include <QTest>

#include <cstring>
#include <functional>
#include <stdexcept>
#include <vector>

namespace {

using Edit = std::function<void(TProfile&)>;

// Everything undo must give back: the bytes Save would write, every slot (stale ones
// too, which later creations reuse), the count and the material.
struct State {
    std::vector<std::uint8_t> saved;
    std::vector<std::uint8_t> slotBytes;
    int objectCount;
    int materialIndex;
    bool operator==(const State&) const = default;
};

State StateOf(const TProfile& p) {
    TProfile compacted = p;
    compacted.CompactObjects();
    const auto* raw = reinterpret_cast<const std::uint8_t*>(p.allSlots().data());
    return {EncodeProfile(compacted.liveObjects(), p.MaterialIndex()),
            {raw, raw + p.allSlots().size_bytes()},
            p.ObjectCount(),
            p.MaterialIndex()};
}

// Five bars, the third current; the slots above hold an appendix from an earlier profile.
TProfile Sample() {
    TProfile p;
    for (int i = 1; i <= 6; ++i)
        p.createObject(i == 6 ? okAppendix : okBar, {10 * i, 20}, i);
    p.setCurrentIndex(6);
    p.deleteCurrent();
    for (int i = 1; i <= 5; ++i)
        p.Objects(i).P2 = {10 * i + 5, 60};
    p.setCurrentIndex(3);
    return p;
}

} // namespace

Q_DECLARE_METATYPE(Edit)

class TestProfileHistory : public QObject {
    Q_OBJECT
  private slots:
    void undoAndRedoAreExact_data();
    void undoAndRedoAreExact();
    void noChangeNoStep();
    void arrowRunIsOneStep();
    void failedEditIsStillRecorded();
};

void TestProfileHistory::undoAndRedoAreExact_data() {
    QTest::addColumn<Edit>("edit");
    QTest::newRow("add a bar") << Edit([](TProfile& p) { p.createObject(okBar, {7, 9}, 22); });
    QTest::newRow("remove from the middle") << Edit([](TProfile& p) { p.deleteCurrent(); });
    QTest::newRow("new profile") << Edit([](TProfile& p) { p.reset(); });
    QTest::newRow("material") << Edit([](TProfile& p) { p.selectMaterial(-1); });
    QTest::newRow("load") << Edit([](TProfile& p) {
        TProfileObject a;
        a.Number = 9;
        a.Reserved[7] = 0xAB;
        p.replace(std::vector<TProfileObject>{a, a, a}, 4);
    });
    QTest::newRow("fill every slot") << Edit([](TProfile& p) {
        while (p.createObject(okAppendix, {1, 2}, 3)) {
        }
    });
    QTest::newRow("compaction of a loaded list with gaps") << Edit([](TProfile& p) {
        p.Objects(1).Number = 0;
        p.Objects(2).Number = 7;
        p.Objects(4).Number = 0;
        p.CompactObjects();
    });
}

void TestProfileHistory::undoAndRedoAreExact() {
    QFETCH(Edit, edit);
    TProfile profile = Sample();
    ProfileHistory history(profile);
    const State before = StateOf(profile);
    history.change(QStringLiteral("step"), [&] { edit(profile); });
    const State after = StateOf(profile);
    const int currentAfter = profile.CurrentIndex();
    QVERIFY(after != before);
    QCOMPARE(history.stack().count(), 1);

    history.undo();
    QVERIFY(StateOf(profile) == before);
    QCOMPARE(profile.CurrentIndex(), 3);
    history.redo();
    QVERIFY(StateOf(profile) == after);
    QCOMPARE(profile.CurrentIndex(), currentAfter);
}

void TestProfileHistory::noChangeNoStep() {
    TProfile profile = Sample();
    ProfileHistory history(profile);
    history.change(QStringLiteral("select"), [&] { profile.setCurrentIndex(1); });
    history.change(QStringLiteral("same material"), [&] { profile.selectMaterial(0); });
    history.beginGesture(QStringLiteral("drag"));
    profile.Objects(2).P1 = {0, 0};
    profile.Objects(2).P1 = {20, 20};
    history.endGesture();
    QCOMPARE(history.stack().count(), 0);
}

void TestProfileHistory::arrowRunIsOneStep() {
    TProfile profile = Sample();
    ProfileHistory history(profile);
    const State before = StateOf(profile);
    auto arrow = [&](TPoint d) {
        history.change(QStringLiteral("arrow"),
                       [&] { MoveCurrentWithin(profile, d, {400, 250}); },
                       profile.CurrentIndex());
    };
    arrow({1, 0});
    arrow({0, 10});
    arrow({1, 0});
    const State moved = StateOf(profile);
    profile.setCurrentIndex(4);
    arrow({1, 0}); // another object: a run of its own
    QCOMPARE(history.stack().count(), 2);

    history.undo();
    QVERIFY(StateOf(profile) == moved);
    history.undo();
    QVERIFY(StateOf(profile) == before);
    history.redo();
    QVERIFY(StateOf(profile) == moved);
}

void TestProfileHistory::failedEditIsStillRecorded() {
    TProfile profile = Sample();
    ProfileHistory history(profile);
    const State before = StateOf(profile);
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, history.change(QStringLiteral("half"), [&] {
        profile.Objects(1).Thickness = 9;
        throw std::runtime_error("disk full");
    }));
    history.undo();
    QVERIFY(StateOf(profile) == before);
}

QTEST_MAIN(TestProfileHistory)
#include "test_profile_history.moc"
