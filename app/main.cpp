#include "PrtForm.h"
#include "TFormLineStretch.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The application's title: the caption of the error box.
    QApplication::setApplicationName(QStringLiteral("Perfil"));
    QApplication::setApplicationVersion(QStringLiteral(PERFIL_VERSION));

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
    return app.exec();
}
