#include "ReportFonts.h"

#include <QFont>
#include <QStringList>

void ReportFonts::installSubstitutions() {
    static const bool installed = [] {
        // Qt consults these only for families that are not installed.
        QFont::insertSubstitutions(QStringLiteral("Arial"),
                                   {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")});
        QFont::insertSubstitutions(QStringLiteral("MS Serif"),
                                   {QStringLiteral("Liberation Serif"), QStringLiteral("Tinos")});
        QFont::insertSubstitutions(QStringLiteral("Century Schoolbook"),
                                   {QStringLiteral("C059"), QStringLiteral("TeX Gyre Schola"),
                                    QStringLiteral("Liberation Serif")});
        return true;
    }();
    (void)installed;
}
