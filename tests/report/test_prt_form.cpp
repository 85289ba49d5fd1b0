#include "PdfTools.h"
#include "PerfilError.h"
#include "PrtForm.h"
#include "ReportPreview.h"

#include <QtTest>

#include <map>

namespace {

// Kinds by letter: B bar, A appendix, X a kind from a file that is neither. Object i gets
// distinct coordinates so that every slot text can be told apart.
TProfile makeProfile(const QString& kinds) {
    TProfile profile;
    for (const QChar kind : kinds) {
        const int i = profile.ObjectCount() + 1;
        profile.createObject(kind == 'A' ? okAppendix : okBar, TPoint{i, 10 + i}, 15);
        TProfileObject& object = profile.Objects(i);
        object.P2 = TPoint{100 + i, 20 + i};
        if (kind == 'X')
            object.Kind = 1;
    }
    return profile;
}

TSectionResults someResults() {
    TSectionResults r;
    r.Area = 200;
    r.Density = 7.75;
    r.FibreX = r.FibreY = 1;
    return r;
}

QImage drawing() {
    QImage image(400, 250, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// Paper x of each slot's columns (band x + the 10 mm left margin).
const QList<QList<qreal>> BarColumns = {
    {12.1, 29.1, 43.9, 58.7}, {79.8, 94.7, 109.5, 124.3}, {143.3, 158.2, 170.9, 185.7}};
const QList<QList<qreal>> AppendixColumns = {
    {12.1, 33.3, 48.1}, {79.8, 101.0, 115.8}, {143.3, 164.5, 179.3}};

using Line = std::map<qreal, QString>; // text by paper x

// The text lines of the pages in reading order.
QList<Line> lines(const ReportDocument& document) {
    QList<Line> result;
    for (const ReportPage& page : document.pages) {
        std::map<qint64, Line> byY;
        for (const PageItem& item : page.items)
            if (item.kind == PageItem::Kind::Text)
                byY[qRound64(item.frame.top() * 100)][item.frame.left()] = item.text;
        for (const auto& [y, line] : byY)
            result << line;
    }
    return result;
}

QString textAt(const Line& line, qreal x) {
    for (const auto& [left, text] : line)
        if (qAbs(left - x) < 1e-6)
            return text;
    return QString();
}

// A table row as the numbers of its three slots, "-" for a slot with no text at all and "?"
// for a slot that is only partly filled.
QString rowText(const Line& line, const QList<QList<qreal>>& columns) {
    QStringList slots_;
    qsizetype filled = 0;
    for (const QList<qreal>& slot : columns) {
        qsizetype present = 0;
        for (qreal x : slot)
            present += textAt(line, x).isEmpty() ? 0 : 1;
        filled += present;
        slots_ << (present == 0 ? "-" : present == slot.size() ? textAt(line, slot[0]) : "?");
    }
    return filled == qsizetype(line.size()) ? slots_.join(' ') : QStringLiteral("stray text");
}

struct Tables {
    QStringList bars;
    QStringList appendices;
};

// The table rows: lines that start with an object number, split at the appendix heading.
Tables tables(const ReportDocument& document) {
    Tables result;
    bool appendices = false;
    for (const Line& line : lines(document)) {
        appendices = appendices || textAt(line, 11.6) == QStringLiteral("Apêndices");
        bool number = false;
        textAt(line, 12.1).toInt(&number);
        if (number)
            (appendices ? result.appendices : result.bars)
                << rowText(line, appendices ? AppendixColumns : BarColumns);
    }
    return result;
}

QStringList allTexts(const ReportDocument& document) {
    QStringList texts;
    for (const Line& line : lines(document))
        for (const auto& [x, text] : line)
            texts << text;
    return texts;
}

// Answers the print dialog with a PDF file as the printer.
class PrintToFile : public WidgetPreviewDialogs {
  public:
    QString path;
    bool confirmPrint(QWidget*, QPrinter& printer) override {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        return true;
    }
};

} // namespace

class TestPrtForm : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void tableRows_data();
    void tableRows();
    void slotTexts();
    void longProfileFlowsOntoPage2();
    void emptyProfileGivesNoPage();
    void printFromPreviewReadsTheEditedProfile();
};

void TestPrtForm::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
}

