#include "PageFile.h"
#include "PdfTools.h"
#include "PreviewDialogs.h"
#include "Report.h"
#include "ReportLabel.h"
#include "ReportPreview.h"

#include <QAction>
#include <QLabel>
#include <QPrintPreviewWidget>
#include <QtTest>

namespace {

// Answers the preview's dialogs as a user would, and remembers the errors shown.
class AnsweringDialogs : public PreviewDialogs {
  public:
    QString fileName;
    QString printTo; // PDF file the "printer" writes
    QStringList errors;
    int printerSetups = 0;

    QString openFile(QWidget*, const QString&, const QString&) override { return fileName; }
    QString saveFile(QWidget*, const QString&, const QString&, const QString&) override {
        return fileName;
    }
    void showError(QWidget*, const QString& message) override { errors << message; }
    bool setupPrinter(QWidget*, QPrinter&) override {
        ++printerSetups;
        return true;
    }
    bool confirmPrint(QWidget*, QPrinter& printer) override {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printTo);
        return !printTo.isEmpty();
    }
};

// Three pages of one full-page band each; every run numbers its pages afresh and says
// which run it was.
class ThreePageReport {
  public:
    ThreePageReport() : report(QStringLiteral("Relatório de teste")) {
        report.beforePrint = [this](bool&) {
            ++runs;
            records = 0;
        };
        report.needData = [this](bool& more) { more = ++records <= 3; };
        ReportBand& band = report.addBand("page", ReportBand::Kind::Detail, 250);
        ReportLabel& label = band.add<ReportLabel>("label", QPointF(10, 10), QString(),
                                                   QFont(QStringLiteral("Arial")));
        band.beforePrint = [this, &label](bool&) {
            label.setText(QStringLiteral("execução %1 página %2").arg(runs).arg(records));
        };
    }

    Report report;
    int runs = 0;
    int records = 0;
};

QString pageLabel(const ReportPreview& preview) {
    return preview.findChild<QLabel*>("pageLabel")->text();
}

void trigger(ReportPreview& preview, const char* action) {
    QAction* found = preview.findChild<QAction*>(action);
    QVERIFY2(found, action);
    found->trigger();
}

} // namespace

class TestReportPreview : public QObject {
    Q_OBJECT

  private slots:
    void opensAsMaximizedNonModalWindowWithTheTitle();
    void paging_data();
    void paging();
    void zoom();
    void printRunsTheReportAgain();
    void savedPagesLoadBack();
    void damagedPageFileChangesNothing();
    void exportsPdf();

  private:
    ThreePageReport m_source;
    AnsweringDialogs m_dialogs;
};

void TestReportPreview::opensAsMaximizedNonModalWindowWithTheTitle() {
    ReportPreview preview(m_source.report, m_dialogs);
    preview.showDocument(m_source.report.run());
    QVERIFY(preview.isVisible());
    QVERIFY(preview.isWindow());
    QVERIFY(preview.windowState() & Qt::WindowMaximized);
    QCOMPARE(preview.windowModality(), Qt::NonModal);
    QCOMPARE(preview.windowTitle(), QStringLiteral("Relatório de teste"));
    QVERIFY(!preview.testAttribute(Qt::WA_QuitOnClose));
    QCOMPARE(preview.pageCount(), 3);

    trigger(preview, "close");
    QVERIFY(!preview.isVisible());
    preview.showDocument(preview.document());
    QVERIFY(preview.isVisible());
}

void TestReportPreview::paging_data() {
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<QString>("label");
    QTest::newRow("opens on page 1") << QStringList() << "Página 1 de 3";
    QTest::newRow("next") << QStringList({"nextPage"}) << "Página 2 de 3";
    QTest::newRow("last") << QStringList({"lastPage"}) << "Página 3 de 3";
    QTest::newRow("next stops at the last page")
        << QStringList({"lastPage", "nextPage"}) << "Página 3 de 3";
    QTest::newRow("previous") << QStringList({"lastPage", "previousPage"}) << "Página 2 de 3";
    QTest::newRow("previous stops at page 1") << QStringList({"previousPage"}) << "Página 1 de 3";
    QTest::newRow("first") << QStringList({"lastPage", "firstPage"}) << "Página 1 de 3";
}

void TestReportPreview::paging() {
    QFETCH(QStringList, actions);
    QFETCH(QString, label);
    ReportPreview preview(m_source.report, m_dialogs);
    preview.showDocument(m_source.report.run());
    for (const QString& action : actions)
        trigger(preview, qPrintable(action));
    QCOMPARE(pageLabel(preview), label);
}

