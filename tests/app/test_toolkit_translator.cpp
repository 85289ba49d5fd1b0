#include "ToolkitTranslator.h"

#include <QtTest>

class TestToolkitTranslator : public QObject {
    Q_OBJECT
  private slots:
    void dialogTexts_data();
    void dialogTexts();
};

void TestToolkitTranslator::dialogTexts_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("installed");
    QTest::addColumn<QString>("saveAs");
    QTest::newRow("Brazilian") << "pt_BR" << true << "Salvar como";
    QTest::newRow("English") << "en_US" << false << "Save As";
    QTest::newRow("German: the toolkit's own") << "de_DE" << false << "Save As";
}

// The texts the file dialog asks the toolkit for, as a user of that locale sees them.
void TestToolkitTranslator::dialogTexts() {
    QFETCH(QString, locale);
    QFETCH(bool, installed);
    QFETCH(QString, saveAs);
    int argc = 1;
    char name[] = "test";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    QCOMPARE(InstallToolkitTranslator(app, QLocale(locale)), installed);
    QCOMPARE(QCoreApplication::translate("QFileDialog", "Save As"), saveAs);
    QCOMPARE(QCoreApplication::translate("QPrintDialog", "Print") != QStringLiteral("Print"),
             installed);
}

QTEST_APPLESS_MAIN(TestToolkitTranslator)
#include "test_toolkit_translator.moc"
