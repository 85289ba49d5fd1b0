#include "HeadlessCommands.h"

#include "ComputedProfile.h"
#include "LocalFileName.h"
#include "PrtForm.h"
#include "ReportTexts.h"
#include "ResultsJson.h"
#include "SectionPropertyRows.h"
#include "StandardStreams.h"

namespace {

// One line per engineering property in the style of the report's result lines; a
// missing value says why after its unit.
QStringList EngineeringLines(const TEngineeringResults& results, const QLocale& locale) {
    QStringList lines;
    const QList<SectionPropertyGroup> groups = SectionPropertyGroups(results);
    // The first group repeats the report's nine results, which are printed as the report
    // writes them.
    for (const SectionPropertyGroup& group : groups.mid(1))
        for (const SectionPropertyRow& row : group.rows) {
            const QString value = row.word.isEmpty() ? ReportTexts::fixed8(row.value, locale)
                                                     : row.word.rightJustified(8);
            QString line = row.symbol + QStringLiteral(": ") + value;
            if (!row.unit.isEmpty())
                line += QLatin1Char(' ') + row.unit;
            if (!row.note.isEmpty())
                line += QStringLiteral(" (") + row.note + QLatin1Char(')');
            lines << line;
        }
    return lines;
}

} // namespace

void RunProfileCommand(const CommandLine& command, const QLocale& locale) {
    const auto [profile, material, results, engineering] =
        ComputeProfileFile(command.file, command.material);
    if (results.Density == 0)
        Print(stderr, QStringLiteral("Aviso: a densidade do material é zero; o peso sai zero."));
    switch (command.mode) {
    case CommandLine::Mode::Properties:
        for (const QString& line : ReportTexts::sectionResults(results, locale))
            Print(stdout, line);
        break;
    case CommandLine::Mode::AllProperties:
        for (const QString& line : ReportTexts::sectionResults(results, locale) +
                                       EngineeringLines(engineering, locale))
            Print(stdout, line);
        break;
    case CommandLine::Mode::Json:
        Print(stdout,
              QString::fromStdString(ResultsJson(results, engineering, profile, material)));
        break;
    case CommandLine::Mode::Pdf: {
        TPrtForm form(locale);
        form.writePdf(profile, results, DrawingAfterLoad(profile), LocalFileName(command.output));
        break;
    }
    default:
        break;
    }
}
