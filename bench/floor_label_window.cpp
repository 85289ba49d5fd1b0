// The start-up floor: a Qt window of the editor's size showing one label in the editor's
// font, and nothing else. bench_start_up times it from exec to its first paint.
#include "EditorFonts.h"
#include "LineStretchControls.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    EditorFonts::installSubstitutions();
    QWidget window;
    window.setFixedSize(LineStretchControls::ClientWidth, LineStretchControls::ClientHeight);
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(13);
    window.setFont(font);
    QLabel label(QStringLiteral("Editor de perfil metálico"), &window);
    label.move(104, 16);
    window.show();
    return app.exec();
}
