#include "PageFile.h"
#include "PageView.h"
#include "PreviewDialogs.h"
#include "Report.h"
#include "ReportLabel.h"
#include "ReportPreview.h"
#include "WidgetPreviewDialogs.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>
#include <QtTest>

namespace {

// Answers the file dialogs with a fixed name and remembers the errors shown.
class AnsweringDialogs : public PreviewDialogs {
  public:
    QString fileName;
    QStringList errors;

    QString openFile(QWidget*, const QString&, const QString&) override { return fileName; }
    QString saveFile(QWidget*, const QString&, const QString&, const QString&) override {
        return fileName;
    }
    void showError(QWidget*, const QString& message) override { errors << message; }
    bool setupPrinter(QWidget*, QPrinter&) override { return false; }
    bool confirmPrint(QWidget*, QPrinter&) override { return false; }
};

// A user who turns the paper to landscape Letter in both printer dialogs, picks a page
// range and prints into a PDF file.
class LandscapeUser : public AnsweringDialogs {
  public:
    QString pdf;
    int fromPage = 0, toPage = 0;

    bool setupPrinter(QWidget*, QPrinter& printer) override {
        turn(printer);
        return true;
    }
    bool confirmPrint(QWidget*, QPrinter& printer) override {
        turn(printer);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        if (fromPage > 0) {
            printer.setPrintRange(QPrinter::PageRange);
            printer.setFromTo(fromPage, toPage);
        }
        return true;
    }

  private:
    static void turn(QPrinter& printer) {
        printer.setPageSize(QPageSize(QPageSize::Letter));
        printer.setPageOrientation(QPageLayout::Landscape);
    }
};

// pdfinfo's "Pages:" and "Page size:" lines.
QStringList PdfInfo(const QString& pdf) {
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), {pdf});
    process.waitForFinished(60000);
    QStringList lines;
    for (const QString& line : QString::fromUtf8(process.readAllStandardOutput()).split('\n'))
        if (line.startsWith(QLatin1String("Pages:")) ||
            line.startsWith(QLatin1String("Page size:")))
            lines << line.simplified();
    return lines;
}

// Three pages, one full-page band each.
struct ThreePageReport {
    Report report{QStringLiteral("Relatório de teste")};
    int records = 0;

    ThreePageReport() {
        report.beforePrint = [this](bool&) { records = 0; };
        report.needData = [this](bool& more) { more = ++records <= 3; };
        report.addBand("page", ReportBand::Kind::Detail, 250)
            .add<ReportLabel>("label", QPointF(10, 10), "página", QFont());
    }
};

void trigger(ReportPreview& preview, const QString& action) {
    QAction* found = preview.findChild<QAction*>(action);
    QVERIFY2(found, qPrintable(action));
    found->trigger();
}

QString pageLabel(const ReportPreview& preview) {
    return preview.findChild<QLabel*>("pageLabel")->text();
}

// Whether the toolkit's print system (its printer plug-in) is in this process.
bool PrintSystemLoaded() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("/printsupport/");
}

} // namespace

class TestReportPreview : public QObject {
    Q_OBJECT

  private slots:
    // First: once loaded, the print system stays for the rest of the process.
    void printSystemWaitsForThePrinter();
    void opensAsMaximizedNonModalWindowWithTheTitle();
    void paging_data();
    void paging();
    void damagedPageFileChangesNothing();
    void paperStaysPortraitA4_data();
    void paperStaysPortraitA4();
    void fitPageAfterZoomingOut();
    void labelFollowsScrolling_data();
    void labelFollowsScrolling();
    void wheelZoomsWithControl_data();
    void wheelZoomsWithControl();
    void wheelZoomsAboutThePointer();
    void escapeCloses();
    void printerOffersPortraitOnly();

  private:
    ThreePageReport m_source;
    AnsweringDialogs m_dialogs;
};

// Showing pages needs no printer; the user's first call for one brings the print system.
void TestReportPreview::printSystemWaitsForThePrinter() {
    ReportPreview preview(m_source.report, m_dialogs);
    preview.showDocument(m_source.report.run());
    QVERIFY(QTest::qWaitForWindowExposed(&preview));
    trigger(preview, "lastPage");
    trigger(preview, "zoomIn");
    QVERIFY(!PrintSystemLoaded());
    trigger(preview, "printerSetup");
    QVERIFY(PrintSystemLoaded());
}

