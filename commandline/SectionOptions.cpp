#include "SectionOptions.h"

#include "PerfilError.h"
#include "ProfileInfo.h"
#include "StandardSection.h"

#include <QLocale>

namespace {

// A radius in millimetres as a profile holds it, '.' or ',' as the point.
std::optional<double> RadiusValue(QString text) {
    bool ok = false;
    TProfileInfo info;
    info.BendRadius = QLocale::c().toDouble(text.replace(QLatin1Char(','), QLatin1Char('.')), &ok);
    if (!ok || !info.bendRadiusInRange())
        return std::nullopt;
    return info.BendRadius;
}

// Why the section does not fit as asked, and whether the other orientation would do.
QString FitProblemText(const std::string& problem, const TSectionDesignation& designation,
                       bool horizontal) {
    QString text = QString::fromStdString(problem);
    if (!horizontal && !SectionFitProblem(designation, true))
        text += QStringLiteral("; com --horizontal, cabe");
    return text;
}

} // namespace

std::optional<QString> ReadSectionOptions(const QCommandLineParser& parser, CommandLine& command) {
    const QString section = QStringLiteral("section"), radius = QStringLiteral("radius"),
                  horizontal = QStringLiteral("horizontal");
    if (command.mode != CommandLine::Mode::Section) {
        if (parser.isSet(radius) || parser.isSet(horizontal))
            return QStringLiteral("--radius e --horizontal valem só com --section");
        return std::nullopt;
    }
    SectionRequest request;
    try {
        request.designation = ParseSectionDesignation(parser.value(section).toStdString());
    } catch (const PerfilError& e) {
        return QStringLiteral("--section: ") + QString::fromUtf8(e.what());
    }
    request.radius = DefaultBendRadius(request.designation);
    if (parser.isSet(radius)) {
        const std::optional<double> value = RadiusValue(parser.value(radius));
        if (!value)
            return QStringLiteral("--radius espera o raio interno em mm, de 0 a %1")
                .arg(TProfileInfo::MaxBendRadius);
        request.radius = *value;
    }
    request.horizontal = parser.isSet(horizontal);
    if (const std::optional<std::string> problem =
            SectionFitProblem(request.designation, request.horizontal))
        return FitProblemText(*problem, request.designation, request.horizontal);
    command.section = request;
    return std::nullopt;
}
