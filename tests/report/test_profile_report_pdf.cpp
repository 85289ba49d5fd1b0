#include "ExactPoint.h"
#include "PdfTools.h"
#include "PrtForm.h"
#include "ReportFonts.h"

#include <QPainter>
#include <QtTest>

#include <algorithm>

namespace {

constexpr int Dpi = 96; // one drawing pixel is one page pixel
const QLocale PtBr(QLocale::Portuguese, QLocale::Brazil);

// Four bars (two rows) and one appendix, as the editor would have computed them.
TProfile profile() {
    TProfile p;
    for (int i = 0; i < 4; ++i) {
        p.createObject(okBar, TPoint{10 + 20 * i, 100}, 15);
        p.Objects(p.ObjectCount()).P2 = TPoint{30 + 20 * i, 100};
    }
    p.createObject(okAppendix, TPoint{50, 120}, 20);
    return p;
}

TSectionResults results() {
    TSectionResults r;
    r.Density = 7.75;
    r.Perimeter = 82;
    r.Area = 126;
    r.Xg = 50.2;
    r.Yg = 100.3;
    r.Jxc = 1642.687;
    r.Jyc = 176516.7939;
    r.FibreX = 51.4563;
    r.FibreY = 0;
    return r;
}

// White, with a red block at (100..139, 50..89) and a green one in the bottom-right corner.
QImage drawing() {
    QImage image(400, 250, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.fillRect(100, 50, 40, 40, Qt::red);
    painter.fillRect(380, 230, 20, 20, Qt::green);
    return image;
}

QPoint pagePixel(QPointF mm) {
    return QPoint(qRound(mm.x() / 25.4 * Dpi), qRound(mm.y() / 25.4 * Dpi));
}

bool near(QColor actual, QColor expected) {
    return qAbs(actual.red() - expected.red()) < 40 &&
           qAbs(actual.green() - expected.green()) < 40 &&
           qAbs(actual.blue() - expected.blue()) < 40;
}

} // namespace

class TestProfileReportPdf : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void textsInReadingOrder();
    void wordsWhereTheLayoutPutsThem_data();
    void wordsWhereTheLayoutPutsThem();
    void bendsUnderTheMoments_data();
    void bendsUnderTheMoments();
    void drawingSitsInItsFrame_data();
    void drawingSitsInItsFrame();
    void longTablesReadableAndUncovered_data();
    void longTablesReadableAndUncovered();

  private:
    QTemporaryDir m_dir;
    QString m_pdf;
    QList<PdfTools::Word> m_words; // of page 1
    QImage m_page;                 // page 1 at Dpi
};

void TestProfileReportPdf::initTestCase() {
    ReportFonts::installSubstitutions();
    m_pdf = m_dir.filePath("perfil.pdf");
    TPrtForm(PtBr).writePdf(profile(), results(), drawing(),
                            QFile::encodeName(m_pdf).toStdString());
    QCOMPARE(PdfTools::text(m_pdf).count('\f'), 1);
    m_words = PdfTools::words(m_pdf, 1);
    m_page = PdfTools::page(m_pdf, 1, Dpi);
}

void TestProfileReportPdf::textsInReadingOrder() {
    const QString text = PdfTools::text(m_pdf).simplified();
    const QString today = PtBr.toString(QDate::currentDate(), QLocale::ShortFormat);
    const QStringList expected = {"PERFIL",
                                  "Pág.: 1",
                                  "Versão",
                                  today,
                                  "Nome do perfil: XXXXXXXXXXXXX",
                                  "Peso: 0,98 kg/m",
                                  "jxc: 1642,69 mm4",
                                  "xg: 50,20 mm",
                                  "wx: — mm3",
                                  "Perímetro: 82,00 mm",
                                  "jyc: 176516,79 mm4",
                                  "yg: 100,30 mm",
                                  "wy: 3430,42 mm3",
                                  "Área: 126,00 mm2",
                                  "Coordenadas:",
                                  "Barras:",
                                  "Objeto P1(X,Y) P2(X,Y) Espess.",
                                  "1 10; 100 30; 100 1,5 2 30; 100 50; 100 1,5 3 50; 100 70; 100 1,5",
                                  "4 70; 100 90; 100 1,5",
                                  "Apêndices",
                                  "Objeto P(X,Y) Espess.",
                                  "5 50; 120 2",
                                  "Perfil do desenho:",
                                  "(0,0) X",
                                  "Y"};
    qsizetype from = 0;
    for (const QString& piece : expected) {
        const qsizetype at = text.indexOf(piece, from);
        QVERIFY2(at >= 0,
                 qPrintable(piece + QStringLiteral(" missing or out of order in: ") + text));
        from = at + piece.size();
    }
}

