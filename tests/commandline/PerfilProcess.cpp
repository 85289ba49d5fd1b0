#include "PerfilProcess.h"

#include <QFile>
#include <QProcess>
#include <QtGlobal>
#include <QtTest>

Run Execute(const QString& program, const QStringList& arguments, const QString& lang,
            const QString& outFile) {
    QProcess process;
    if (!outFile.isEmpty())
        process.setStandardOutputFile(outFile);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name :
         {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LC_ALL", "LC_NUMERIC"})
        env.remove(QString::fromLatin1(name));
    env.insert(QStringLiteral("LANG"), lang);
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    if (!process.waitForFinished(60000))
        qFatal("%s did not finish", qPrintable(program));
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

Run Perfil(const QStringList& arguments, const QString& lang) {
    return Execute(QStringLiteral(PERFIL_BINARY), arguments, lang);
}

Run PerfilFromShell(const QString& script) {
    return Execute(QStringLiteral("/bin/sh"),
                   {QStringLiteral("-c"), QStringLiteral("P='%1'; %2").arg(PERFIL_BINARY, script)});
}

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QString Example(const char* name) {
    return QStringLiteral(PERFIL_EXAMPLES "/%1.per").arg(QLatin1String(name));
}
