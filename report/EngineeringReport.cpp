#include "EngineeringReport.h"

#include "BucklingShapePicture.h"
#include "BucklingTexts.h"
#include "LocaleText.h"
#include "PdfExporter.h"
#include "PerfilError.h"
#include "Profile.h"
#include "ReportError.h"
#include "ReportImage.h"
#include "ReportLabel.h"
#include "ReportTexts.h"
#include "SectionDrawing.h"
#include "SectionEngineering.h"
#include "SignatureCurvePlot.h"
#include "ThinWall.h"

#include <QPainter>

#include <functional>

namespace {

// Figures are drawn four times finer than the 96 pixels per inch they are placed at.
constexpr qreal Fineness = 4;

QImage Figure(QSizeF millimetres, const std::function<void(QPainter&, const QRectF&)>& paint) {
    const QSizeF size = millimetres / 25.4 * 96;
    QImage image((size * Fineness).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(Fineness);
    image.fill(Qt::white);
    QPainter painter(&image);
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(7);
    painter.setFont(font);
    paint(painter, QRectF(QPointF(), size));
    return image;
}

QLocale WithoutGroups(QLocale locale) {
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale;
}

// "Local: fator 0,350 na meia-onda de 125 mm; Pcr = 44,63 kN".
QString CriticalText(const BucklingCurveMark& mark, const TBucklingResult& result,
                     const QLocale& locale) {
    const bool moment = IsMoment(result.Input.Load);
    const double critical = mark.point.Factor * result.Reference / (moment ? 1e6 : 1e3);
    return QStringLiteral("%1: fator %2 na meia-onda de %3 mm; %4cr = %5 %6")
        .arg(mark.name, locale.toString(mark.point.Factor, 'f', 3),
             locale.toString(mark.point.HalfWave, 'f', 0),
             moment ? QStringLiteral("M") : QStringLiteral("P"), locale.toString(critical, 'f', 2),
             moment ? QStringLiteral("kN·m") : QStringLiteral("kN"));
}

} // namespace

EngineeringReport::EngineeringReport(const QLocale& locale) : m_locale(WithoutGroups(locale)) {
    m_layout = EngineeringReportLayout::build(m_report);
    m_report.setLocale(locale);
    m_report.beforePrint = [this](bool&) { m_nextProperty = m_nextStrength = 0; };
    m_layout.PropertyRow->needData = [this](bool& more) { nextProperty(more); };
    m_layout.StrengthRow->needData = [this](bool& more) { nextStrength(more); };
}

void EngineeringReport::writePdf(const TProfile& profile, const QString& name,
                                 const QString& material, const TBucklingInput& input,
                                 const std::string& localPath) {
    try {
        PdfExporter::write(producePages(profile, name, material, input), localPath);
    } catch (const ReportError& error) {
        throw PerfilError(error.what());
    }
}

ReportDocument EngineeringReport::producePages(const TProfile& profile, const QString& name,
                                               const QString& material,
                                               const TBucklingInput& input) {
    bind(profile, name, material, input);
    return m_report.run();
}

void EngineeringReport::bind(const TProfile& profile, const QString& name, const QString& material,
                             const TBucklingInput& input) {
    const QLocale& l = m_locale;
    const QString own = QString::fromStdString(profile.info().Name);
    const QString shown = !own.isEmpty()    ? own
                          : !name.isEmpty() ? name
                                            : QStringLiteral("sem nome");
    const QString bends = ReportTexts::bends(profile.info().BendRadius, l);
    m_layout.Name->setText(QStringLiteral("Perfil: %1").arg(shown) +
                           (bends.isEmpty() ? QString() : QStringLiteral("; ") + bends));
    m_layout.Material->setText(QStringLiteral("Material: %1; E = %2 MPa, ν = %3, fy = %4 MPa")
                                   .arg(material, l.toString(input.E, 'g', 10),
                                        l.toString(input.Nu, 'g', 4),
                                        l.toString(input.Fy, 'g', 10)));
    m_layout.Load->setText(
        QStringLiteral("Esforço: %1; comprimento do membro L = %2 mm")
            .arg(BucklingLoadText(input.Load), l.toString(input.Length, 'g', 10)));

    const QByteArray materialBytes = material.toUtf8();
    TEngineeringResults results = ComputeSectionAxes(
        profile, std::string_view(materialBytes.constData(), materialBytes.size()),
        DecimalSeparator());
    results.Wall = ComputeThinWall(profile);
    m_layout.Section->setImage(
        Figure(m_layout.Section->frameSize(),
               [&](QPainter& p, const QRectF& r) { PaintSection(p, r, profile, results); }));
    m_properties.clear();
    for (const SectionPropertyGroup& group : SectionPropertyGroups(results)) {
        m_properties.append({group.title, std::nullopt});
        for (const SectionPropertyRow& row : group.rows)
            m_properties.append({QString(), row});
    }
    bindBuckling(profile, input);
}

void EngineeringReport::bindBuckling(const TProfile& profile, const TBucklingInput& input) {
    const TBucklingResult result = *AnalyseBuckling(profile.liveObjects(), input);
    const QList<BucklingCurveMark> marks = BucklingCurveMarks(result);
    const SignatureCurvePlot plot(result.Curve, marks, m_locale);
    m_layout.Curve->setImage(Figure(m_layout.Curve->frameSize(),
                                    [&](QPainter& p, const QRectF& r) { plot.paint(p, r, -1); }));
    for (std::size_t i = 0; i < m_layout.Shapes.size(); ++i) {
        const bool named = static_cast<qsizetype>(i) < marks.size();
        m_layout.MarkTexts[i]->setText(named ? CriticalText(marks[i], result, m_locale)
                                             : QString());
        m_layout.ShapeTitles[i]->setText(
            named ? QStringLiteral("Modo %1").arg(marks[i].name.toLower()) : QString());
        QImage shape;
        if (named) {
            const TBucklingMode mode = result.Solver->mode(marks[i].point.HalfWave);
            shape = Figure(m_layout.Shapes[i]->frameSize(), [&](QPainter& p, const QRectF& r) {
                PaintBucklingShape(p, r, result.Solver->model(), mode);
            });
        }
        m_layout.Shapes[i]->setImage(shape);
    }
    m_strengths.clear();
    for (const DirectStrengthRow& row : DirectStrengthRows(result, m_locale))
        m_strengths.append({row.symbol, row.value, row.unit, row.name});
}

void EngineeringReport::nextProperty(bool& more) {
    more = m_nextProperty < m_properties.size();
    if (!more)
        return;
    const PropertyLine& line = m_properties[m_nextProperty++];
    m_layout.GroupTitle->setText(line.title);
    const QStringList texts =
        line.row ? QStringList{line.row->symbol, SectionPropertyText(*line.row, m_locale),
                               line.row->unit,
                               line.row->note.isEmpty()
                                   ? line.row->name
                                   : QStringLiteral("%1 (%2)").arg(line.row->name, line.row->note)}
                 : QStringList{QString(), QString(), QString(), QString()};
    for (std::size_t i = 0; i < m_layout.Property.size(); ++i)
        m_layout.Property[i]->setText(texts[static_cast<qsizetype>(i)]);
}

void EngineeringReport::nextStrength(bool& more) {
    more = m_nextStrength < m_strengths.size();
    if (!more)
        return;
    const QStringList& texts = m_strengths[m_nextStrength++];
    for (std::size_t i = 0; i < m_layout.Strength.size(); ++i)
        m_layout.Strength[i]->setText(texts[static_cast<qsizetype>(i)]);
}