void TestReportPreview::opensAsMaximizedNonModalWindowWithTheTitle() {
    ReportPreview preview(m_source.report, m_dialogs);
    preview.showDocument(m_source.report.run());
    QVERIFY(preview.isVisible() && preview.isWindow());
    QVERIFY(preview.windowState() & Qt::WindowMaximized);
    QCOMPARE(preview.windowModality(), Qt::NonModal);
    QCOMPARE(preview.windowTitle(), QStringLiteral("Relatório de teste"));
    QVERIFY(!preview.testAttribute(Qt::WA_QuitOnClose));

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
        trigger(preview, action);
    QCOMPARE(pageLabel(preview), label);
}

void TestReportPreview::damagedPageFileChangesNothing() {
    QTemporaryDir dir;
    ReportPreview preview(m_source.report, m_dialogs);
    preview.showDocument(m_source.report.run());
    trigger(preview, "nextPage");
    const ReportDocument shown = preview.document();
    m_dialogs.fileName = dir.filePath("broken.pag");
    QFile file(m_dialogs.fileName);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(PageFile::encode(shown).chopped(1));
    file.close();

    trigger(preview, "loadPages");
    QCOMPARE(m_dialogs.errors.size(), 1);
    QVERIFY2(m_dialogs.errors[0].contains("danificado"), qPrintable(m_dialogs.errors[0]));
    QVERIFY(preview.document() == shown);
    QCOMPARE(pageLabel(preview), QStringLiteral("Página 2 de 3"));
}

void TestReportPreview::paperStaysPortraitA4_data() {
    QTest::addColumn<int>("fromPage");
    QTest::addColumn<int>("toPage");
    QTest::addColumn<QString>("pages");
    QTest::newRow("all pages") << 0 << 0 << "Pages: 3";
    QTest::newRow("pages 2 to 3") << 2 << 3 << "Pages: 2";
}

// Neither printer dialog turns the report: the preview and the printed pages stay A4
// portrait, while the chosen pages are the ones printed.
void TestReportPreview::paperStaysPortraitA4() {
    QFETCH(int, fromPage);
    QFETCH(int, toPage);
    QFETCH(QString, pages);
    QTemporaryDir dir;
    LandscapeUser user;
    user.pdf = dir.filePath("printed.pdf");
    user.fromPage = fromPage;
    user.toPage = toPage;
    ReportPreview preview(m_source.report, user);
    preview.showDocument(m_source.report.run());
    trigger(preview, "printerSetup");
    trigger(preview, "print");
    const QStringList info = PdfInfo(user.pdf);
    QVERIFY2(info.contains(pages), qPrintable(info.join(" | ")));
    QVERIFY2(info.filter("(A4)").size() == 1 && info.filter("595").size() == 1,
             qPrintable(info.join(" | ")));
}

void TestReportPreview::fitPageAfterZoomingOut() {
    ReportPreview preview(m_source.report, m_dialogs);
    preview.showDocument(m_source.report.run());
    QVERIFY(QTest::qWaitForWindowExposed(&preview));
    auto* view = preview.findChild<PageView*>();
    trigger(preview, "fitPage");
    const qreal fitted = view->zoomFactor();
    trigger(preview, "zoomOut");
    QVERIFY(view->zoomFactor() != fitted);
    trigger(preview, "fitPage");
    QCOMPARE(view->zoomFactor(), fitted);
}

void TestReportPreview::labelFollowsScrolling_data() {
    QTest::addColumn<ReportDocument>("document");
    QTest::addColumn<int>("zoomSteps");
    QTest::newRow("three A4 pages") << m_source.report.run() << 0;
    // As large as a page file may hold: laid end to end, the pages are far longer than a
    // scroll bar can count in pixels.
    ReportDocument huge;
    huge.paperSize = QSizeF(100000, 100000);
    huge.pages.resize(50000);
    QTest::newRow("50,000 pages of 100 m, zoomed in") << huge << 40;
}

