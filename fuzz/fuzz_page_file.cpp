// Arbitrary bytes through the decoder behind the preview's "Abrir", then, for a file it
// accepts, everything the preview would do with it: lay out its pages and paint them.
// An accepted file must also survive being saved and read again unchanged.
//
// A checksum guards the payload, so random bytes would almost never get past it: the
// input is taken as the payload and given a correct header here. An input that is a
// whole page file (the seeds are) has its own header replaced, so that mutations of a
// real file reach the payload decoder too.
#include "PageFile.h"
#include "PageRenderer.h"
#include "ReportError.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QGuiApplication>
#include <QIODevice>
#include <QImage>
#include <QPainter>

#include <cstdint>
#include <cstdlib>

namespace {

void Check(bool condition) {
    if (!condition)
        std::abort();
}

QByteArray WithHeader(QByteArray payload) {
    const QByteArray signature("RPTPAGES", 8);
    constexpr int HeaderSize = 8 + 2 + 8 + 32;
    if (payload.startsWith(signature) && payload.size() >= HeaderSize)
        payload.remove(0, HeaderSize);
    QByteArray file;
    QDataStream out(&file, QIODevice::WriteOnly);
    out.writeRawData(signature.constData(), signature.size());
    out << PageFile::Version << static_cast<quint64>(payload.size());
    const QByteArray hash = QCryptographicHash::hash(payload, QCryptographicHash::Sha256);
    out.writeRawData(hash.constData(), hash.size());
    out.writeRawData(payload.constData(), payload.size());
    return file;
}

void Paint(const ReportDocument& document) {
    // A small raster keeps painting cheap; the renderer scales millimetres to it.
    QImage canvas(64, 90, QImage::Format_ARGB32_Premultiplied);
    canvas.setDotsPerMeterX(300);
    canvas.setDotsPerMeterY(300);
    for (const ReportPage& page : document.pages) {
        QPainter painter(&canvas);
        PageRenderer::paintPage(painter, page);
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes =
        WithHeader(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    ReportDocument document;
    try {
        document = PageFile::decode(bytes, QStringLiteral("fuzz.pag"));
    } catch (const ReportError&) {
        return 0;
    }
    Paint(document);
    Check(PageFile::decode(PageFile::encode(document), QStringLiteral("again.pag")) == document);
    return 0;
}