void TestProfileReportPdf::wordsWhereTheLayoutPutsThem_data() {
    QTest::addColumn<QString>("word");
    QTest::addColumn<QPointF>("topLeft"); // on the paper, mm
    // Band tops: title 10, detail 32, bar rows 70.1 and 74.1, appendix heading 78.1.
    QTest::newRow("RepLabel2") << "PERFIL" << QPointF(103.1, 12.1);
    QTest::newRow("RepSysData3") << "1" << QPointF(187.3, 12.1);
    QTest::newRow("RepLabel3") << "Versão" << QPointF(104.7, 18.5);
    QTest::newRow("RepSysData1") << PtBr.toString(QDate::currentDate(), QLocale::ShortFormat)
                                 << QPointF(170.3, 20.6);
    QTest::newRow("RepLabel5") << "Nome" << QPointF(12.1, 34.1);
    QTest::newRow("RepLabel12") << "jxc:" << QPointF(67.1, 40.5);
    QTest::newRow("RepLabel17") << "wy:" << QPointF(162.4, 44.7);
    QTest::newRow("RepLabel33") << "Barras:" << QPointF(11.6, 61.1);
    QTest::newRow("RepLabelP3XY2") << "70;" << QPointF(173.0, 70.1);
    QTest::newRow("RepLabel37") << "Apêndices" << QPointF(11.6, 81.8);
    QTest::newRow("RepLabel40") << "Espess." << QPointF(178.8, 86.0);
    QTest::newRow("RepLabelA1XY") << "50;" << QPointF(33.3, 90.3);
    QTest::newRow("RepLabel7") << "Perfil" << QPointF(87.6, 170.7);
    QTest::newRow("RepLabel43") << "(0,0)" << QPointF(81.0, 179.9);
    QTest::newRow("RepLabel41") << "Y" << QPointF(81.0, 190.5);
}

void TestProfileReportPdf::wordsWhereTheLayoutPutsThem() {
    QFETCH(QString, word);
    QFETCH(QPointF, topLeft);
    const PdfTools::Word* nearest = nullptr;
    for (const PdfTools::Word& w : m_words)
        if (w.text == word && (!nearest || QLineF(w.box.topLeft(), topLeft).length() <
                                               QLineF(nearest->box.topLeft(), topLeft).length()))
            nearest = &w;
    QVERIFY2(nearest, qPrintable(word));
    const QString where =
        QStringLiteral("found at %1, %2").arg(nearest->box.left()).arg(nearest->box.top());
    QVERIFY2(qAbs(nearest->box.left() - topLeft.x()) < 0.5, qPrintable(where));
    QVERIFY2(qAbs(nearest->box.top() - topLeft.y()) < 0.5, qPrintable(where));
}

void TestProfileReportPdf::bendsUnderTheMoments_data() {
    QTest::addColumn<double>("radius");
    QTest::addColumn<QString>("line"); // empty: none
    QTest::newRow("sharp corners: no line") << 0.0 << QString();
    QTest::newRow("2,25 mm") << 2.25 << QStringLiteral("dobras com raio interno 2,25 mm");
}

void TestProfileReportPdf::bendsUnderTheMoments() {
    QFETCH(double, radius);
    QFETCH(QString, line);
    TProfile bent = profile();
    TProfileInfo info = bent.info();
    info.BendRadius = radius;
    bent.setInfo(info);
    const QString pdf = m_dir.filePath(QStringLiteral("bent.pdf"));
    TPrtForm(PtBr).writePdf(bent, results(), drawing(), QFile::encodeName(pdf).toStdString());
    const QString text = PdfTools::text(pdf);
    QCOMPARE(text.count(QStringLiteral("dobras")), line.isEmpty() ? 0 : 1);
    if (line.isEmpty())
        return;
    QVERIFY2(text.simplified().contains(line), qPrintable(text));
    // Under "jxc:", where the results leave a line free.
    const QList<PdfTools::Word> words = PdfTools::words(pdf, 1);
    const auto word = std::ranges::find(words, QStringLiteral("dobras"), &PdfTools::Word::text);
    QVERIFY(word != words.end());
    QVERIFY(qAbs(word->box.left() - 67.1) < 0.5 && qAbs(word->box.top() - 48.9) < 0.5);
}

