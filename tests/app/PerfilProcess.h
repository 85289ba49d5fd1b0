#pragma once

#include <QString>
#include <QStringList>

// The built program run as a script would run it, for the command-line tests.

struct Run {
    int status = -1;
    QString out;
    QString err;
};

// Runs perfil with no display of any kind, in the given language.
Run Perfil(const QStringList& arguments, const QString& lang = QStringLiteral("pt_BR.UTF-8"));

// The path of an example profile, by its name without extension.
QString Example(const char* name);
