#pragma once

#include "ReportDocument.h"

#include <QByteArray>

#include <string>

// Produced pages as a PDF with vector text.
class PdfExporter {
  public:
    // The whole PDF, made in memory. Throws ReportError when the document has no page or
    // the PDF generator does not start.
    static QByteArray render(const ReportDocument& document);

    // Renders, then writes the PDF to localPath (the name's bytes as the system takes
    // them; "-" is standard output) through the safe file writing of FileBytes.h: either
    // the whole new PDF is there afterwards or the old file (if any) is untouched.
    // Throws ReportError with a readable message when the PDF cannot be made or written.
    static void write(const ReportDocument& document, const std::string& localPath);
};
