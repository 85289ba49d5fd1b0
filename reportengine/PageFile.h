#pragma once

#include "ReportDocument.h"

#include <QByteArray>
#include <QString>

// The engine's own file of produced pages, so that a run can be kept and shown again later.
// Layout: an 8-byte signature, a 16-bit format version, the payload length and its SHA-256,
// then the payload (title, paper size, pages and their drawing operations, images as PNG).
// The checksum lets a damaged file be refused before anything of it is used.
class PageFile {
  public:
    static constexpr quint16 Version = 1;

    // Replaces the file at path atomically. Throws ReportError when it cannot be written.
    static void save(const ReportDocument& document, const QString& path);

    // Throws ReportError, naming the file, when it cannot be read, is not a page file, has
    // a version this program does not read, or is damaged.
    static ReportDocument load(const QString& path);

    // The same on bytes in memory; path only names the file in messages.
    static QByteArray encode(const ReportDocument& document);
    static ReportDocument decode(const QByteArray& bytes, const QString& path);
};
