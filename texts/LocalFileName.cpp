#include "LocalFileName.h"

namespace {

constexpr char16_t EscapeBase = 0xDC00;
constexpr char16_t FirstEscape = 0xDC80, LastEscape = 0xDCFF;

bool IsContinuation(unsigned char byte, unsigned char low = 0x80, unsigned char high = 0xBF) {
    return byte >= low && byte <= high;
}

// The length of the valid UTF-8 sequence at bytes[i], or 0 where none starts; overlong
// forms, surrogates and code points above U+10FFFF are not valid.
qsizetype SequenceLength(const QByteArray& bytes, qsizetype i) {
    const auto at = [&bytes](qsizetype k) {
        return k < bytes.size() ? static_cast<unsigned char>(bytes[k]) : 0;
    };
    const unsigned char lead = at(i);
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return IsContinuation(at(i + 1)) ? 2 : 0;
    if (lead >= 0xE0 && lead <= 0xEF) {
        const unsigned char low = lead == 0xE0 ? 0xA0 : 0x80;
        const unsigned char high = lead == 0xED ? 0x9F : 0xBF;
        return IsContinuation(at(i + 1), low, high) && IsContinuation(at(i + 2)) ? 3 : 0;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        const unsigned char low = lead == 0xF0 ? 0x90 : 0x80;
        const unsigned char high = lead == 0xF4 ? 0x8F : 0xBF;
        return IsContinuation(at(i + 1), low, high) && IsContinuation(at(i + 2)) &&
                       IsContinuation(at(i + 3))
                   ? 4
                   : 0;
    }
    return 0;
}

} // namespace

QString FileNameText(const QByteArray& localName) {
    QString text;
    for (qsizetype i = 0; i < localName.size();) {
        const qsizetype length = SequenceLength(localName, i);
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