void TestReportPreview::labelFollowsScrolling() {
    QFETCH(ReportDocument, document);
    QFETCH(int, zoomSteps);
    ReportPreview preview(m_source.report, m_dialogs);
    preview.showDocument(m_source.report.run());
    QVERIFY(QTest::qWaitForWindowExposed(&preview));
    // The zoom carries over to the next document shown, and goes on from there.
    for (int i = 0; i < zoomSteps; ++i)
        trigger(preview, "zoomIn");
    preview.showDocument(document);
    trigger(preview, "zoomIn");
    const QString last = QString::number(document.pages.size());
    QScrollBar* bar = preview.findChild<PageView*>()->verticalScrollBar();
    bar->setValue(bar->maximum());
    QCOMPARE(pageLabel(preview), QStringLiteral("Página %1 de %1").arg(last));
    bar->setValue(bar->minimum());
    QCOMPARE(pageLabel(preview), QStringLiteral("Página 1 de %1").arg(last));
}

void TestReportPreview::wheelZoomsWithControl_data() {
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<int>("notch");
    QTest::addColumn<int>("zoomChange"); // sign; 0: the wheel scrolls instead
    QTest::newRow("ctrl, up: larger") << Qt::KeyboardModifiers(Qt::ControlModifier) << 120 << 1;
    QTest::newRow("ctrl, down: smaller")
        << Qt::KeyboardModifiers(Qt::ControlModifier) << -120 << -1;
    QTest::newRow("plain, down: scrolls") << Qt::KeyboardModifiers() << -120 << 0;
}

void TestReportPreview::wheelZoomsWithControl() {
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(int, notch);
    QFETCH(int, zoomChange);
    ReportPreview preview(m_source.report, m_dialogs);
    preview.showDocument(m_source.report.run());
    QVERIFY(QTest::qWaitForWindowExposed(&preview));
    auto* view = preview.findChild<PageView*>();
    const double zoom = view->zoomFactor();
    const int scroll = view->verticalScrollBar()->value();
    const QPointF at = QPointF(view->viewport()->rect().center());
    QWheelEvent wheel(at, view->viewport()->mapToGlobal(at), QPoint(), QPoint(0, notch),
                      Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view->viewport(), &wheel);
    QCOMPARE((view->zoomFactor() > zoom) - (view->zoomFactor() < zoom), zoomChange);
    if (zoomChange == 0)
        QVERIFY(view->verticalScrollBar()->value() != scroll);
}

// Ctrl and the wheel zoom about the pointer: in and out again, the view is where it was.
void TestReportPreview::wheelZoomsAboutThePointer() {
    ReportPreview preview(m_source.report, m_dialogs);
    preview.showDocument(m_source.report.run());
    QVERIFY(QTest::qWaitForWindowExposed(&preview));
    auto* view = preview.findChild<PageView*>();
    QScrollBar* bar = view->verticalScrollBar();
    bar->setValue(bar->maximum() / 3); // within a page, away from its top
    const int scroll = bar->value();
    const QPointF at(view->viewport()->width() / 3, view->viewport()->height() / 3);
    for (int notch : {120, -120}) {
        QWheelEvent wheel(at, view->viewport()->mapToGlobal(at), QPoint(), QPoint(0, notch),
                          Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(view->viewport(), &wheel);
    }
    QVERIFY2(qAbs(bar->value() - scroll) <= 2, qPrintable(QString::number(bar->value())));
}

void TestReportPreview::escapeCloses() {
    ReportPreview preview(m_source.report, m_dialogs);
    preview.showDocument(m_source.report.run());
    QApplication::setActiveWindow(&preview);
    QVERIFY(QTest::qWaitForWindowActive(&preview));
    QTest::keyClick(&preview, Qt::Key_Escape);
    QVERIFY(!preview.isVisible());
}

// The printer's properties offer the portrait orientation alone: the pages are laid out
// for it, and a landscape choice would be ignored.
void TestReportPreview::printerOffersPortraitOnly() {
    QPrinter printer;
    QStringList offered;
    QTimer::singleShot(0, [&] {
        auto* print = static_cast<QDialog*>(QApplication::activeModalWidget());
        QTimer::singleShot(0, [&] {
            auto* properties = static_cast<QDialog*>(QApplication::activeModalWidget());
            for (const QRadioButton* b : properties->findChildren<QRadioButton*>())
                if (b->isVisible())
                    offered << b->objectName();
            properties->reject();
        });
        print->findChild<QPushButton*>("properties")->click();
        print->reject();
    });
    WidgetPreviewDialogs().setupPrinter(nullptr, printer);
    QCOMPARE(offered, QStringList{"portrait"});
}

QTEST_MAIN(TestReportPreview)
#include "test_report_preview.moc"
