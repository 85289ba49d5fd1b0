#include "PageFile.h"

#include "ReportError.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDataStream>
#include <QFile>
#include <QSaveFile>

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

std::optional<PageItem> readItem(QDataStream& in) {
    PageItem item;
    quint8 kind = 0;
    QByteArray image;
    in >> kind >> item.frame >> item.color >> item.fill >> item.penWidth >> item.dashed >>
        item.text >> item.fontFamily >> item.pointSize >> item.bold >> image >> item.imageSize;
    if (in.status() != QDataStream::Ok || kind < 1 || kind > 4)
        return std::nullopt;
    item.kind = static_cast<PageItem::Kind>(kind);
    if (!image.isEmpty()) {
        item.image = QImage::fromData(image, "PNG").convertToFormat(QImage::Format_ARGB32);
        if (item.image.isNull())
            return std::nullopt;
    }
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

// Every count is checked against what is left, so a hostile count cannot make us allocate.
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
    if (in.status() != QDataStream::Ok || !in.atEnd() || !document.paperSize.isValid())
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
    QSaveFile file(path);
    const QByteArray bytes = encode(document);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw ReportError(QStringLiteral("Não foi possível gravar o arquivo de páginas \"%1\": %2.")
                              .arg(path, file.errorString()));
}

ReportDocument PageFile::load(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ReportError(QStringLiteral("Não foi possível abrir o arquivo de páginas \"%1\": %2.")
                              .arg(path, file.errorString()));
    if (file.size() > MaxFileSize)
        throw ReportError(
            QStringLiteral("O arquivo \"%1\" é grande demais para um arquivo de páginas.")
                .arg(path));
    return decode(file.readAll(), path);
}