void TestPrtForm::tableRows_data() {
    QTest::addColumn<QString>("earlier"); // profile of an earlier run on the same form
    QTest::addColumn<QString>("kinds");
    QTest::addColumn<QStringList>("bars");
    QTest::addColumn<QStringList>("appendices");

    QTest::newRow("four bars") << ""
                               << "BBBB" << QStringList({"1 2 3", "4 - -"}) << QStringList();
    QTest::newRow("exactly three bars") << ""
                                        << "BBB" << QStringList({"1 2 3"}) << QStringList();
    QTest::newRow("only appendices") << ""
                                     << "AAAA" << QStringList() << QStringList({"1 2 3", "4 - -"});
    QTest::newRow("bar, appendix, bar, appendix, bar")
        << ""
        << "BABAB" << QStringList({"1 3 5"}) << QStringList({"2 4 -"});
    QTest::newRow("other kinds are passed over")
        << ""
        << "XBXAXB" << QStringList({"2 6 -"}) << QStringList({"4 - -"});
    QTest::newRow("one appendix after a run with three")
        << "AAA"
        << "A" << QStringList() << QStringList({"1 - -"});
    QTest::newRow("one bar after a run with six") << "BBBBBB"
                                                  << "B" << QStringList({"1 - -"}) << QStringList();
}

void TestPrtForm::tableRows() {
    QFETCH(QString, earlier);
    QFETCH(QString, kinds);
    QFETCH(QStringList, bars);
    QFETCH(QStringList, appendices);
    TPrtForm form;
    if (!earlier.isEmpty())
        form.producePages(makeProfile(earlier), someResults(), drawing());
    const TProfile profile = makeProfile(kinds);

    const ReportDocument document = form.producePages(profile, someResults(), drawing());
    const Tables found = tables(document);
    QCOMPARE(found.bars, bars);
    QCOMPARE(found.appendices, appendices);
    QVERIFY(form.RowIndex >= profile.ObjectCount() + 4); // ends the record loop: one record
    QCOMPARE(allTexts(document).count(QStringLiteral("Apêndices")), 1);
    for (const char* placeholder : {"Barra", "Apend", "0,0", "0", "Peso: xxx kg/m"})
        QVERIFY2(!allTexts(document).contains(QString::fromUtf8(placeholder)), placeholder);
}

void TestPrtForm::slotTexts() {
    TProfile profile = makeProfile("BA");
    profile.Objects(1).P2 = TPoint{-30, 40};
    profile.Objects(2).Thickness = 2;
    TPrtForm form;
    const QList<Line> comma = lines(form.producePages(profile, someResults(), drawing()));
    QLocale::setDefault(QLocale::c());
    const QList<Line> fullStop = lines(form.producePages(profile, someResults(), drawing()));
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));

    const auto row = [](const QList<Line>& page, const QString& number) {
        for (const Line& line : page)
            if (textAt(line, 12.1) == number) {
                QStringList texts;
                for (const auto& [x, text] : line)
                    texts << text;
                return texts;
            }
        return QStringList();
    };
    QCOMPARE(row(comma, "1"), QStringList({"1", "1,11", "-30,40", "1,5"}));
    QCOMPARE(row(comma, "2"), QStringList({"2", "2,12", "2"}));
    QCOMPARE(row(fullStop, "1"), QStringList({"1", "1,11", "-30,40", "1.5"}));
}

