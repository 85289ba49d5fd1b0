#pragma once

#include <QByteArray>
#include <QString>

#include <string>

// The engine's files go through the program's one safe file layer (FileBytes.h); these
// turn its failures into ReportError. message holds %1 for the path and %2 for the file
// layer's reason, such as "I/O error 28".

// localPath is the name as the system takes it, bytes that need not be UTF-8; "-" is
// standard output.
void WriteReportFile(const std::string& localPath, const QByteArray& bytes, const QString& message);

// A result longer than limit means the file is longer than that (ReadFileBytes).
QByteArray ReadReportFile(const QString& path, qsizetype limit, const QString& message);
