#include "Report.h"
#include "ReportLabel.h"
#include "ReportSystemData.h"

#include <QtTest>

namespace {

// A band with one label at its top-left corner, showing the band's name until a callback
// writes into it.
ReportLabel& labelledBand(Report& report, const QString& name, ReportBand::Kind kind,
                          qreal height) {
    return report.addBand(name, kind, height)
        .add<ReportLabel>(name, QPointF(0, 0), name, QFont(QStringLiteral("Arial")));
}

// A 100 x 100 mm page, 10 mm margins: bands flow between y 10 and y 90. A sub-detail band
// prints `rows` rows labelled "row 1", "row 2", ...
struct RowsReport {
    Report report{QStringLiteral("rows")};
    int printed = 0;

    RowsReport(qreal height, int rows) {
        report.setPaperSize(QSizeF(100, 100));
        report.setMargins(QMarginsF(10, 10, 10, 10));
        ReportLabel& label = labelledBand(report, "rows", ReportBand::Kind::SubDetail, height);
        report.band("rows")->needData = [this, &label, rows](bool& more) {
            more = printed < rows;
            label.setText(QStringLiteral("row %1").arg(++printed));
        };
    }
};

QStringList texts(const ReportPage& page) {
    QStringList result;
    for (const PageItem& item : page.items)
        result << item.text;
    return result;
}

// The paper y of each printed row, page by page.
QList<QList<qreal>> rowTops(const ReportDocument& document) {
    QList<QList<qreal>> pages;
    for (const ReportPage& page : document.pages) {
        pages.append(QList<qreal>());
        for (const PageItem& item : page.items)
            if (item.text.startsWith(QLatin1String("row")))
                pages.last() << item.frame.top();
    }
    return pages;
}

} // namespace

class TestReportRun : public QObject {
    Q_OBJECT

  private slots:
    void pageFlow_data();
    void pageFlow();
    void titleOnceHeaderAfterAndPageElementsOnEveryPage();
    void callbackProtocol();
    void noDataProducesNoPage_data();
    void noDataProducesNoPage();
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
    QList<qreal> tops;
    for (int i = 0; i < 200; ++i)
        tops << 10 + i * 0.4;
    QTest::newRow("decimal heights summing to the margin fit")
        << 0.4 << 200 << QList<QList<qreal>>{tops};
}

void TestReportRun::pageFlow() {
    QFETCH(qreal, height);
    QFETCH(int, rows);
    QFETCH(QList<QList<qreal>>, tops);
    RowsReport source(height, rows);
    const QList<QList<qreal>> actual = rowTops(source.report.run());
    QCOMPARE(actual.size(), tops.size());
    for (qsizetype p = 0; p < tops.size(); ++p) {
        QCOMPARE(actual[p].size(), tops[p].size());
        for (qsizetype r = 0; r < tops[p].size(); ++r)
            QVERIFY2(qAbs(actual[p][r] - tops[p][r]) < 1e-9,
                     qPrintable(QString::number(actual[p][r])));
    }
}

void TestReportRun::titleOnceHeaderAfterAndPageElementsOnEveryPage() {
    RowsReport source(20, 6);
    Report& report = source.report;
    labelledBand(report, "TITLE", ReportBand::Kind::Title, 30);
    const QFont font(QStringLiteral("Arial"));
    report.addBand("head", ReportBand::Kind::PageHeader, 5)
        .add<ReportSystemData>("of", QPointF(0, 0), ReportSystemData::Data::PageOfPages, font,
                               "%1/%2");
    // A header that skips itself takes no room.
    labelledBand(report, "skipped", ReportBand::Kind::PageHeader, 5).setText("SKIPPED");
    report.band("skipped")->beforePrint = [](bool& print) { print = false; };
    report.pageElements().add<ReportLabel>("foot", QPointF(50, 85), "FOOT", font);
    report.pageElements().add<ReportSystemData>("page", QPointF(80, 85),
                                                ReportSystemData::Data::PageNumber, font);

    // No row runs under the page elements: the bands end above y 85, not the margin at 90.
    const ReportDocument document = report.run();
    QCOMPARE(document.pages.size(), 3);
    QCOMPARE(texts(document.pages[0]), QStringList({"TITLE", "row 1", "row 2", "FOOT", "1"}));
    QCOMPARE(texts(document.pages[1]),
             QStringList({"2/3", "row 3", "row 4", "row 5", "FOOT", "2"}));
    QCOMPARE(texts(document.pages[2]), QStringList({"3/3", "row 6", "FOOT", "3"}));
    QCOMPARE(rowTops(document).at(1), (QList<qreal>{15, 35, 55}));
    QCOMPARE(document.pages[1].items.last().frame.topLeft(), QPointF(80, 85));
}

// The whole order of callbacks for two records; each band prints the text its before-print
// has just written.
void TestReportRun::callbackProtocol() {
    Report report("protocol");
    QStringList log;
    const auto band = [&](const QString& name, ReportBand::Kind kind) -> ReportBand& {
        ReportLabel& label = labelledBand(report, name, kind, 5);
        ReportBand& b = *report.band(name);
        b.beforePrint = [&log, &label, name](bool&) {
            log << name;
            label.setText(name + QString::number(log.size()));
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
    band("silent", ReportBand::Kind::SubDetail); // no data, not printed when empty

    const ReportDocument document = report.run();
    const QStringList record = {"detail", "rows need 1", "rows",   "rows need 0",
                                "rows",   "rows need 0", "heading"};
    QCOMPARE(log, QStringList({"report before", "report need 1", "title"}) + record +
                      QStringList({"report need 0"}) + record + QStringList({"report need 0"}));
    QCOMPARE(texts(document.pages.value(0)),
             QStringList({"title3", "detail4", "rows6", "rows8", "heading10", "detail12", "rows14",
                          "rows16", "heading18"}));
}

void TestReportRun::noDataProducesNoPage_data() {
    QTest::addColumn<bool>("printReport");
    QTest::addColumn<int>("needDataCalls");
    QTest::newRow("need-data answers false") << true << 1;
    QTest::newRow("before-print cancels the run") << false << 0;
}

void TestReportRun::noDataProducesNoPage() {
    QFETCH(bool, printReport);
    QFETCH(int, needDataCalls);
    RowsReport source(10, 0);
    Report& report = source.report;
    int calls = 0;
    report.beforePrint = [&](bool& print) { print = printReport; };
    report.needData = [&](bool& more) { more = ++calls > 1; };
    labelledBand(report, "title", ReportBand::Kind::Title, 10);
    report.pageElements().add<ReportLabel>("foot", QPointF(50, 85), "FOOT", QFont());

    QVERIFY(report.run().pages.isEmpty());
    QCOMPARE(calls, needDataCalls);
    QCOMPARE(source.printed, 0);
}

QTEST_MAIN(TestReportRun)
#include "test_report_run.moc"
