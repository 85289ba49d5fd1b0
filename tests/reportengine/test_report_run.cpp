#include "Report.h"
#include "ReportLabel.h"
#include "ReportSystemData.h"

#include <QtTest>

namespace {

QFont testFont() {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(10);
    return font;
}

// A 100 x 100 mm page with 10 mm margins: bands flow between y 10 and y 90.
void smallPage(Report& report) {
    report.setPaperSize(QSizeF(100, 100));
    report.setMargins(QMarginsF(10, 10, 10, 10));
}

// A band with one label at its top-left corner that prints the band's name, or what a
// callback writes into it.
ReportLabel& labelledBand(Report& report, const QString& name, ReportBand::Kind kind,
                          qreal height) {
    ReportBand& band = report.addBand(name, kind, height);
    return band.add<ReportLabel>(name, QPointF(0, 0), name, testFont());
}

QStringList texts(const ReportPage& page) {
    QStringList result;
    for (const PageItem& item : page.items)
        if (item.kind == PageItem::Kind::Text)
            result << item.text;
    return result;
}

// The paper y of each printed row (label text starting with "row"), page by page.
QList<QList<qreal>> rowTops(const ReportDocument& document) {
    QList<QList<qreal>> pages;
    for (const ReportPage& page : document.pages) {
        QList<qreal> tops;
        for (const PageItem& item : page.items)
            if (item.text.startsWith(QLatin1String("row")))
                tops << item.frame.top();
        pages << tops;
    }
    return pages;
}

// A sub-detail band that prints `rows` rows, labelled "row 1", "row 2", ...
void rowsBand(Report& report, qreal height, int rows, int& printed) {
    ReportLabel& label = labelledBand(report, "rows", ReportBand::Kind::SubDetail, height);
    report.band("rows")->needData = [&label, &printed, rows](bool& more) {
        more = printed < rows;
        label.setText(QStringLiteral("row %1").arg(++printed));
    };
}

} // namespace

class TestReportRun : public QObject {
    Q_OBJECT

  private slots:
    void pageFlow_data();
    void pageFlow();
    void titleOnceAndPageElementsOnEveryPage();
    void callbackProtocol();
    void noDataProducesNoPage_data();
    void noDataProducesNoPage();
    void subDetailWithoutNeedData_data();
    void subDetailWithoutNeedData();
    void needDataThatNeverAnswersPrintsOncePerRecord();
    void skippedBandTakesNoRoom();
};

void TestReportRun::pageFlow_data() {
    QTest::addColumn<qreal>("height");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QList<QList<qreal>>>("tops");

    QTest::newRow("bands end exactly at the bottom margin")
        << 20.0 << 4 << QList<QList<qreal>>{{10, 30, 50, 70}};
    QTest::newRow("the next band starts page 2 at the top margin")
        << 20.0 << 5 << QList<QList<qreal>>{{10, 30, 50, 70}, {10}};
    QTest::newRow("a band that would cross the margin moves whole")
        << 30.0 << 3 << QList<QList<qreal>>{{10, 40}, {10}};
    QTest::newRow("a band taller than the page gets a page of its own")
        << 95.0 << 2 << QList<QList<qreal>>{{10}, {10}};
    QList<qreal> tenths;
    for (int i = 0; i < 100; ++i)
        tenths << 10 + i * 0.8;
    QTest::newRow("decimal heights that sum to the margin fit")
        << 0.8 << 100 << QList<QList<qreal>>{tenths};
}

void TestReportRun::pageFlow() {
    QFETCH(qreal, height);
    QFETCH(int, rows);
    QFETCH(QList<QList<qreal>>, tops);
    Report report("flow");
    smallPage(report);
    int printed = 0;
    rowsBand(report, height, rows, printed);

    const QList<QList<qreal>> actual = rowTops(report.run());
    QCOMPARE(actual.size(), tops.size());
    for (qsizetype p = 0; p < tops.size(); ++p) {
        QCOMPARE(actual[p].size(), tops[p].size());
        for (qsizetype r = 0; r < tops[p].size(); ++r)
            QVERIFY2(
                qAbs(actual[p][r] - tops[p][r]) < 1e-9,
                qPrintable(
                    QStringLiteral("page %1 row %2 at %3").arg(p + 1).arg(r).arg(actual[p][r])));
    }
}

void TestReportRun::titleOnceAndPageElementsOnEveryPage() {
    Report report("pages");
    smallPage(report);
    labelledBand(report, "TITLE", ReportBand::Kind::Title, 30);
    int printed = 0;
    rowsBand(report, 20, 6, printed);
    report.pageElements().add<ReportLabel>("foot", QPointF(50, 85), "FOOT", testFont());
    report.pageElements().add<ReportSystemData>("page", QPointF(80, 85),
                                                ReportSystemData::Data::PageNumber, testFont());

    const ReportDocument document = report.run();
    // Page 1 holds the title and two rows, page 2 four rows.
    QCOMPARE(document.pages.size(), 2);
    const QStringList first = texts(document.pages[0]);
    const QStringList second = texts(document.pages[1]);
    QCOMPARE(first, QStringList({"TITLE", "row 1", "row 2", "FOOT", "1"}));
    QCOMPARE(second, QStringList({"row 3", "row 4", "row 5", "row 6", "FOOT", "2"}));
    QCOMPARE(document.pages[1].items.last().frame.topLeft(), QPointF(80, 85));
    QCOMPARE(document.title, QStringLiteral("pages"));
}

