#include "HeadlessCommands.h"

#include "CommandGuard.h"
#include "DrawingSurface.h"
#include "ExchangeCommands.h"
#include "LocaleText.h"
#include "MaterialList.h"
#include "ProfileFile.h"
#include "PrtForm.h"
#include "ReportTexts.h"
#include "ResultsJson.h"
#include "SectionProperties.h"

#include <QFile>
#include <QLocale>

#include <cstdio>
#include <exception>

void Print(std::FILE* stream, const QString& text) {
    const QByteArray bytes = (text + QLatin1Char('\n')).toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
}

TProfile LoadProfileFile(const QString& file) {
    TProfile profile;
    LoadProfile(profile, QFile::encodeName(file).toStdString());
    return profile;
}

ComputedProfile ComputeProfileFile(const QString& file, const std::optional<QString>& material) {
    ComputedProfile computed{LoadProfileFile(file), {}, {}};
    computed.material =
        material ? material->toStdString() : MaterialText(computed.profile.MaterialIndex());
    computed.results = ComputeSection(computed.profile, computed.material, DecimalSeparator());
    return computed;
}

QImage DrawingAfterLoad(const TProfile& profile) {
    DrawingSurface surface;
    surface.RebuildBackground(true, DefaultGridStep);
    surface.ShowBackground();
    surface.DrawObjects(profile);
    return surface.image();
}

namespace {

void Run(const CommandLine& command) {
    const auto [profile, material, results] = ComputeProfileFile(command.file, command.material);
    switch (command.mode) {
    case CommandLine::Mode::Properties:
        for (const QString& line : ReportTexts::sectionResults(results, QLocale()))
            Print(stdout, line);
        break;
    case CommandLine::Mode::Json:
        Print(stdout, QString::fromStdString(ResultsJson(results, profile, material)));
        break;
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
    if (IsExchangeCommand(command))
        return RunExchange(command);
    try {
        Run(command);
        return std::fflush(stdout) == 0 ? 0 : 1;
    } catch (const std::exception& e) {
        Print(stderr, ErrorBoxText(QString::fromUtf8(e.what())));
        return 1;
    }
}
