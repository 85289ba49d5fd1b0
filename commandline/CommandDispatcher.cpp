#include "CommandDispatcher.h"

#include "ApplicationIdentity.h"
#include "ErrorBoxText.h"
#include "ExchangeCommands.h"
#include "HeadlessCommands.h"
#include "LocalFileName.h"
#include "ReportFonts.h"
#include "StandardStreams.h"

#include <QGuiApplication>

#include <cstdio>
#include <exception>
#include <optional>
#include <sys/stat.h>

namespace {

using Mode = CommandLine::Mode;

int UsageError(const QString& message) {
    std::fprintf(stderr, "perfil: %s\nperfil --help mostra o uso.\n",
                 message.toLocal8Bit().constData());
    return 2;
}

// What makes the command unusable though it parsed: an output that is the input file
// itself (through any link), which writing would destroy. The message, or nothing.
std::optional<QString> OutputConflict(const CommandLine& command) {
    // An import reads the drawing and writes the profile; every other mode the reverse.
    const bool imports = command.mode == Mode::FromDxf;
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

bool WritesStandardOutput(const CommandLine& command) {
    switch (command.mode) {
    case Mode::Pdf:
    case Mode::EngineeringPdf:
    case Mode::Dxf:
    case Mode::Svg:
    case Mode::Png:
        return command.output == QLatin1String("-");
    case Mode::FromDxf:
    case Mode::Section:
        return command.file == QLatin1String("-");
    default:
        return true;
    }
}

// True when every file was handled; throws PerfilError on a failure that ends the mode.
bool RunMode(const CommandLine& command, const QLocale& locale) {
    switch (command.mode) {
    case Mode::Csv:
        return PrintCsv(command);
    case Mode::Json:
        if (command.files.size() > 1)
            return PrintJsonLines(command);
        RunProfileCommand(command, locale);
        return true;
    case Mode::Dxf:
    case Mode::Svg:
    case Mode::Png:
        ExportDrawing(command);
        return true;
    case Mode::FromDxf:
        ImportDrawing(command);
        return true;
    case Mode::Section:
        WriteStandardSection(command);
        return true;
    default: // --properties, --all-properties, --pdf, --engineering-pdf, --buckling
        RunProfileCommand(command, locale);
        return true;
    }
}

int RunModeReported(const CommandLine& command, const QLocale& locale) {
    try {
        const bool succeeded = RunMode(command, locale);
        CloseStandardOutput();
        return succeeded ? 0 : 1;
    } catch (const std::exception& e) {
        Print(stderr, ErrorBoxText(QString::fromUtf8(e.what())));
        return 1;
    }
}

// Scripts read standard error: it carries our error text alone, not the toolkit's notes
// about the session (such as a missing runtime folder).
void KeepOnlySeriousToolkitMessages(QtMsgType type, const QMessageLogContext&,
                                    const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

// No display is needed: --pdf, --engineering-pdf, --svg and --png paint off screen, the others need no GUI.
int RunWithoutWindow(int argc, char* argv[], const CommandLine& command, const QLocale& locale) {
    qInstallMessageHandler(KeepOnlySeriousToolkitMessages);
    const bool paints =
        command.mode == Mode::Pdf || command.mode == Mode::EngineeringPdf ||
        command.mode == Mode::Svg || command.mode == Mode::Png;
    if (paints) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        SetApplicationIdentity();
        ReportFonts::installSubstitutions();
        return RunModeReported(command, locale);
    }
    QCoreApplication app(argc, argv);
    SetApplicationIdentity();
    return RunModeReported(command, locale);
}

} // namespace

int RunCommandLine(int argc, char* argv[], const CommandLine& command, const QLocale& locale,
                   bool outputClosed) {
    switch (command.mode) {
    case Mode::Help:
        std::fputs(command.message.toLocal8Bit().constData(), stdout);
        return 0;
    case Mode::Version:
        std::printf("perfil %s\n", PERFIL_VERSION);
        return 0;
    case Mode::UsageError:
        return UsageError(command.message);
    default:
        break;
    }
    if (const std::optional<QString> conflict = OutputConflict(command))
        return UsageError(*conflict);
    if (outputClosed && WritesStandardOutput(command)) {
        Print(stderr, QStringLiteral("Não foi possível escrever na saída padrão: ela está fechada."));
        return 1;
    }
    return RunWithoutWindow(argc, argv, command, locale);
}
