#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The built program run as a script would run it, for the command-line tests.

struct Run {
    int status = -1;
    QString out;
    QString err;
};

// A program as a script would run it: no display of any kind, the given language; its
// standard output captured, or sent to outFile.
Run Execute(const QString& program, const QStringList& arguments,
            const QString& lang = QStringLiteral("pt_BR.UTF-8"), const QString& outFile = {});

// Runs perfil that way.
Run Perfil(const QStringList& arguments, const QString& lang = QStringLiteral("pt_BR.UTF-8"));

// The program started by a shell script, for what QProcess cannot give it: file names
// that are not UTF-8, resource limits. The script runs the program as "$P".
Run PerfilFromShell(const QString& script);

// A file's bytes, or "(unreadable)".
QByteArray Contents(const QString& path);

// Makes the file at path hold bytes (a test failure when it cannot be opened).
void WriteFile(const QString& path, const QByteArray& bytes);

// The path of an example profile, by its name without extension.
QString Example(const char* name);
