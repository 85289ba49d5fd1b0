#include "ApplicationIdentity.h"
#include "CommandDispatcher.h"
#include "CommandLine.h"
#include "EditorFonts.h"
#include "EngineeringPreview.h"
#include "LocalFileName.h"
#include "PrtPreview.h"
#include "ReportFonts.h"
#include "StandardStreams.h"
#include "TFormLineStretch.h"
#include "ToolkitTranslator.h"

#include <QApplication>
#include <QTimer>

#include <csignal>
#include <memory>

namespace {

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
    SetApplicationIdentity();
    InstallToolkitTranslator(app, locale);
    SubstituteFonts();

    // Created first, the editor is the main window. The print command's preview, with the
    // report form that lays out its pages, waits for the first print rather than hold up the
    // editor's first paint (0.15 ms of CPU, with the page faults of the report code, before
    // a first paint at about 25 ms).
    TFormLineStretch editor;
    std::unique_ptr<PrtPreview> printPreview;
    editor.setPrintHook([&printPreview, &locale, &editor](const TProfile& profile,
                                                           const TSectionResults& results,
                                                           const QImage& drawing) {
        if (!printPreview)
            printPreview = std::make_unique<PrtPreview>(locale);
        printPreview->setProfileFileName(editor.profileFileName());
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

    if (command.mode == CommandLine::Mode::Editor)
        return RunEditor(argc, argv, command.file, locale);
    return RunCommandLine(argc, argv, command, locale, outputClosed);
}
