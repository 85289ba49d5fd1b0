#include "CommandLine.h"
#include "HeadlessCommands.h"
#include "PrtForm.h"
#include "TFormLineStretch.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>

namespace {

void SetIdentity() {
    // The application's title: the caption of the error box.
    QCoreApplication::setApplicationName(QStringLiteral("Perfil"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PERFIL_VERSION));
}

int RunEditor(int argc, char* argv[], const QString& file) {
    // Confining the pointer gives the drawing area a native window of its own; its
    // siblings need none.
    QApplication::setAttribute(Qt::AA_DontCreateNativeWidgetSiblings);
    QApplication app(argc, argv);
    SetIdentity();

    // Created first, the editor is the main window. The report form, created next, is
    // never shown itself; it lays out the report that the print command previews.
    TFormLineStretch editor;
    TPrtForm PrtForm;
    editor.setPrintHook(
        [&PrtForm](const TProfile& profile, const TSectionResults& results, const QImage& drawing) {
            PrtForm.preview(profile, results, drawing);
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
int RunWithoutWindow(int argc, char* argv[], const CommandLine& command) {
    qInstallMessageHandler(KeepOnlySeriousToolkitMessages);
    const bool paints = command.mode == CommandLine::Mode::Pdf ||
                        command.mode == CommandLine::Mode::Svg ||
                        command.mode == CommandLine::Mode::Png;
    if (paints) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        SetIdentity();
        return RunHeadless(command);
    }
    QCoreApplication app(argc, argv);
    SetIdentity();
    return RunHeadless(command);
}

} // namespace

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine command = ParseCommandLine(arguments);

    switch (command.mode) {
    case CommandLine::Mode::Help:
        std::fputs(command.message.toLocal8Bit().constData(), stdout);
        return 0;
    case CommandLine::Mode::Version:
        std::printf("perfil %s\n", PERFIL_VERSION);
        return 0;
    case CommandLine::Mode::UsageError:
        std::fprintf(stderr, "perfil: %s\nperfil --help mostra o uso.\n",
                     command.message.toLocal8Bit().constData());
        return 2;
    case CommandLine::Mode::Editor:
        return RunEditor(argc, argv, command.file);
    case CommandLine::Mode::Properties:
    case CommandLine::Mode::Json:
    case CommandLine::Mode::Pdf:
    case CommandLine::Mode::Csv:
    case CommandLine::Mode::Dxf:
    case CommandLine::Mode::Svg:
    case CommandLine::Mode::Png:
    case CommandLine::Mode::FromDxf:
        break;
    }
    return RunWithoutWindow(argc, argv, command);
}
