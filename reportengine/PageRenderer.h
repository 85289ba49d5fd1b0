#pragma once

#include "ReportDocument.h"

class QPainter;
class QPagedPaintDevice;

// Replays page recordings on a painter: the one place where recorded pages become pixels,
// printer output or PDF. Fonts are sized by the device's own resolution, so text has the
// same size in millimetres everywhere.
class PageRenderer {
  public:
    // Gives device the document's paper size with no margins, so that its painting origin is
    // the paper's top-left corner. Call before a painter is begun on it.
    static void preparePages(QPagedPaintDevice& device, const ReportDocument& document);

    // Paints every page of document on painter (begun on device), one device page each.
    static void paintDocument(QPainter& painter, QPagedPaintDevice& device,
                              const ReportDocument& document);

    // Paints one page with the paper's top-left corner at the painter's origin.
    static void paintPage(QPainter& painter, const ReportPage& page);
};
