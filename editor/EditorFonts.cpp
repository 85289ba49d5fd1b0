#include "EditorFonts.h"

#include <QFont>

void EditorFonts::installSubstitutions() {
    // Qt consults this only when Times New Roman itself is missing.
    QFont::insertSubstitution(QStringLiteral("Times New Roman"),
                              QStringLiteral("Liberation Serif"));
}
