#include "EngineeringReportLayout.h"

#include "Report.h"
#include "ReportImage.h"
#include "ReportLabel.h"
#include "ReportShape.h"
#include "ReportSystemData.h"

#include <QFont>

namespace {

constexpr qreal Line = 4.6; // mm between lines of 9 points

QFont TextFont(qreal points = 9, bool bold = false) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

ReportLabel* AddLabel(ReportBand& band, const char* name, QPointF at, const QString& text = {},
                      const QFont& font = TextFont()) {
    return &band.add<ReportLabel>(QString::fromLatin1(name), at, text, font);
}

// Symbol, value, unit and words, in columns.
std::array<ReportLabel*, 4> AddColumns(ReportBand& band, const char* prefix) {
    const qreal columns[] = {4, 34, 64, 84};
    std::array<ReportLabel*, 4> labels{};
    for (std::size_t i = 0; i < labels.size(); ++i)
        labels[i] = AddLabel(band, (prefix + std::to_string(i)).c_str(), QPointF(columns[i], 0));
    return labels;
}

void Rule(ReportBand& band, const char* name, qreal y) {
    band.add<ReportShape>(QString::fromLatin1(name), QPointF(0, y),
                          ReportShape::Form::HorizontalLine, QSizeF(190, 0),
                          ReportShape::Style{0.4, false, QColor()});
}

void BuildHeading(Report& report) {
    ReportBand& band = report.addBand(QStringLiteral("Heading"), ReportBand::Kind::Title, 16);
    AddLabel(band, "Title", QPointF(0, 1), QStringLiteral("RELATÓRIO DE ENGENHARIA"),
             TextFont(14, true));
    AddLabel(band, "Program", QPointF(0, 8.5),
             QStringLiteral("perfil — editor de perfis, versão " PERFIL_VERSION));
    Rule(band, "HeadingRule", 14);
}

void BuildSubject(Report& report, EngineeringReportLayout& layout) {
    ReportBand& band = report.addBand(QStringLiteral("Subject"), ReportBand::Kind::Detail, 18);
    layout.Name = AddLabel(band, "Name", QPointF(0, 1), {}, TextFont(11, true));
    layout.Material = AddLabel(band, "Material", QPointF(0, 1 + 5.5));
    layout.Load = AddLabel(band, "Load", QPointF(0, 1 + 5.5 + Line));
}

void BuildSection(Report& report, EngineeringReportLayout& layout) {
    ReportBand& band = report.addBand(QStringLiteral("Section"), ReportBand::Kind::Detail, 78);
    AddLabel(band, "SectionTitle", QPointF(0, 0), QStringLiteral("Seção"), TextFont(10, true));
    layout.Section =
        &band.add<ReportImage>(QStringLiteral("SectionImage"), QPointF(0, 6), QSizeF(120, 70));
    AddLabel(band, "SectionKey1", QPointF(124, 12), QStringLiteral("G: centro de gravidade"));
    AddLabel(band, "SectionKey2", QPointF(124, 12 + Line),
             QStringLiteral("S: centro de cisalhamento"));
    AddLabel(band, "SectionKey3", QPointF(124, 12 + 2 * Line),
             QStringLiteral("1, 2: eixos principais"));
}

void BuildProperties(Report& report, EngineeringReportLayout& layout) {
    ReportBand& band =
        report.addBand(QStringLiteral("PropertyRow"), ReportBand::Kind::SubDetail, Line);
    layout.PropertyRow = &band;
    layout.GroupTitle = AddLabel(band, "GroupTitle", QPointF(0, 0), {}, TextFont(9, true));
    layout.Property = AddColumns(band, "Property");
}

void BuildBuckling(Report& report, EngineeringReportLayout& layout) {
    ReportBand& band = report.addBand(QStringLiteral("Buckling"), ReportBand::Kind::SubDetail, 150);
    band.printWhenEmpty = true;
    AddLabel(band, "BucklingTitle", QPointF(0, 2),
             QStringLiteral("Flambagem elástica (método das faixas finitas)"), TextFont(10, true));
    layout.Curve =
        &band.add<ReportImage>(QStringLiteral("CurveImage"), QPointF(0, 8), QSizeF(190, 78));
    for (std::size_t i = 0; i < layout.MarkTexts.size(); ++i)
        layout.MarkTexts[i] =
            AddLabel(band, ("MarkText" + std::to_string(i)).c_str(), QPointF(4, 88 + i * Line));
    for (std::size_t i = 0; i < layout.Shapes.size(); ++i) {
        const qreal x = i * 64.0;
        layout.ShapeTitles[i] =
            AddLabel(band, ("ShapeTitle" + std::to_string(i)).c_str(), QPointF(x, 103));
        layout.Shapes[i] =
            &band.add<ReportImage>(QString::fromStdString("ShapeImage" + std::to_string(i)),
                                   QPointF(x, 108), QSizeF(62, 40));
    }
}

void BuildStrengths(Report& report, EngineeringReportLayout& layout) {
    ReportBand& heading =
        report.addBand(QStringLiteral("StrengthHeading"), ReportBand::Kind::SubDetail, 9);
    heading.printWhenEmpty = true;
    AddLabel(heading, "StrengthTitle", QPointF(0, 2),
             QStringLiteral("Resistência pelo Método da Resistência Direta (AISI S100-16)"),
             TextFont(10, true));
    ReportBand& band =
        report.addBand(QStringLiteral("StrengthRow"), ReportBand::Kind::SubDetail, Line);
    layout.StrengthRow = &band;
    layout.Strength = AddColumns(band, "Strength");
}

void BuildFoot(Report& report) {
    ReportBand& page = report.pageElements();
    page.add<ReportShape>(QStringLiteral("FootRule"), QPointF(10, 279),
                          ReportShape::Form::HorizontalLine, QSizeF(190, 0),
                          ReportShape::Style{0.25, false, QColor()});
    page.add<ReportSystemData>(QStringLiteral("Date"), QPointF(10, 281),
                               ReportSystemData::Data::DateTime, TextFont(8));
    page.add<ReportLabel>(QStringLiteral("PageTitle"), QPointF(172, 281), QStringLiteral("Pág.:"),
                          TextFont(8));
    page.add<ReportSystemData>(QStringLiteral("PageNumber"), QPointF(181, 281),
                               ReportSystemData::Data::PageNumber, TextFont(8));
}

} // namespace

EngineeringReportLayout EngineeringReportLayout::build(Report& report) {
    report.setPaperSize(QSizeF(210, 297));
    report.setMargins(QMarginsF(10, 10, 10, 10));
    EngineeringReportLayout layout;
    BuildHeading(report);
    BuildSubject(report, layout);
    BuildSection(report, layout);
    BuildProperties(report, layout);
    BuildBuckling(report, layout);
    BuildStrengths(report, layout);
    BuildFoot(report);
    return layout;
}
