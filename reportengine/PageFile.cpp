#include "PageFile.h"

#include "ReportError.h"
#include "ReportFileBytes.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDataStream>
#include <QFile>
#include <QImageReader>

#include <cmath>
#include <optional>

namespace {

const QByteArray Signature("RPTPAGES", 8);
constexpr auto StreamVersion = QDataStream::Qt_6_0;
constexpr int HashSize = 32;
constexpr int HeaderSize = 8 + 2 + 8 + HashSize;
constexpr qint64 MaxFileSize = 256LL * 1024 * 1024;

QByteArray checksum(const QByteArray& payload) {
    return QCryptographicHash::hash(payload, QCryptographicHash::Sha256);
}

QByteArray png(const QImage& image) {
    QByteArray bytes;
    if (image.isNull())
        return bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

void writeItem(QDataStream& out, const PageItem& item) {
    out << static_cast<quint8>(item.kind) << item.frame << item.color << item.fill << item.penWidth
        << item.dashed << item.text << item.fontFamily << item.pointSize << item.bold
        << png(item.image) << item.imageSize;
}

// Bounds on what a page file may ask of the painter: lengths on paper and font sizes that
// no report uses but that keep every later conversion to device pixels in range.
constexpr qreal MaxLength = 100000; // mm
constexpr qreal MaxPointSize = 1000;
constexpr int MaxImageSide = 20000; // pixels
constexpr qsizetype MaxFamilyLength = 256;
constexpr qsizetype MaxTextLength = 65536;
constexpr int ColorStreamSize = 1 + 5 * 2; // type, then alpha, red, green, blue, padding

bool inRange(qreal value, qreal low, qreal high) {
    return std::isfinite(value) && value >= low && value <= high;
}

bool isSane(const QRectF& r) {
    return inRange(r.x(), -MaxLength, MaxLength) && inRange(r.y(), -MaxLength, MaxLength) &&
           inRange(r.width(), -MaxLength, MaxLength) && inRange(r.height(), -MaxLength, MaxLength);
}

bool isSane(const QSizeF& s) {
    return inRange(s.width(), -MaxLength, MaxLength) && inRange(s.height(), -MaxLength, MaxLength);
}

// The colour's type byte is checked before QColor sees it: an unknown type would be kept
// as an out-of-range enum. Extended RGB is refused too: its half floats may be NaN.
std::optional<QColor> readColor(QDataStream& in) {
    QByteArray raw(ColorStreamSize, '\0');
    if (in.readRawData(raw.data(), ColorStreamSize) != ColorStreamSize)
        return std::nullopt;
    const auto type = static_cast<qint8>(raw[0]);
    if (type < QColor::Invalid || type > QColor::Hsl)
        return std::nullopt;
    QColor color;
    QDataStream bytes(raw);
    bytes.setVersion(StreamVersion);
    bytes >> color;
    return color;
}

std::optional<QImage> readImage(const QByteArray& png) {
    if (png.isEmpty())
        return QImage();
    QBuffer buffer;
    buffer.setData(png);
    QImageReader reader(&buffer, "PNG");
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > MaxImageSide || size.height() > MaxImageSide)
        return std::nullopt;
    const QImage image = reader.read().convertToFormat(QImage::Format_ARGB32);
    if (image.isNull())
        return std::nullopt;
    return image;
}

bool isSane(const PageItem& item) {
    const bool text = item.kind == PageItem::Kind::Text;
    return isSane(item.frame) && isSane(item.imageSize) && inRange(item.penWidth, 0, MaxLength) &&
           inRange(item.pointSize, text ? 0.01 : 0, MaxPointSize) &&
           item.fontFamily.size() <= MaxFamilyLength && item.text.size() <= MaxTextLength;
}

std::optional<PageItem> readItem(QDataStream& in) {
    PageItem item;
    quint8 kind = 0;
    QByteArray image;
    in >> kind >> item.frame;
    const std::optional<QColor> color = readColor(in);
    const std::optional<QColor> fill = readColor(in);
    in >> item.penWidth >> item.dashed >> item.text >> item.fontFamily >> item.pointSize >>
        item.bold >> image >> item.imageSize;
    if (in.status() != QDataStream::Ok || !color || !fill || kind < 1 || kind > 4)
        return std::nullopt;
    item.kind = static_cast<PageItem::Kind>(kind);
    item.color = *color;
    item.fill = *fill;
    std::optional<QImage> decoded = readImage(image);
    if (!decoded || !isSane(item))
        return std::nullopt;
    item.image = *decoded;
    return item;
}

QByteArray encodePayload(const ReportDocument& document) {
    QByteArray payload;
    QDataStream out(&payload, QIODevice::WriteOnly);
    out.setVersion(StreamVersion);
    out << document.title << document.paperSize << static_cast<quint32>(document.pages.size());
    for (const ReportPage& page : document.pages) {
        out << static_cast<quint32>(page.items.size());
        for (const PageItem& item : page.items)
            writeItem(out, item);
    }
    return payload;
}

// No count reserves memory: a hostile count only makes the stream run dry, which refuses it.
std::optional<ReportDocument> decodePayload(const QByteArray& payload) {
    QDataStream in(payload);
    in.setVersion(StreamVersion);
    ReportDocument document;
    quint32 pageCount = 0;
    in >> document.title >> document.paperSize >> pageCount;
    for (quint32 p = 0; p < pageCount && in.status() == QDataStream::Ok; ++p) {
        ReportPage page;
        quint32 itemCount = 0;
        in >> itemCount;
        for (quint32 i = 0; i < itemCount && in.status() == QDataStream::Ok; ++i) {
            std::optional<PageItem> item = readItem(in);
            if (!item)
                return std::nullopt;
            page.items.append(*item);
        }
        document.pages.append(page);
    }
    if (in.status() != QDataStream::Ok || !in.atEnd() || !isSane(document.paperSize) ||
        document.paperSize.isEmpty())
        return std::nullopt;
    return document;
}

ReportError damaged(const QString& path) {
    return ReportError(QStringLiteral("O arquivo de páginas \"%1\" está danificado.").arg(path));
}

} // namespace

