#include "HeadlessCommands.h"

#include "BucklingCommand.h"
#include "BucklingJson.h"
#include "DrawingSurface.h"
#include "EngineeringReport.h"
#include "ErrorBoxText.h"
#include "ExchangeCommands.h"
#include "FileError.h"
#include "LocalFileName.h"
#include "LocaleText.h"
#include "MaterialList.h"
#include "PerfilError.h"
#include "ProfileFile.h"
#include "PrtForm.h"
#include "ReportTexts.h"
#include "ResultsJson.h"
#include "SectionPropertyRows.h"

#include <QFileInfo>

#include <cerrno>
#include <exception>
#include <sys/stat.h>

void Print(std::FILE* stream, const QString& text) {
    const QByteArray bytes = (text + QLatin1Char('\n')).toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
}

TProfile LoadProfileFile(const QString& file) {
    TProfile profile;
    LoadProfile(profile, LocalFileName(file));
    return profile;
}

ComputedProfile ComputeProfileFile(const QString& file, const std::optional<QString>& material) {
    ComputedProfile computed{LoadProfileFile(file), {}, {}, {}};
    computed.material =
        material ? material->toStdString() : MaterialText(computed.profile.MaterialIndex());
    computed.results = ComputeSection(computed.profile, computed.material, DecimalSeparator());
    computed.engineering =
        ComputeEngineering(computed.profile, computed.material, DecimalSeparator());
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

void Run(const CommandLine& command, const QLocale& locale) {
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
        for (const QString& line :
             ReportTexts::sectionResults(results, locale) + EngineeringLines(engineering, locale))
            Print(stdout, line);
        break;
    case CommandLine::Mode::Json: {
        std::vector<ResultField> fields = ResultFields(results, engineering, profile, material);
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
        EngineeringReport(locale).writePdf(profile, QFileInfo(command.file).completeBaseName(),
                                           QString::fromStdString(material), *command.buckling,
                                           LocalFileName(command.output));
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

// A full disk or a closed pipe behind standard output shows only when its buffer is
// flushed and the stream closed; the output is then incomplete, which is a failure.
void CloseStandardOutput() {
    int error = 0;
    if (std::fflush(stdout) != 0 || std::ferror(stdout))
        error = errno != 0 ? errno : EIO;
    if (std::fclose(stdout) != 0 && error == 0)
        error = errno;
    if (error != 0)
        throw PerfilError(QStringLiteral("Não foi possível escrever na saída padrão: %1")
                              .arg(QString::fromStdString(FileErrorMessage(error)))
                              .toStdString());
}

} // namespace

std::optional<QString> OutputConflict(const CommandLine& command) {
    // An import reads the drawing and writes the profile; every other mode the reverse.
    const bool imports = command.mode == CommandLine::Mode::FromDxf;
    const QString& in = imports ? command.dxfPath : command.file;
    const QString& out = imports ? command.file : command.output;
    struct stat input {};
    struct stat output {};
    if (out.isEmpty() || ::stat(LocalFileName(in).c_str(), &input) != 0 ||
        ::stat(LocalFileName(out).c_str(), &output) != 0)
        return std::nullopt;
    if (input.st_dev != output.st_dev || input.st_ino != output.st_ino)
        return std::nullopt;
    return QStringLiteral("a saída %1 é o próprio arquivo de entrada").arg(out);
}

int RunHeadless(const CommandLine& command, const QLocale& locale) {
    try {
        bool succeeded = true;
        if (IsExchangeCommand(command))
            succeeded = RunExchange(command);
        else
            Run(command, locale);
        CloseStandardOutput();
        return succeeded ? 0 : 1;
    } catch (const std::exception& e) {
        Print(stderr, ErrorBoxText(QString::fromUtf8(e.what())));
        return 1;
    }
}
