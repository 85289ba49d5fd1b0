#include "ProfileReportLayout.h"

#include "ArrowImage.h"
#include "Report.h"
#include "ReportImage.h"
#include "ReportLabel.h"
#include "ReportShape.h"
#include "ReportSystemData.h"

#include <QFont>

namespace {

// The layout is in millimetres; shapes' pen widths were given in screen pixels.
constexpr qreal MmPerScreenPixel = 25.4 / 96.0;
const char* const ProgramName = "perfil — editor de perfis";
// A band of column heads on a later page: the heads stand about as far above the rows as
// on the first page.
constexpr qreal HeadsHeight = 6.0;
constexpr qreal HeadsY = 1.7;

// Where the tables' columns go when their points have fractions: from each slot's start,
// in a smaller font. A point of up to "399,99; 249,99" then fits between its column and
// the next.
constexpr qreal WholePoints = 10;
constexpr qreal FractionPoints = 8;
constexpr std::array<qreal, 3> FractionSlotStart = {2.1, 65.1, 128.1};
constexpr std::array<qreal, 4> FractionBarColumn = {0, 9.5, 29.5, 49.5}; // number, P1, P2, t
constexpr std::array<qreal, 3> FractionAppendixColumn = {0, 9.5, 29.5};  // number, P, t

struct LabelPlace {
    const char* name;
    qreal x, y;
    const char* text;
    bool bold = false;
};

// The column heads of the two tables, as the first page prints them; later pages repeat
// them at the top.
const LabelPlace BarHeads[] = {
    {"RepLabel19", 2.1, 33.9, "Objeto"},    {"RepLabel22", 69.8, 33.9, "Objeto"},
    {"RepLabel24", 133.3, 33.9, "Objeto"},  {"RepLabel20", 19.1, 33.9, "P1(X,Y)"},
    {"RepLabel23", 84.7, 33.9, "P1(X,Y)"},  {"RepLabel25", 148.2, 33.9, "P1(X,Y)"},
    {"RepLabel9", 33.9, 33.9, "P2(X,Y)"},   {"RepLabel21", 99.5, 33.9, "P2(X,Y)"},
    {"RepLabel26", 163.0, 33.9, "P2(X,Y)"}, {"RepLabel34", 48.7, 33.9, "Espess."},
    {"RepLabel36", 114.3, 33.9, "Espess."}, {"RepLabel39", 177.8, 33.9, "Espess."},
};
const LabelPlace AppendixHeads[] = {
    {"RepLabel28", 1.6, 7.9, "Objeto"},    {"RepLabel29", 69.3, 7.9, "Objeto"},
    {"RepLabel31", 132.8, 7.9, "Objeto"},  {"RepLabel27", 22.8, 7.9, "P(X,Y)"},
    {"RepLabel30", 90.5, 7.9, "P(X,Y)"},   {"RepLabel32", 154.0, 7.9, "P(X,Y)"},
    {"RepLabel35", 37.6, 7.9, "Espess."},  {"RepLabel38", 105.3, 7.9, "Espess."},
    {"RepLabel40", 168.8, 7.9, "Espess."},
};

QFont baseFont(bool bold = false) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(10);
    font.setBold(bold);
    return font;
}