void TestPrtForm::longProfileFlowsOntoPage2() {
    TPrtForm form;
    const ReportDocument document =
        form.producePages(makeProfile(QString(255, 'B')), someResults(), drawing());
    QCOMPARE(document.pages.size(), 2);
    QCOMPARE(tables(document).bars.size(), 85);

    // Page 1: rows from 70.1 mm down to the bottom margin at 287 mm; page 2 goes on at the top.
    const QList<Line> page1 = lines(ReportDocument{{}, {}, {document.pages[0]}});
    const QList<Line> page2 = lines(ReportDocument{{}, {}, {document.pages[1]}});
    const auto rowsOn = [](const QList<Line>& page) {
        return std::count_if(page.begin(), page.end(), [](const Line& l) {
            bool number = false;
            textAt(l, 12.1).toInt(&number);
            return number;
        });
    };
    QCOMPARE(rowsOn(page1), 54);
    QCOMPARE(rowsOn(page2), 31);
    QCOMPARE(textAt(page2.first(), 12.1), QStringLiteral("163"));

    QList<PageItem> headings;
    for (const PageItem& item : document.pages[1].items)
        if (item.text == QStringLiteral("Apêndices"))
            headings << item;
    QCOMPARE(headings.size(), 1);
    QVERIFY(qAbs(headings[0].frame.top() - (10 + 31 * 4.0 + 3.7)) < 1e-6);

    const QStringList first = allTexts(ReportDocument{{}, {}, {document.pages[0]}});
    const QStringList second = allTexts(ReportDocument{{}, {}, {document.pages[1]}});
    QVERIFY(first.contains("PERFIL") && first.contains("Pág.:"));
    QVERIFY(!second.contains("PERFIL") && !second.contains("Pág.:"));
    // The page elements end both pages, identical and over the rows.
    const auto tail = [](const ReportPage& page) { return page.items.mid(page.items.size() - 10); };
    QCOMPARE(tail(document.pages[0]), tail(document.pages[1]));
    QCOMPARE(tail(document.pages[1]).last().text, QStringLiteral("(0,0)"));
}

void TestPrtForm::emptyProfileGivesNoPage() {
    TPrtForm form;
    QTemporaryDir dir;
    const TProfile empty;
    QVERIFY(form.producePages(empty, someResults(), drawing()).pages.isEmpty());
    QVERIFY_THROWS_EXCEPTION(
        PerfilError, form.writePdf(empty, someResults(), drawing(), dir.filePath("empty.pdf")));
    QVERIFY(!QFile::exists(dir.filePath("empty.pdf")));
}

// The preview keeps the profile, not a copy: printing after an edit prints the edited tables,
// with the results and the drawing of the print command.
void TestPrtForm::printFromPreviewReadsTheEditedProfile() {
    QTemporaryDir dir;
    PrintToFile dialogs;
    dialogs.path = dir.filePath("printed.pdf");
    TPrtForm form;
    form.setPreviewDialogs(dialogs);
    TProfile profile = makeProfile("BB");
    TSectionResults results = someResults();
    form.preview(profile, results, drawing());
    ReportPreview* preview = form.previewWindow();
    QVERIFY(preview && preview->isVisible());
    QCOMPARE(tables(preview->document()).bars, QStringList({"1 2 -"}));

    profile.createObject(okBar, TPoint{5, 7}, 10);
    results.Density = 0;
    preview->printReport();
    const QString printed = PdfTools::text(dialogs.path);
    QVERIFY2(printed.contains("5,7") && printed.contains("1,55 kg/m"), qPrintable(printed));
    QCOMPARE(tables(preview->document()).bars, QStringList({"1 2 -"}));

    profile.createObject(okAppendix, TPoint{6, 6}, 10);
    form.preview(profile, results, drawing());
    QCOMPARE(form.previewWindow(), preview);
    QCOMPARE(tables(preview->document()).bars, QStringList({"1 2 3"}));
    QCOMPARE(tables(preview->document()).appendices, QStringList({"4 - -"}));
    QVERIFY(allTexts(preview->document()).contains("Peso:     0,00 kg/m"));
}

QTEST_MAIN(TestPrtForm)
#include "test_prt_form.moc"
