#include "ErrorBoxText.h"

QString ErrorBoxText(const QString& message) {
    if (!message.isEmpty() && message.back().isLetter())
        return message + QLatin1Char('.');
    return message;
}
