#pragma once

#include "ReportBand.h"
#include "ReportDocument.h"

#include <QLocale>
#include <QMarginsF>
#include <QSizeF>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

// A banded report: page setup in millimetres, bands in their order and page elements. run()
// produces the pages as recordings, calling the callbacks on the caller's thread:
//  1. beforePrint(printReport) once; leaving printReport false produces no page.
//  2. needData(moreData) with moreData true; false means no data: no page at all. Otherwise
//     the title bands print once, then per record: the detail bands, then each sub-detail band
//     in order (see ReportBand); then needData is called with moreData false, and the records
//     go on while it answers true. Without needData the report has exactly one record.
//  3. Bands flow down from the top margin; a band that does not fit above the bottom margin,
//     or above the highest page element, starts a new page, which the page header bands head.
//     The page elements are drawn at the end of every page.
// The report owns its bands; references to them stay valid as long as the report. Runs must
// not overlap (a callback must not start another run).
class Report {
  public:
    explicit Report(const QString& title);
    Report(const Report&) = delete;
    Report& operator=(const Report&) = delete;

    const QString& title() const { return m_title; }
    QSizeF paperSize() const { return m_paperSize; }
    void setPaperSize(QSizeF size) { m_paperSize = size; }
    QMarginsF margins() const { return m_margins; }
    void setMargins(const QMarginsF& margins) { m_margins = margins; }
    // The locale of the system data (date and time); C unless set.
    const QLocale& locale() const { return m_locale; }
    void setLocale(const QLocale& locale) { m_locale = locale; }

    // Appends a band after the existing ones.
    ReportBand& addBand(const QString& name, ReportBand::Kind kind, qreal height);
    const std::vector<std::unique_ptr<ReportBand>>& bands() const { return m_bands; }
    // The band with this name, or nullptr.
    ReportBand* band(const QString& name) const;

    // Elements placed on the paper itself, positioned from the paper's top-left corner.
    ReportBand& pageElements() { return m_pageElements; }
    const ReportBand& pageElements() const { return m_pageElements; }

    std::function<void(bool& printReport)> beforePrint;
    std::function<void(bool& moreData)> needData;

    ReportDocument run();

  private:
    bool nextRecord(bool first);
    void printRecord(class PageFlow& flow);
    void printBands(PageFlow& flow, ReportBand::Kind kind);
    void printSubDetail(PageFlow& flow, ReportBand& band);
    static void printBand(PageFlow& flow, ReportBand& band);

    QString m_title;
    QSizeF m_paperSize{210.0, 297.0};
    QMarginsF m_margins{10.0, 10.0, 10.0, 10.0};
    QLocale m_locale = QLocale::c();
    std::vector<std::unique_ptr<ReportBand>> m_bands;
    ReportBand m_pageElements;
};