QFont font(const char* family, qreal points, bool bold) {
    QFont font(QString::fromLatin1(family));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

ReportLabel* addLabel(ReportBand& band, const LabelPlace& place) {
    return &band.add<ReportLabel>(QString::fromLatin1(place.name), QPointF(place.x, place.y),
                                  QString::fromUtf8(place.text), baseFont(place.bold));
}

template <std::size_t N>
std::vector<ReportLabel*> addLabels(ReportBand& band, const LabelPlace (&places)[N]) {
    std::vector<ReportLabel*> labels;
    for (const LabelPlace& place : places)
        labels.push_back(addLabel(band, place));
    return labels;
}

void buildTitleBand(ReportBand& band) {
    band.add<ReportLabel>("RepLabel2", QPointF(93.1, 2.1), "PERFIL", font("MS Serif", 14, true));
    addLabel(band, {"RepLabel4", 166.7, 2.1, "Pág.:"});
    band.add<ReportSystemData>("RepSysData3", QPointF(177.3, 2.1),
                               ReportSystemData::Data::PageNumber, baseFont());
    addLabel(band, {"RepLabel1", 14.3, 8.5, ProgramName});
    band.add<ReportLabel>("RepLabel3", QPointF(94.7, 8.5), QStringLiteral("Versão " PERFIL_VERSION),
                          baseFont());
    band.add<ReportSystemData>("RepSysData1", QPointF(160.3, 10.6),
                               ReportSystemData::Data::DateTime, baseFont());
    band.add<ReportShape>("RepShape1", QPointF(16.9, 19.1), ReportShape::Form::HorizontalLine,
                          QSizeF(156.4, 0),
                          ReportShape::Style{2 * MmPerScreenPixel, false, QColor()});
}

// label(slot, column) for every slot and column of a table, placed for fractions by the
// column offsets.
template <std::size_t N, typename Label>
void addColumns(std::vector<ProfileReportLayout::Column>& columns,
                const std::array<qreal, N>& offsets, Label label) {
    for (std::size_t slot = 0; slot < FractionSlotStart.size(); ++slot)
        for (std::size_t column = 0; column < N; ++column) {
            ReportLabel* l = label(slot, column);
            columns.push_back({l, l->position().x(), FractionSlotStart[slot] + offsets[column]});
        }
}

// The heads come in column order, one per slot: "Objeto" three times, then the next.
std::vector<ReportLabel*> buildDetailBand(ReportBand& band, ProfileReportLayout& layout) {
    layout.RepLabel5 = addLabel(band, {"RepLabel5", 2.1, 2.1, "Nome do perfil: XXXXXXXXXXXXX", true});
    const LabelPlace results[] = {
        {"RepLabel8", 2.1, 8.5, "Peso: xxx kg/m"},  {"RepLabel10", 2.1, 12.7, "Perímetro: xxx mm"},
        {"RepLabel11", 2.1, 16.9, "Área: xxx mm2"}, {"RepLabel12", 57.1, 8.5, "jxc: xxx mm4"},
        {"RepLabel13", 57.1, 12.7, "jyc: xxx mm4"}, {"RepLabel14", 108.0, 8.5, "xg: xxx mm"},
        {"RepLabel15", 108.0, 12.7, "yg: xxx mm"},  {"RepLabel16", 152.4, 8.5, "wx: xxx mm3"},
        {"RepLabel17", 152.4, 12.7, "wy: xxx mm3"},
    };
    const std::vector<ReportLabel*> labels = addLabels(band, results);
    // Under the moments of inertia, the one free place of the results' block.
    layout.RepLabelBends = addLabel(band, {"RepLabelBends", 57.1, 16.9, ""});
    const LabelPlace fixed[] = {
        {"RepLabel18", 2.1, 23.3, "Coordenadas:", true},
        {"RepLabel33", 1.6, 29.1, "Barras:", true},
    };
    addLabels(band, fixed);
    std::copy(labels.begin(), labels.end(), layout.resultLabels.begin());
    return addLabels(band, BarHeads);
}

// The third slot keeps the others' column spacing: a narrower one ran its two points
// together ("390,240300,230").
std::array<ProfileReportLayout::Slot, 3> buildBarRowBand(ReportBand& band) {
    const LabelPlace slot1[] = {{"RepLabelP1", 2.1, 0, "Barra"},
                                {"RepLabelP1XY1", 19.1, 0, "0,0"},
                                {"RepLabelP1XY2", 33.9, 0, "0,0"},
                                {"RepLabelEspess1", 48.7, 0, "0"}};
    const LabelPlace slot2[] = {{"RepLabelP2", 69.8, 0, "Barra"},
                                {"RepLabelP2XY1", 84.7, 0, "0,0"},
                                {"RepLabelP2XY2", 99.5, 0, "0,0"},
                                {"RepLabelEspess2", 114.3, 0, "0"}};
    const LabelPlace slot3[] = {{"RepLabelP3", 133.3, 0, "Barra"},
                                {"RepLabelP3XY1", 148.2, 0, "0,0"},
                                {"RepLabelP3XY2", 163.0, 0, "0,0"},
                                {"RepLabelEspess3", 177.8, 0, "0"}};
    return {addLabels(band, slot1), addLabels(band, slot2), addLabels(band, slot3)};
}

std::vector<ReportLabel*> buildAppendixHeadingBand(ReportBand& band) {
    addLabel(band, {"RepLabel37", 1.6, 3.7, "Apêndices", true});
    return addLabels(band, AppendixHeads);
}

// "Pág.: n de m" where the first page has its page number.
void buildPageHeaderBand(ReportBand& band) {
    band.add<ReportSystemData>("RepSysData4", QPointF(166.7, 2.1),
                               ReportSystemData::Data::PageOfPages, baseFont(),
                               QStringLiteral("Pág.: %1 de %2"));
}

// A table's column heads at the top of a later page, where they stood on the first.
template <std::size_t N>
std::vector<ReportLabel*> buildHeadsBand(ReportBand& band, const LabelPlace (&heads)[N]) {
    std::vector<ReportLabel*> labels;
    for (LabelPlace head : heads) {
        head.y = HeadsY;
        labels.push_back(addLabel(band, head));
    }
    return labels;
}

std::array<ProfileReportLayout::Slot, 3> buildAppendixRowBand(ReportBand& band) {
    const LabelPlace slot1[] = {{"RepLabelA1", 2.1, 0, "Apend"},
                                {"RepLabelA1XY", 23.3, 0, "0,0"},
                                {"RepLabelAEspess1", 38.1, 0, "0"}};
    const LabelPlace slot2[] = {{"RepLabelA2", 69.8, 0, "Apend"},
                                {"RepLabelA2XY", 91.0, 0, "0,0"},
                                {"RepLabelAEspess2", 105.8, 0, "0"}};
    const LabelPlace slot3[] = {{"RepLabelA3", 133.3, 0, "Apend"},
                                {"RepLabelA3XY", 154.5, 0, "0,0"},
                                {"RepLabelAEspess3", 169.3, 0, "0"}};
    return {addLabels(band, slot1), addLabels(band, slot2), addLabels(band, slot3)};
}

ReportImage* buildPageElements(ReportBand& page) {
    page.add<ReportShape>("RepShape2", QPointF(86.8, 186.5), ReportShape::Form::Rectangle,
                          QSizeF(110.3, 69.8),
                          ReportShape::Style{MmPerScreenPixel, true, QColor(Qt::white)});
    ReportImage* drawing =
        &page.add<ReportImage>("RepImage1", QPointF(88.9, 188.4), QSizeF(105.8, 66.1));
    page.add<ReportShape>("RepShape3", QPointF(16.9, 269.6), ReportShape::Form::Rectangle,
                          QSizeF(173.3, 10.1),
                          ReportShape::Style{2 * MmPerScreenPixel, false, QColor(Qt::white)});
    page.add<ReportLabel>("RepLabel6", QPointF(73.6, 270.9), QString::fromUtf8(ProgramName),
                          font("Century Schoolbook", 14, false));
    addLabel(page, {"RepLabel7", 87.6, 170.7, "Perfil do desenho:"});
    page.add<ReportImage>("RepImage2", QPointF(80.2, 195.5), QSizeF(4.5, 4.5),
                          ArrowImage::make(ArrowImage::Direction::Down));
    addLabel(page, {"RepLabel41", 81.0, 190.5, "Y"});
    addLabel(page, {"RepLabel42", 95.0, 179.9, "X"});
    page.add<ReportImage>("RepImage3", QPointF(99.2, 179.9), QSizeF(4.5, 4.5),
                          ArrowImage::make(ArrowImage::Direction::Right));
    addLabel(page, {"RepLabel43", 81.0, 179.9, "(0,0)"});
    return drawing;
}

} // namespace

