#pragma once

#include <QString>

// The text of the error box: the message, with a full stop added when it ends in a letter.
QString ErrorBoxText(const QString& message);
