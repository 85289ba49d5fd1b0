#include "CommandLine.h"
#include "EditorFonts.h"
#include "EngineeringPreview.h"
#include "HeadlessCommands.h"
#include "LocalFileName.h"
#include "PrtPreview.h"
#include "ReportFonts.h"
#include "TFormLineStretch.h"
#include "ToolkitTranslator.h"

#include <QApplication>
#include <QTimer>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

namespace {

void SetIdentity() {
    // The application's title: the caption of the error box.
    QCoreApplication::setApplicationName(QStringLiteral("Perfil"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PERFIL_VERSION));
}

// The classic font names of the window and of the report, mapped to installed faces of the
// same metrics for the whole run.
void SubstituteFonts() {
    EditorFonts::installSubstitutions();
    ReportFonts::installSubstitutions();
}

int RunEditor(int argc, char* argv[], const QString& file, const QLocale& locale) {
    // Confining the pointer gives the drawing area a native window of its own; its
    // siblings need none.
    QApplication::setAttribute(Qt::AA_DontCreateNativeWidgetSiblings);
    QApplication app(argc, argv);
    SetIdentity();
    InstallToolkitTranslator(app, locale);
    SubstituteFonts();

    // Created first, the editor is the main window. The print command's preview, with the
    // report form that lays out its pages, waits for the first print rather than hold up the
    // editor's first paint (0.15 ms of CPU, with the page faults of the report code, before
    // a first paint at about 25 ms).
    TFormLineStretch editor;
    std::unique_ptr<PrtPreview> printPreview;
    editor.setPrintHook([&printPreview, &locale](const TProfile& profile,
                                                 const TSectionResults& results,
                                                 const QImage& drawing) {
        if (!printPreview)
            printPreview = std::make_unique<PrtPreview>(locale);
        printPreview->preview(profile, results, drawing);
    });
    std::unique_ptr<EngineeringPreview> engineering;
    editor.setEngineeringReportHook(
        [&engineering, &locale](const TProfile& profile, const QString& name,
                                const QString& material, const TBucklingInput& input) {
            if (!engineering)
                engineering = std::make_unique<EngineeringPreview>(locale);
            engineering->preview(profile, name, material, input);
        });
    // Closing the editor ends the program, even with a report preview still open.
    QObject::connect(&editor, &TFormLineStretch::closed, &app, &QCoreApplication::quit);

    editor.show();
    // Once the loop runs, so that an error box stands over the shown, empty editor.
    if (!file.isEmpty())
        QTimer::singleShot(0, &editor, [&editor, file] { editor.openProfile(file); });
    return app.exec();
}

// Scripts read the headless modes' standard error: it carries our error text alone, not
// the toolkit's notes about the session (such as a missing runtime folder).
void KeepOnlySeriousToolkitMessages(QtMsgType type, const QMessageLogContext&,
                                    const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

// The headless modes need no display: --pdf, --engineering-pdf, --svg and --png paint off
// screen, the others need no GUI.
int RunWithoutWindow(int argc, char* argv[], const CommandLine& command, const QLocale& locale) {
    qInstallMessageHandler(KeepOnlySeriousToolkitMessages);
    const bool paints = command.mode == CommandLine::Mode::Pdf ||
                        command.mode == CommandLine::Mode::EngineeringPdf ||
                        command.mode == CommandLine::Mode::Svg ||
                        command.mode == CommandLine::Mode::Png;
    if (paints) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        SetIdentity();
        ReportFonts::installSubstitutions();
        return RunHeadless(command, locale);
    }
    QCoreApplication app(argc, argv);
    SetIdentity();
    return RunHeadless(command, locale);
}

// Started with standard input, output or error closed, the program would hand that
// descriptor to the first file it opens, and could write its output into that file.
// /dev/null, opened for reading only, keeps each place: writes to it fail. True when
// standard output was closed.
bool KeepStandardPlaces() {
    bool outputClosed = false;
    for (const int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF)
            continue;
        outputClosed = outputClosed || fd == STDOUT_FILENO;
        // The lowest free descriptor: this very one, the lower ones being open by now.
        ::open("/dev/null", O_RDONLY);
    }
    return outputClosed;
}

bool WritesStandardOutput(const CommandLine& command) {
    switch (command.mode) {
    case CommandLine::Mode::Pdf:
    case CommandLine::Mode::EngineeringPdf:
    case CommandLine::Mode::Dxf:
    case CommandLine::Mode::Svg:
    case CommandLine::Mode::Png:
        return command.output == QLatin1String("-");
    case CommandLine::Mode::FromDxf:
        return command.file == QLatin1String("-");
    default:
        return true;
    }
}

int UsageError(const QString& message) {
    std::fprintf(stderr, "perfil: %s\nperfil --help mostra o uso.\n",
                 message.toLocal8Bit().constData());
    return 2;
}

} // namespace

int main(int argc, char* argv[]) {
    const bool outputClosed = KeepStandardPlaces();
    // Past a file size limit a write should fail and be reported like a full disk, not
    // end the program with unsaved work and a half-written temporary file.
    std::signal(SIGXFSZ, SIG_IGN);
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << FileNameText(QByteArray(argv[i]));
    const CommandLine command = ParseCommandLine(arguments);
    // The user's locale, read once: the report and the toolkit's own texts follow it.
    const QLocale locale = QLocale::system();

    switch (command.mode) {
    case CommandLine::Mode::Help:
        std::fputs(command.message.toLocal8Bit().constData(), stdout);
        return 0;
    case CommandLine::Mode::Version:
        std::printf("perfil %s\n", PERFIL_VERSION);
        return 0;
    case CommandLine::Mode::UsageError:
        return UsageError(command.message);
    case CommandLine::Mode::Editor:
        return RunEditor(argc, argv, command.file, locale);
    case CommandLine::Mode::Properties:
    case CommandLine::Mode::AllProperties:
    case CommandLine::Mode::Json:
    case CommandLine::Mode::Pdf:
    case CommandLine::Mode::EngineeringPdf:
    case CommandLine::Mode::Csv:
    case CommandLine::Mode::Dxf:
    case CommandLine::Mode::Svg:
    case CommandLine::Mode::Png:
    case CommandLine::Mode::FromDxf:
    case CommandLine::Mode::Buckling:
        break;
    }
    if (const std::optional<QString> conflict = OutputConflict(command))
        return UsageError(*conflict);
    if (outputClosed && WritesStandardOutput(command)) {
        std::fputs("Não foi possível escrever na saída padrão: ela está fechada.\n", stderr);
        return 1;
    }
    return RunWithoutWindow(argc, argv, command, locale);
}