ProfileReportLayout ProfileReportLayout::build(Report& report) {
    report.setPaperSize(QSizeF(210.0, 297.0));
    report.setMargins(QMarginsF(10.0, 10.0, 10.0, 10.0));
    ProfileReportLayout layout;
    layout.RepBand1 = &report.addBand("RepBand1", ReportBand::Kind::Title, 22.0);
    layout.RepBand3 = &report.addBand("RepBand3", ReportBand::Kind::Detail, 38.1);
    layout.RepSubDetail1 = &report.addBand("RepSubDetail1", ReportBand::Kind::SubDetail, 4.0);
    layout.RepSubDetail2 = &report.addBand("RepSubDetail2", ReportBand::Kind::SubDetail, 12.2);
    layout.RepSubDetail3 = &report.addBand("RepSubDetail3", ReportBand::Kind::SubDetail, 4.0);
    layout.RepSubDetail2->printWhenEmpty = true;
    layout.RepPageHeader = &report.addBand("RepPageHeader", ReportBand::Kind::PageHeader, 6.2);
    layout.RepBarHeads = &report.addBand("RepBarHeads", ReportBand::Kind::PageHeader, HeadsHeight);
    layout.RepAppendixHeads =
        &report.addBand("RepAppendixHeads", ReportBand::Kind::PageHeader, HeadsHeight);

    buildTitleBand(*layout.RepBand1);
    const std::vector<ReportLabel*> barHeads = buildDetailBand(*layout.RepBand3, layout);
    layout.barSlots = buildBarRowBand(*layout.RepSubDetail1);
    const std::vector<ReportLabel*> appendixHeads = buildAppendixHeadingBand(*layout.RepSubDetail2);
    layout.appendixSlots = buildAppendixRowBand(*layout.RepSubDetail3);
    buildPageHeaderBand(*layout.RepPageHeader);
    const std::vector<ReportLabel*> laterBarHeads = buildHeadsBand(*layout.RepBarHeads, BarHeads);
    const std::vector<ReportLabel*> laterAppendixHeads =
        buildHeadsBand(*layout.RepAppendixHeads, AppendixHeads);
    layout.RepImage1 = buildPageElements(report.pageElements());

    const std::size_t slotCount = FractionSlotStart.size();
    for (const std::vector<ReportLabel*>* heads : {&barHeads, &laterBarHeads})
        addColumns(layout.columns, FractionBarColumn,
                   [&](std::size_t s, std::size_t c) { return (*heads)[c * slotCount + s]; });
    addColumns(layout.columns, FractionBarColumn,
               [&](std::size_t s, std::size_t c) { return layout.barSlots[s][c]; });
    for (const std::vector<ReportLabel*>* heads : {&appendixHeads, &laterAppendixHeads})
        addColumns(layout.columns, FractionAppendixColumn,
                   [&](std::size_t s, std::size_t c) { return (*heads)[c * slotCount + s]; });
    addColumns(layout.columns, FractionAppendixColumn,
               [&](std::size_t s, std::size_t c) { return layout.appendixSlots[s][c]; });
    return layout;
}

void ProfileReportLayout::useFractionColumns(bool fractions) const {
    for (const Column& column : columns) {
        column.label->setPosition(
            {fractions ? column.fractionX : column.wholeX, column.label->position().y()});
        QFont font = column.label->font();
        font.setPointSizeF(fractions ? FractionPoints : WholePoints);
        column.label->setFont(font);
    }
}