void TestReportPreview::zoom() {
    ReportPreview preview(m_source.report, m_dialogs);
    preview.showDocument(m_source.report.run());
    auto* view = preview.findChild<QPrintPreviewWidget*>();
    trigger(preview, "fitWidth");
    QCOMPARE(view->zoomMode(), QPrintPreviewWidget::FitToWidth);
    const qreal fitted = view->zoomFactor();
    trigger(preview, "zoomIn");
    QVERIFY(view->zoomFactor() > fitted);
    trigger(preview, "zoomOut");
    trigger(preview, "zoomOut");
    QVERIFY(view->zoomFactor() < fitted);
    trigger(preview, "fitPage");
    QCOMPARE(view->zoomMode(), QPrintPreviewWidget::FitInView);
}

void TestReportPreview::printRunsTheReportAgain() {
    QTemporaryDir dir;
    ReportPreview preview(m_source.report, m_dialogs);
    preview.showDocument(m_source.report.run());
    const ReportDocument shown = preview.document();
    const int runs = m_source.runs;

    m_dialogs.printTo = QString();
    trigger(preview, "print");
    QCOMPARE(m_source.runs, runs); // cancelled in the print dialog

    m_dialogs.printTo = dir.filePath("printed.pdf");
    trigger(preview, "print");
    QCOMPARE(m_source.runs, runs + 1);
    const QString expected = QStringLiteral("execução %1 página 3").arg(runs + 1);
    QVERIFY2(PdfTools::text(m_dialogs.printTo).contains(expected),
             qPrintable(PdfTools::text(m_dialogs.printTo)));
    QCOMPARE(PdfTools::pageCount(m_dialogs.printTo), 3);
    QVERIFY(preview.document() == shown);

    trigger(preview, "printerSetup");
    QCOMPARE(m_dialogs.printerSetups, 1);
    QVERIFY(m_dialogs.errors.isEmpty());
}

void TestReportPreview::savedPagesLoadBack() {
    QTemporaryDir dir;
    ReportPreview preview(m_source.report, m_dialogs);
    preview.showDocument(m_source.report.run());
    const ReportDocument saved = preview.document();
    m_dialogs.fileName = dir.filePath("run.pag");
    trigger(preview, "savePages");

    preview.showDocument(m_source.report.run());
    QVERIFY(!(preview.document() == saved));
    trigger(preview, "lastPage");
    trigger(preview, "loadPages");
    QVERIFY(preview.document() == saved);
    QCOMPARE(pageLabel(preview), QStringLiteral("Página 1 de 3"));
    QVERIFY(m_dialogs.errors.isEmpty());
}

void TestReportPreview::damagedPageFileChangesNothing() {
    QTemporaryDir dir;
    ReportPreview preview(m_source.report, m_dialogs);
    preview.showDocument(m_source.report.run());
    trigger(preview, "nextPage");
    const ReportDocument shown = preview.document();
    QByteArray bytes = PageFile::encode(shown);
    bytes.chop(1);
    m_dialogs.fileName = dir.filePath("broken.pag");
    QFile file(m_dialogs.fileName);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    m_dialogs.errors.clear();

    trigger(preview, "loadPages");
    QCOMPARE(m_dialogs.errors.size(), 1);
    QVERIFY2(m_dialogs.errors[0].contains("danificado"), qPrintable(m_dialogs.errors[0]));
    QVERIFY(preview.document() == shown);
    QCOMPARE(pageLabel(preview), QStringLiteral("Página 2 de 3"));
    m_dialogs.errors.clear();
}

void TestReportPreview::exportsPdf() {
    QTemporaryDir dir;
    ReportPreview preview(m_source.report, m_dialogs);
    preview.showDocument(m_source.report.run());
    const int runs = m_source.runs;
    m_dialogs.fileName = dir.filePath("export.pdf");
    trigger(preview, "exportPdf");
    QCOMPARE(m_source.runs, runs); // the shown pages, not a new run
    QCOMPARE(PdfTools::pageCount(m_dialogs.fileName), 3);
    QVERIFY(PdfTools::text(m_dialogs.fileName)
                .contains(QStringLiteral("execução %1 página 2").arg(runs)));

    m_dialogs.fileName = dir.filePath("missing/export.pdf");
    trigger(preview, "exportPdf");
    QCOMPARE(m_dialogs.errors.size(), 1);
    m_dialogs.errors.clear();
}

QTEST_MAIN(TestReportPreview)
#include "test_report_preview.moc"
