#include "HeadlessCommands.h"

#include "CommandGuard.h"
#include "DrawingSurface.h"
#include "LocaleText.h"
#include "MaterialList.h"
#include "ProfileFile.h"
#include "PrtForm.h"
#include "ReportTexts.h"
#include "ResultsJson.h"
#include "SectionProperties.h"

#include <QFile>

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

void Run(const CommandLine& command, const QLocale& locale) {
    TProfile profile;
    LoadProfile(profile, QFile::encodeName(command.file).toStdString());
    const std::string material =
        command.material ? command.material->toStdString() : MaterialText(profile.MaterialIndex());
    const TSectionResults results = ComputeSection(profile, material, DecimalSeparator());
    if (results.Density == 0)
        Print(stderr, QStringLiteral("Aviso: a densidade do material é zero; o peso sai zero."));
    switch (command.mode) {
    case CommandLine::Mode::Properties:
        for (const QString& line : ReportTexts::sectionResults(results, locale))
            Print(stdout, line);
        break;
    case CommandLine::Mode::Json:
        Print(stdout, QString::fromStdString(ResultsJson(results, profile, material)));
        break;
    case CommandLine::Mode::Pdf: {
        TPrtForm form(locale);
        form.writePdf(profile, results, DrawingAfterLoad(profile), command.pdfPath);
        break;
    }
    default:
        break;
    }
}

} // namespace

int RunHeadless(const CommandLine& command, const QLocale& locale) {
    try {
        Run(command, locale);
        return std::fflush(stdout) == 0 ? 0 : 1;
    } catch (const std::exception& e) {
        Print(stderr, ErrorBoxText(QString::fromUtf8(e.what())));
        return 1;
    }
}