QByteArray PageFile::encode(const ReportDocument& document) {
    const QByteArray payload = encodePayload(document);
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(StreamVersion);
    out.writeRawData(Signature.constData(), Signature.size());
    out << Version << static_cast<quint64>(payload.size());
    const QByteArray hash = checksum(payload);
    out.writeRawData(hash.constData(), hash.size());
    out.writeRawData(payload.constData(), payload.size());
    return bytes;
}

ReportDocument PageFile::decode(const QByteArray& bytes, const QString& path) {
    if (!bytes.startsWith(Signature))
        throw ReportError(
            QStringLiteral("O arquivo \"%1\" não é um arquivo de páginas de relatório.").arg(path));
    if (bytes.size() < HeaderSize)
        throw damaged(path);
    QDataStream in(bytes);
    in.setVersion(StreamVersion);
    in.skipRawData(Signature.size());
    quint16 version = 0;
    quint64 payloadSize = 0;
    in >> version >> payloadSize;
    if (version != Version)
        throw ReportError(
            QStringLiteral("O arquivo de páginas \"%1\" tem a versão %2, que este programa não lê.")
                .arg(path)
                .arg(version));
    const QByteArray hash = bytes.mid(HeaderSize - HashSize, HashSize);
    const QByteArray payload = bytes.mid(HeaderSize);
    if (payloadSize != static_cast<quint64>(payload.size()) || checksum(payload) != hash)
        throw damaged(path);
    std::optional<ReportDocument> document = decodePayload(payload);
    if (!document)
        throw damaged(path);
    return *document;
}

void PageFile::save(const ReportDocument& document, const QString& path) {
    WriteReportFile(QFile::encodeName(path).toStdString(), encode(document),
                    QStringLiteral("Não foi possível gravar o arquivo de páginas \"%1\": %2."));
}

ReportDocument PageFile::load(const QString& path) {
    const QByteArray bytes =
        ReadReportFile(path, MaxFileSize,
                       QStringLiteral("Não foi possível abrir o arquivo de páginas \"%1\": %2."));
    if (bytes.size() > MaxFileSize)
        throw ReportError(
            QStringLiteral("O arquivo \"%1\" é grande demais para um arquivo de páginas.")
                .arg(path));
    return decode(bytes, path);
}
