#include "ApplicationIdentity.h"

#include <QCoreApplication>

void SetApplicationIdentity() {
    QCoreApplication::setApplicationName(QStringLiteral("Perfil"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PERFIL_VERSION));
}
