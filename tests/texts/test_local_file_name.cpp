#include "LocalFileName.h"

#include <QtTest>

class TestLocalFileName : public QObject {
    Q_OBJECT

  private slots:
    void bytesSurviveTheRoundTrip_data();
    void bytesSurviveTheRoundTrip();
};

// Each name must come back byte for byte; text is what the name shows as, with each
// byte outside valid UTF-8 as its escape.
void TestLocalFileName::bytesSurviveTheRoundTrip_data() {
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QString>("text");
    const auto escape = [](int byte) { return QString(QChar(0xDC00 + byte)); };
    QTest::newRow("plain utf-8") << QByteArray("Aço.per") << QStringLiteral("Aço.per");
    QTest::newRow("four-byte sequence")
        << QByteArray("\xf0\x9f\x94\xa9.per") << QStringLiteral("\U0001F529.per");
    QTest::newRow("cut-off sequence")
        << QByteArray("a\xe2\x82") << "a" + escape(0xe2) + escape(0x82);
    QTest::newRow("overlong slash") << QByteArray("\xc0\xaf") << escape(0xc0) + escape(0xaf);
    QTest::newRow("encoded surrogate")
        << QByteArray("\xed\xa0\x80") << escape(0xed) + escape(0xa0) + escape(0x80);
    QTest::newRow("beyond U+10FFFF") << QByteArray("\xf4\x90\x80\x80")
                                     << escape(0xf4) + escape(0x90) + escape(0x80) + escape(0x80);
    // A pair whose low half lies in the escape range must stay a character.
    QTest::newRow("pair, then a stray byte")
        << QByteArray("\xf0\x90\x82\x80\x80") << QStringLiteral("\U00010080") + escape(0x80);
}

void TestLocalFileName::bytesSurviveTheRoundTrip() {
    QFETCH(QByteArray, name);
    QFETCH(QString, text);
    QCOMPARE(FileNameText(name), text);
    QCOMPARE(QByteArray::fromStdString(LocalFileName(text)), name);
}

QTEST_APPLESS_MAIN(TestLocalFileName)
#include "test_local_file_name.moc"
