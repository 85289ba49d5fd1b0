#include "CommandLine.h"
#include "EditorFonts.h"
#include "EngineeringReport.h"
#include "HeadlessCommands.h"
#include "LocalFileName.h"
#include "PrtForm.h"
#include "ReportFonts.h"
#include "TFormLineStretch.h"
#include "ToolkitTranslator.h"

#include <QApplication>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <memory>

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

    // Created first, the editor is the main window. The report form is never shown itself;
    // it lays out the report that the print command previews, so it waits for the first
    // print rather than hold up the editor's first paint (0.15 ms of CPU, with the page
    // faults of the report code, before a first paint at about 25 ms).
    TFormLineStretch editor;
    std::unique_ptr<TPrtForm> PrtForm;
    editor.setPrintHook([&PrtForm, &locale](const TProfile& profile, const TSectionResults& results,
                                            const QImage& drawing) {
        if (!PrtForm)
            PrtForm = std::make_unique<TPrtForm>(locale);
        PrtForm->preview(profile, results, drawing);
    });
    std::unique_ptr<EngineeringReport> engineering;
    editor.setEngineeringReportHook(
        [&engineering, &locale](const TProfile& profile, const QString& name,
                                const QString& material, const TBucklingInput& input) {
            if (!engineering)
                engineering = std::make_unique<EngineeringReport>(locale);
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

// The headless modes need no display: --pdf, --svg and --png paint off screen, the
// others need no GUI.
int RunWithoutWindow(int argc, char* argv[], const CommandLine& command, const QLocale& locale) {
    qInstallMessageHandler(KeepOnlySeriousToolkitMessages);
    const bool paints = command.mode == CommandLine::Mode::Pdf ||
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

int UsageError(const QString& message) {
    std::fprintf(stderr, "perfil: %s\nperfil --help mostra o uso.\n",
                 message.toLocal8Bit().constData());
    return 2;
}

} // namespace

int main(int argc, char* argv[]) {
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
    case CommandLine::Mode::Csv:
    case CommandLine::Mode::Dxf:
    case CommandLine::Mode::Svg:
    case CommandLine::Mode::Png:
    case CommandLine::Mode::FromDxf:
        break;
    }
    if (const std::optional<QString> conflict = OutputConflict(command))
        return UsageError(*conflict);
    return RunWithoutWindow(argc, argv, command, locale);
}
