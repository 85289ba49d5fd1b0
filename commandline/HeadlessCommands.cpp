#include "HeadlessCommands.h"

#include "BucklingCommand.h"
#include "BucklingJson.h"
#include "ComputedProfile.h"
#include "EngineeringReport.h"
#include "LocalFileName.h"
#include "PrtForm.h"
#include "ReportTexts.h"
#include "ResultFields.h"
#include "ResultsJson.h"
#include "SharpCornerText.h"
#include "StandardStreams.h"

#include <QFileInfo>

namespace {

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// One line per engineering property in the style of the report's result lines; a
// missing value says why after its unit. The window's first group repeats the report's
// nine results, which are printed as the report writes them.
QStringList EngineeringLines(const TEngineeringResults& results, const QLocale& locale) {
    QStringList lines;
    for (const ResultGroup& group : ResultGroups().subspan(1))
        for (const std::string_view key : group.keys) {
            const ResultField& field = FindResultField(key);
            const ResultShown shown = ShowResult(field, results);
            const QString value = shown.word.empty()
                                      ? ReportTexts::fixed8(shown.value, locale)
                                      : Text(shown.word).rightJustified(8);
            QString line = Text(field.symbol) + QStringLiteral(": ") + value;
            if (!field.unit.empty())
                line += QLatin1Char(' ') + Text(field.unit);
            if (!shown.note.empty())
                line += QStringLiteral(" (") + Text(shown.note) + QLatin1Char(')');
            lines << line;
        }
    return lines;
}

} // namespace

void RunProfileCommand(const CommandLine& command, const QLocale& locale) {
    const ComputedProfile computed = ComputeProfileFile(command.file, command.material);
    const auto& [profile, material, results, engineering] = computed;
    if (results.Density == 0)
        Print(stderr, QStringLiteral("Aviso: a densidade do material é zero; o peso sai zero."));
    if (command.mode == CommandLine::Mode::Properties ||
        command.mode == CommandLine::Mode::AllProperties)
        for (const QString& notice : SharpCornerNotices(engineering.SharpCorners, locale))
            Print(stderr, QStringLiteral("Aviso: ") + notice + QLatin1Char('.'));
    switch (command.mode) {
    case CommandLine::Mode::Properties:
        for (const QString& line : ReportTexts::sectionResults(results, locale))
            Print(stdout, line);
        break;
    case CommandLine::Mode::AllProperties:
        for (const QString& line :
             ReportTexts::sectionResults(results, locale) + EngineeringLines(engineering, locale))
            Print(stdout, line);
        break;
    case CommandLine::Mode::Json: {
        std::vector<ResultText> fields = ResultTexts(Source(computed));
        AppendSharpCornersField(fields, Source(computed));
        AppendBucklingField(fields, profile, command.buckling);
        Print(stdout, QString::fromStdString(JsonObject(fields)));
        break;
    }
    case CommandLine::Mode::Buckling:
        for (const QString& line :
             BucklingLines(AnalyseProfile(profile, *command.buckling), locale))
            Print(stdout, line);
        break;
    case CommandLine::Mode::EngineeringPdf:
        EngineeringReport(locale).writePdf(
            profile, QFileInfo(command.file).completeBaseName(), QString::fromStdString(material),
            BucklingInput(profile, *command.buckling), LocalFileName(command.output));
        break;
    case CommandLine::Mode::Pdf: {
        TPrtForm form(locale);
        form.setProfileFileName(command.file);
        form.writePdf(profile, results, DrawingAfterLoad(profile), LocalFileName(command.output));
        break;
    }
    default:
        break;
    }
}
