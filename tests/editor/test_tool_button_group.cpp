#include "ToolButtonGroup.h"

#include <QTest>
#include <QToolButton>
#include <QWidget>

#include <array>

class TestToolButtonGroup : public QObject {
    Q_OBJECT
  private slots:
    void clicks_data();
    void clicks();
};

void TestToolButtonGroup::clicks_data() {
    QTest::addColumn<QString>("sequence"); // buttons clicked, by index
    QTest::addColumn<QString>("down");     // '1' for each button down afterwards
    QTest::addColumn<QString>("handled");  // click handlers run, per button
    QTest::newRow("one click puts a button down") << "0"
                                                  << "100"
                                                  << "100";
    QTest::newRow("a second click raises it again") << "00"
                                                    << "000"
                                                    << "200";
    QTest::newRow("another button takes over") << "01"
                                               << "010"
                                               << "110";
    QTest::newRow("round the group") << "012"
                                     << "001"
                                     << "111";
    QTest::newRow("back and forth") << "0101"
                                    << "010"
                                    << "220";
    QTest::newRow("take over, then raise") << "022"
                                           << "000"
                                           << "102";
}

// Raising a button through the group is not a click of it: only clicked buttons run
// their handlers.
void TestToolButtonGroup::clicks() {
    QFETCH(QString, sequence);
    QFETCH(QString, down);
    QFETCH(QString, handled);
    QWidget panel;
    ToolButtonGroup group;
    std::array<QToolButton*, 3> buttons{};
    std::array<int, 3> clicks{};
    for (int i = 0; i < 3; ++i) {
        buttons[i] = new QToolButton(&panel);
        group.addButton(buttons[i]);
        connect(buttons[i], &QToolButton::clicked, this, [&clicks, i] { ++clicks[i]; });
    }
    for (QChar c : sequence)
        buttons[c.digitValue()]->click();
    QString downNow;
    QString handledNow;
    for (int i = 0; i < 3; ++i) {
        downNow += buttons[i]->isChecked() ? QLatin1Char('1') : QLatin1Char('0');
        handledNow += QString::number(clicks[i]);
    }
    QCOMPARE(downNow, down);
    QCOMPARE(handledNow, handled);
}

QTEST_MAIN(TestToolButtonGroup)
#include "test_tool_button_group.moc"
