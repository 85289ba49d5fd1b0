#include "LocalFileName.h"

#include "Utf8Sequence.h"

namespace {

constexpr char16_t EscapeBase = 0xDC00;
constexpr char16_t FirstEscape = 0xDC80, LastEscape = 0xDCFF;

} // namespace

QString FileNameText(const QByteArray& localName) {
    QString text;
    for (qsizetype i = 0; i < localName.size();) {
        const auto length = static_cast<qsizetype>(
            Utf8SequenceLength({localName.constData(), static_cast<std::size_t>(localName.size())},
                               static_cast<std::size_t>(i)));
        if (length == 0) {
            text += QChar(EscapeBase + static_cast<unsigned char>(localName[i]));
            ++i;
        } else {
            text += QString::fromUtf8(localName.constData() + i, length);
            i += length;
        }
    }
    return text;
}

std::string LocalFileName(const QString& text) {
    std::string name;
    qsizetype runStart = 0;
    const auto flushRun = [&](qsizetype end) {
        name += text.mid(runStart, end - runStart).toUtf8().toStdString();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        const bool paired = i > 0 && text[i - 1].isHighSurrogate();
        if (c < FirstEscape || c > LastEscape || paired)
            continue;
        flushRun(i);
        name += static_cast<char>(c - EscapeBase);
        runStart = i + 1;
    }
    flushRun(text.size());
    return name;
}