void TestProfileReportPdf::drawingSitsInItsFrame_data() {
    QTest::addColumn<QPointF>("where"); // mm on the paper
    QTest::addColumn<QColor>("color");
    const QPointF frame(88.9, 188.4);
    const auto at = [&](int x, int y) { return frame + QPointF(x, y) * 25.4 / Dpi; };
    QTest::newRow("red block, drawn unscaled") << at(120, 70) << QColor(Qt::red);
    QTest::newRow("beside the red block") << at(142, 70) << QColor(Qt::white);
    QTest::newRow("green corner") << at(390, 240) << QColor(Qt::green);
    QTest::newRow("down arrow") << QPointF(82.45, 198.5) << QColor(Qt::red);
    QTest::newRow("right arrow") << QPointF(102.2, 182.15) << QColor(Qt::red);
}

void TestProfileReportPdf::drawingSitsInItsFrame() {
    QFETCH(QPointF, where);
    QFETCH(QColor, color);
    QCOMPARE(m_page.size(), QSize(794, 1123)); // A4
    const QColor actual = m_page.pixelColor(pagePixel(where));
    QVERIFY2(near(actual, color), qPrintable(actual.name()));
}

void TestProfileReportPdf::longTablesReadableAndUncovered_data() {
    QTest::addColumn<int>("hundredths"); // added to every coordinate
    QTest::newRow("whole millimetres") << 0;
    QTest::newRow("two decimals everywhere") << 99;
}

// 255 bars with three-digit points fill three pages. Every coordinate reads as a word of its
// own, beside no other text on its line, and no table row lies under the drawing or the
// footer.
void TestProfileReportPdf::longTablesReadableAndUncovered() {
    QFETCH(int, hundredths);
    TProfile bars;
    for (int i = 0; i < TProfile::Capacity; ++i) {
        bars.createObject(okBar, {}, 20);
        TProfileObject& o = bars.Objects(bars.ObjectCount());
        SetExactPoint(o, TEnd::P1, {(399 - i % 50) * 100 + hundredths, 24900 + hundredths});
        SetExactPoint(o, TEnd::P2, {30000 + hundredths, (230 - i % 50) * 100 + hundredths});
    }
    const QString pdf = m_dir.filePath("long.pdf");
    TPrtForm(PtBr).writePdf(bars, results(), drawing(), QFile::encodeName(pdf).toStdString());
    const QStringList pageTexts = PdfTools::text(pdf).split('\f', Qt::SkipEmptyParts);
    const qsizetype pages = pageTexts.size();
    QCOMPARE(pages, 3);
    // Every later page says where it stands and what its columns are.
    for (int page = 2; page <= pages; ++page) {
        const QString text = pageTexts[page - 1].simplified();
        QVERIFY2(text.startsWith(
                     QStringLiteral("Pág.: %1 de 3 Objeto P1(X,Y) P2(X,Y) Espess.").arg(page)),
                 qPrintable(text.left(80)));
    }
    const QRegularExpression coordinate(QStringLiteral("^\\d+(,\\d\\d)?;?$"));
    const qreal pageElementsTop = 170.7;
    int points = 0;
    for (int page = 1; page <= pages; ++page) {
        const QList<PdfTools::Word> words = PdfTools::words(pdf, page);
        for (const PdfTools::Word& w : words) {
            const bool results = page == 1 && w.box.top() < 70; // above the bar rows
            if (w.text.endsWith(QLatin1Char(';'))) {
                QVERIFY2(coordinate.match(w.text).hasMatch(), qPrintable(w.text));
                QVERIFY2(w.box.bottom() < pageElementsTop, qPrintable(w.text));
                ++points;
            }
            if (results || w.box.top() >= pageElementsTop)
                continue;
            for (const PdfTools::Word& other : words)
                if (&other != &w && qAbs(other.box.top() - w.box.top()) < 1)
                    QVERIFY2(other.box.left() > w.box.right() + 0.5 ||
                                 other.box.right() < w.box.left() - 0.5,
                             qPrintable(w.text + QStringLiteral(" touches ") + other.text));
        }
    }
    QCOMPARE(points, 2 * TProfile::Capacity);
}

QTEST_MAIN(TestProfileReportPdf)
#include "test_profile_report_pdf.moc"
