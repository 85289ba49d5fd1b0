#include "ReportFileBytes.h"

#include "FileBytes.h"
#include "PerfilError.h"
#include "ReportError.h"

#include <QFile>

namespace {

[[noreturn]] void Fail(const std::string& localPath, const QString& message,
                       const PerfilError& error) {
    throw ReportError(message.arg(QFile::decodeName(QByteArray::fromStdString(localPath)),
                                  QString::fromUtf8(error.what())));
}

} // namespace

void WriteReportFile(const std::string& localPath, const QByteArray& bytes,
                     const QString& message) {
    try {
        WriteFileBytes(localPath, {reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                   static_cast<std::size_t>(bytes.size())});
    } catch (const PerfilError& error) {
        Fail(localPath, message, error);
    }
}

QByteArray ReadReportFile(const QString& path, qsizetype limit, const QString& message) {
    const std::string localPath = QFile::encodeName(path).toStdString();
    try {
        const std::vector<std::uint8_t> bytes =
            ReadFileBytes(localPath, static_cast<std::size_t>(limit));
        return QByteArray(reinterpret_cast<const char*>(bytes.data()),
                          static_cast<qsizetype>(bytes.size()));
    } catch (const PerfilError& error) {
        Fail(localPath, message, error);
    }
}
