#include "PdfTools.h"
#include "PerfilError.h"
#include "PrtForm.h"
#include "PrtPreview.h"
#include "ReportFonts.h"
#include "ReportPreview.h"

#include <QPrinter>
#include <QtTest>

#include <map>
#include <ranges>

namespace {

const QLocale PtBr(QLocale::Portuguese, QLocale::Brazil);

// Kinds by letter: B bar, A appendix, X a kind from a file that is neither.
TProfile makeProfile(const QString& kinds) {
    TProfile profile;
    for (const QChar kind : kinds) {
        const int i = profile.ObjectCount() + 1;
        profile.createObject(kind == 'A' ? okAppendix : okBar, TPoint{i, 10 + i}, 15);
        profile.Objects(i).P2 = TPoint{100 + i, 20 + i};
        if (kind == 'X')
            profile.Objects(i).Kind = 1;
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

const QImage Drawing = [] {
    QImage image(400, 250, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}();

using Line = std::map<qreal, QString>; // texts of one line by paper x

// The text lines of the pages in reading order.
QList<Line> lines(const QList<ReportPage>& pages) {
    QList<Line> result;
    for (const ReportPage& page : pages) {
        std::map<qint64, Line> byY;
        for (const PageItem& item : page.items)
            if (item.kind == PageItem::Kind::Text)
                byY[qRound64(item.frame.top() * 100)][qRound(item.frame.left() * 10) / 10.0] =
                    item.text;
        for (const auto& [y, line] : byY)
            result << line;
    }
    return result;
}

QString textAt(const Line& line, qreal x) {
    const auto found = line.find(x);
    return found == line.end() ? QString() : found->second;
}

// A table row as the numbers of its three slots: "-" for a slot without any text, "?" for a
// partly filled one. Paper x of the slots' columns: band x + the 10 mm margin.
QString rowText(const Line& line, bool appendix) {
    static const QList<QList<qreal>> bars = {
        {12.1, 29.1, 43.9, 58.7}, {79.8, 94.7, 109.5, 124.3}, {143.3, 158.2, 173.0, 187.8}};
    static const QList<QList<qreal>> appendices = {
        {12.1, 33.3, 48.1}, {79.8, 101.0, 115.8}, {143.3, 164.5, 179.3}};
    QStringList slotTexts;
    std::size_t filled = 0;
    for (const QList<qreal>& columns : appendix ? appendices : bars) {
        const auto present = std::count_if(columns.begin(), columns.end(),
                                           [&](qreal x) { return !textAt(line, x).isEmpty(); });
        filled += present;
        slotTexts << (present == 0                ? "-"
                      : present == columns.size() ? textAt(line, columns[0])
                                                  : "?");
    }
    return filled == line.size() ? slotTexts.join(' ') : QStringLiteral("stray text");
}

struct Tables {
    QStringList bars, appendices;
};

// Lines that start with an object number, before and after the appendix heading.
Tables tables(const QList<ReportPage>& pages) {
    Tables result;
    bool appendices = false;
    for (const Line& line : lines(pages)) {
        appendices = appendices || textAt(line, 11.6) == QStringLiteral("Apêndices");
        bool number = false;
        textAt(line, 12.1).toInt(&number);
        if (number)
            (appendices ? result.appendices : result.bars) << rowText(line, appendices);
    }
    return result;
}

QStringList allTexts(const QList<ReportPage>& pages) {
    QStringList texts;
    for (const Line& line : lines(pages))
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

// A line's texts joined by blanks.
QString joined(const Line& line) {
    return QStringList(std::views::values(line).begin(), std::views::values(line).end()).join(' ');
}

// The x of a line's texts.
QList<qreal> columns(const Line& line) {
    return {std::views::keys(line).begin(), std::views::keys(line).end()};
}

QString heads(const QString& slot) {
    return QStringList(3, slot).join(' ');
}

} // namespace

class TestPrtForm : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { ReportFonts::installSubstitutions(); }
    void tableRows_data();
    void tableRows();
    void laterPagesRepeatTheHeads_data();
    void laterPagesRepeatTheHeads();
    void emptyProfileGivesNoPage();
    void printFromPreviewReadsTheEditedProfile();
};

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
    TPrtForm form(PtBr);
    if (!earlier.isEmpty())
        form.producePages(makeProfile(earlier), someResults(), Drawing);
    const TProfile profile = makeProfile(kinds);

    const QList<ReportPage> pages = form.producePages(profile, someResults(), Drawing).pages;
    QCOMPARE(tables(pages).bars, bars);
    QCOMPARE(tables(pages).appendices, appendices);
    QVERIFY(form.RowIndex >= profile.ObjectCount() + 4); // ends the record loop: one record
    // The appendix heading only over appendices.
    QCOMPARE(allTexts(pages).count(QStringLiteral("Apêndices")), kinds.contains('A') ? 1 : 0);
    for (const char* placeholder : {"Barra", "Apend", "0,0", "0", "Peso: xxx kg/m"})
        QVERIFY2(!allTexts(pages).contains(QString::fromUtf8(placeholder)), placeholder);
}

void TestPrtForm::laterPagesRepeatTheHeads_data() {
    QTest::addColumn<QString>("kinds");
    QTest::addColumn<QList<int>>("barRows");      // per page
    QTest::addColumn<QList<int>>("appendixRows"); // per page
    QTest::addColumn<QList<QStringList>>("tops"); // the first two lines of the later pages
    const QString bar = heads("Objeto P1(X,Y) P2(X,Y) Espess.");
    const QString appendix = heads("Objeto P(X,Y) Espess.");
    // The rows stop above the page elements, whose top is the caption at 170.7 mm: page 1
    // from 70.1 mm, the later pages from below their heads at 10 + 6.2 + 6.0 mm.
    QTest::newRow("255 bars") << QString(255, 'B') << QList<int>{25, 37, 23} << QList<int>{0, 0, 0}
                              << QList<QStringList>{{"Pág.: 2 de 3", bar}, {"Pág.: 3 de 3", bar}};
    // Page 1 full of bars: page 2 begins with the appendix heading, which has heads of its own.
    QTest::newRow("75 bars, 180 appendices")
        << QString(75, 'B') + QString(180, 'A') << QList<int>{25, 0, 0} << QList<int>{0, 35, 25}
        << QList<QStringList>{{"Pág.: 2 de 3", "Apêndices"}, {"Pág.: 3 de 3", appendix}};
}

void TestPrtForm::laterPagesRepeatTheHeads() {
    QFETCH(QString, kinds);
    QFETCH(QList<int>, barRows);
    QFETCH(QList<int>, appendixRows);
    QFETCH(QList<QStringList>, tops);
    TPrtForm form(PtBr);
    const QList<ReportPage> pages =
        form.producePages(makeProfile(kinds), someResults(), Drawing).pages;
    QCOMPARE(pages.size(), barRows.size());
    for (int p = 0; p < pages.size(); ++p) {
        // The pages before tell which table the rows belong to.
        const Tables before = tables(pages.mid(0, p)), upTo = tables(pages.mid(0, p + 1));
        QCOMPARE(upTo.bars.size() - before.bars.size(), barRows[p]);
        QCOMPARE(upTo.appendices.size() - before.appendices.size(), appendixRows[p]);
        for (const PageItem& item : pages[p].items.mid(0, pages[p].items.size() - 10))
            QVERIFY2(item.frame.top() + 4.0 <= 170.7 + 1e-6, qPrintable(item.text));
        if (p > 0) {
            const QList<Line> top = lines(pages.mid(p, 1)).mid(0, 2);
            QCOMPARE((QStringList{joined(top.value(0)), joined(top.value(1))}), tops[p - 1]);
        }
    }
    // Repeated, the heads stand in the columns where the table began.
    const Line lastHeads = lines(pages.mid(2, 1)).value(1);
    const QList<Line> all = lines(pages);
    const auto first = std::find_if(all.begin(), all.end(),
                                    [&](const Line& l) { return joined(l) == joined(lastHeads); });
    QCOMPARE(columns(*first), columns(lastHeads));

    QVERIFY(allTexts(pages.mid(0, 1)).contains("PERFIL"));
    QVERIFY(!allTexts(pages.mid(1, 2)).contains("PERFIL"));
    // The page elements end every page, identical.
    QCOMPARE(pages[0].items.mid(pages[0].items.size() - 10),
             pages[2].items.mid(pages[2].items.size() - 10));
    QCOMPARE(pages[2].items.last().text, QStringLiteral("(0,0)"));
}

void TestPrtForm::emptyProfileGivesNoPage() {
    TPrtForm form(PtBr);
    QTemporaryDir dir;
    const TProfile empty;
    QVERIFY(form.producePages(empty, someResults(), Drawing).pages.isEmpty());
    QVERIFY_THROWS_EXCEPTION(
        PerfilError, form.writePdf(empty, someResults(), Drawing,
                                   QFile::encodeName(dir.filePath("empty.pdf")).toStdString()));
    QVERIFY(!QFile::exists(dir.filePath("empty.pdf")));
}

// The preview keeps the profile, not a copy: printing after an edit prints the edited tables,
// with the results of the print command.
void TestPrtForm::printFromPreviewReadsTheEditedProfile() {
    QTemporaryDir dir;
    PrintToFile dialogs;
    dialogs.path = dir.filePath("printed.pdf");
    PrtPreview form(PtBr);
    form.setPreviewDialogs(dialogs);
    TProfile profile = makeProfile("BB");
    TSectionResults results = someResults();
    form.preview(profile, results, Drawing);
    ReportPreview* preview = form.previewWindow();
    QVERIFY(preview && preview->isVisible());

    profile.createObject(okBar, TPoint{5, 7}, 10);
    results.Density = 0;
    preview->printReport();
    const QString printed = PdfTools::text(dialogs.path);
    QVERIFY2(printed.contains("5; 7") && printed.contains("1,55 kg/m"), qPrintable(printed));
    QCOMPARE(tables(preview->document().pages).bars, QStringList({"1 2 -"}));

    form.preview(profile, results, Drawing);
    QCOMPARE(form.previewWindow(), preview);
    QCOMPARE(tables(preview->document().pages).bars, QStringList({"1 2 3"}));
    QVERIFY(allTexts(preview->document().pages).contains("Peso:     0,00 kg/m"));
}

QTEST_MAIN(TestPrtForm)
#include "test_prt_form.moc"
