#include "TFormLineStretch.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The application's title: the caption of the error box.
    QApplication::setApplicationName(QStringLiteral("Perfil"));
    QApplication::setApplicationVersion(QStringLiteral(PERFIL_VERSION));

    // Created first, the editor is the main window; closing it ends the program.
    TFormLineStretch editor;
    editor.show();
    return app.exec();
}
