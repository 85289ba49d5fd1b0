#include "PerfilProcess.h"

#include <QProcess>
#include <QtGlobal>

Run Perfil(const QStringList& arguments, const QString& lang) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name :
         {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LC_ALL", "LC_NUMERIC"})
        env.remove(QString::fromLatin1(name));
    env.insert(QStringLiteral("LANG"), lang);
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(PERFIL_BINARY), arguments);
    if (!process.waitForFinished(60000))
        qFatal("perfil did not finish");
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

QString Example(const char* name) {
    return QStringLiteral(PERFIL_EXAMPLES "/%1.per").arg(QLatin1String(name));
}
