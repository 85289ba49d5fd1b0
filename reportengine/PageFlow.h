#pragma once

#include "PrintContext.h"
#include "ReportDocument.h"

class Report;
class ReportBand;

// The page layout of one run: places bands one below the other from the top margin, opens a
// new page when a band does not fit above the bottom margin or the highest page element (a
// band taller than the usable height still gets a page of its own, overflowing it, rather
// than looping), heads every page after the first with the page header bands, and draws the
// page elements when a page ends.
class PageFlow {
  public:
    PageFlow(const Report& report, const QDateTime& runTime);

    void place(const ReportBand& band);

    // Ends the last page and hands over the produced pages.
    ReportDocument finish();

  private:
    void startPage();
    void printHeader(ReportBand& band);
    void endPage();

    const Report& m_report;
    ReportDocument m_document;
    PrintContext m_context;
    qreal m_y = 0;      // paper position (mm) where the next band goes
    qreal m_bottom = 0; // no band reaches below this paper position (mm)
};
