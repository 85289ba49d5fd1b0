#include "PageFile.h"
#include "PreviewDialogs.h"
#include "Report.h"
#include "ReportLabel.h"
#include "ReportPreview.h"

#include <QAction>
#include <QLabel>
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

} // namespace

class TestReportPreview : public QObject {
    Q_OBJECT

  private slots:
    void opensAsMaximizedNonModalWindowWithTheTitle();
    void paging_data();
    void paging();
    void damagedPageFileChangesNothing();

  private:
    ThreePageReport m_source;
    AnsweringDialogs m_dialogs;
};

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

QTEST_MAIN(TestReportPreview)
#include "test_report_preview.moc"
