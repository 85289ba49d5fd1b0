#include "HeadlessCommands.h"

#include "CommandGuard.h"
#include "DrawingSurface.h"
#include "LocaleText.h"
#include "MaterialList.h"
#include "ProfileFile.h"
#include "PrtForm.h"
#include "ReportTexts.h"
#include "ResultsJson.h"
#include "SectionEngineering.h"
#include "SectionPropertyRows.h"

#include <QFile>
#include <QLocale>

#include <cstdio>
#include <exception>

namespace {

void Print(std::FILE* stream, const QString& text) {
    const QByteArray bytes = (text + QLatin1Char('\n')).toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
}

// The drawing the print command would copy right after loading the file: the default
// grid (shown, step 10) and no marker.
QImage DrawingAfterLoad(const TProfile& profile) {
    DrawingSurface surface;
    surface.RebuildBackground(true, 10);
    surface.ShowBackground();
    surface.DrawObjects(profile);
    return surface.image();
}

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

void Run(const CommandLine& command) {
    TProfile profile;
    LoadProfile(profile, QFile::encodeName(command.file).toStdString());
    const std::string material =
        command.material ? command.material->toStdString() : MaterialText(profile.MaterialIndex());
    const TSectionResults results = ComputeSection(profile, material, DecimalSeparator());
    switch (command.mode) {
    case CommandLine::Mode::Properties:
        for (const QString& line : ReportTexts::sectionResults(results, QLocale()))
            Print(stdout, line);
        break;
    case CommandLine::Mode::AllProperties:
        for (const QString& line :
             ReportTexts::sectionResults(results, QLocale()) +
                 EngineeringLines(ComputeEngineering(profile, material, DecimalSeparator()),
                                  QLocale()))
            Print(stdout, line);
        break;
    case CommandLine::Mode::Json: {
        const TEngineeringResults engineering =
            ComputeEngineering(profile, material, DecimalSeparator());
        Print(stdout, QString::fromStdString(ResultsJson(results, engineering, profile, material)));
        break;
    }
    case CommandLine::Mode::Pdf: {
        TPrtForm form;
        form.writePdf(profile, results, DrawingAfterLoad(profile), command.pdfPath);
        break;
    }
    default:
        break;
    }
}

} // namespace

int RunHeadless(const CommandLine& command) {
    try {
        Run(command);
        return std::fflush(stdout) == 0 ? 0 : 1;
    } catch (const std::exception& e) {
        Print(stderr, ErrorBoxText(QString::fromUtf8(e.what())));
        return 1;
    }
}
