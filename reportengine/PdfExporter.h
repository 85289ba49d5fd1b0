#pragma once

#include "ReportDocument.h"

#include <QString>

// Writes produced pages as a PDF with vector text. The file at path is replaced atomically:
// either the whole new PDF is there afterwards or the old file (if any) is untouched.
class PdfExporter {
  public:
    // Throws ReportError with a readable message when the document has no page or the file
    // cannot be written.
    static void write(const ReportDocument& document, const QString& path);
};