// The whole order of callbacks and prints for two records.
void TestReportRun::callbackProtocol() {
    Report report("protocol");
    QStringList log;
    const auto band = [&](const QString& name, ReportBand::Kind kind) -> ReportBand& {
        ReportLabel& label = labelledBand(report, name, kind, 5);
        ReportBand& b = *report.band(name);
        b.beforePrint = [&log, &label, name](bool&) {
            log << name + " before";
            label.setText(name + QStringLiteral(" printed after ") + QString::number(log.size()));
        };
        return b;
    };
    int records = 0;
    report.beforePrint = [&](bool&) { log << "report before"; };
    report.needData = [&](bool& more) {
        log << QStringLiteral("report need %1").arg(more);
        more = ++records <= 2;
    };
    band("title", ReportBand::Kind::Title);
    band("detail", ReportBand::Kind::Detail);
    int rows = 0;
    band("rows", ReportBand::Kind::SubDetail).needData = [&](bool& more) {
        log << QStringLiteral("rows need %1").arg(more);
        more = ++rows % 3 != 0; // two rows per record
    };
    band("heading", ReportBand::Kind::SubDetail).printWhenEmpty = true;

    const ReportDocument document = report.run();
    const QStringList oneRecord = {"detail before", "rows need 1", "rows before",   "rows need 0",
                                   "rows before",   "rows need 0", "heading before"};
    QCOMPARE(log, QStringList({"report before", "report need 1", "title before"}) + oneRecord +
                      QStringList({"report need 0"}) + oneRecord + QStringList({"report need 0"}));
    // Every band printed the text its before-print had just written.
    QCOMPARE(document.pages.size(), 1);
    const QStringList printed = texts(document.pages[0]);
    QCOMPARE(printed.size(), 9); // title, then per record: detail, two rows, heading
    for (const QString& text : printed) {
        const qsizetype position = text.section(' ', -1).toInt();
        QCOMPARE(log.value(position - 1), text.section(' ', 0, 0) + " before");
    }
}

void TestReportRun::noDataProducesNoPage_data() {
    QTest::addColumn<bool>("printReport");
    QTest::addColumn<bool>("moreData");
    QTest::addColumn<int>("needDataCalls");
    QTest::newRow("need-data answers false") << true << false << 1;
    QTest::newRow("before-print cancels the run") << false << true << 0;
}

void TestReportRun::noDataProducesNoPage() {
    QFETCH(bool, printReport);
    QFETCH(bool, moreData);
    QFETCH(int, needDataCalls);
    Report report("empty");
    int calls = 0;
    int bandCallbacks = 0;
    report.beforePrint = [&](bool& print) { print = printReport; };
    report.needData = [&](bool& more) {
        ++calls;
        more = moreData;
    };
    labelledBand(report, "title", ReportBand::Kind::Title, 10);
    report.band("title")->beforePrint = [&](bool&) { ++bandCallbacks; };
    report.pageElements().add<ReportLabel>("foot", QPointF(50, 85), "FOOT", testFont());

    QVERIFY(report.run().pages.isEmpty());
    QCOMPARE(calls, needDataCalls);
    QCOMPARE(bandCallbacks, 0);
}

void TestReportRun::subDetailWithoutNeedData_data() {
    QTest::addColumn<bool>("printWhenEmpty");
    QTest::addColumn<QStringList>("printed");
    QTest::newRow("print when empty: once per record")
        << true << QStringList({"detail", "heading", "detail", "heading", "detail", "heading"});
    QTest::newRow("otherwise never") << false << QStringList({"detail", "detail", "detail"});
}

void TestReportRun::subDetailWithoutNeedData() {
    QFETCH(bool, printWhenEmpty);
    QFETCH(QStringList, printed);
    Report report("heading");
    int records = 0;
    report.needData = [&](bool& more) { more = ++records <= 3; };
    labelledBand(report, "detail", ReportBand::Kind::Detail, 5);
    labelledBand(report, "heading", ReportBand::Kind::SubDetail, 5);
    report.band("heading")->printWhenEmpty = printWhenEmpty;

    const ReportDocument document = report.run();
    QCOMPARE(document.pages.size(), 1);
    QCOMPARE(texts(document.pages[0]), printed);
}

// The engine presets MoreData: true before a record's first row, false before later ones.
void TestReportRun::needDataThatNeverAnswersPrintsOncePerRecord() {
    Report report("silent");
    int records = 0;
    report.needData = [&](bool& more) { more = ++records <= 2; };
    labelledBand(report, "row", ReportBand::Kind::SubDetail, 5);
    int calls = 0;
    report.band("row")->needData = [&](bool&) { ++calls; };

    const ReportDocument document = report.run();
    QCOMPARE(texts(document.pages.value(0)), QStringList({"row", "row"}));
    QCOMPARE(calls, 4);
}

void TestReportRun::skippedBandTakesNoRoom() {
    Report report("skip");
    smallPage(report);
    labelledBand(report, "skipped", ReportBand::Kind::Title, 70);
    report.band("skipped")->beforePrint = [](bool& print) { print = false; };
    int printed = 0;
    rowsBand(report, 20, 4, printed);

    QCOMPARE(rowTops(report.run()), QList<QList<qreal>>({{10, 30, 50, 70}}));
}

QTEST_MAIN(TestReportRun)
#include "test_report_run.moc"
