#pragma once

#include <QByteArray>
#include <QString>

#include <string>

// On Linux a file name is a string of bytes that need not be UTF-8. These two carry such
// a name through a QString unchanged: valid UTF-8 is decoded as usual, and each byte that
// is not part of a valid sequence becomes the lone surrogate U+DC80 + (byte - 0x80), which
// no decoded text contains and which turns back into that byte.
QString FileNameText(const QByteArray& localName);
std::string LocalFileName(const QString& text);
