#include "PageFlow.h"

#include "Report.h"

#include <algorithm>

namespace {
// Band heights are decimal millimetres; their sums are not exact in binary.
constexpr qreal Tolerance = 1e-6;
} // namespace

PageFlow::PageFlow(const Report& report, const QDateTime& runTime) : m_report(report) {
    // Page elements are drawn over the bands; a row beneath them would be lost.
    m_bottom = report.paperSize().height() - report.margins().bottom();
    if (const std::optional<qreal> elements = report.pageElements().elementsTop())
        m_bottom = std::min(m_bottom, *elements);
    m_document.title = report.title();
    m_document.paperSize = report.paperSize();
    m_context.runTime = runTime;
    m_context.locale = report.locale();
}

void PageFlow::place(const ReportBand& band) {
    const qreal top = m_report.margins().top();
    if (m_document.pages.isEmpty()) {
        startPage();
    } else if (m_y + band.height() > m_bottom + Tolerance && m_y > top + Tolerance) {
        endPage();
        startPage();
    }
    band.record(m_document.pages.last(), QPointF(m_report.margins().left(), m_y), m_context);
    m_y += band.height();
}

ReportDocument PageFlow::finish() {
    if (!m_document.pages.isEmpty())
        endPage();
    const QString count = QString::number(m_document.pages.size());
    for (ReportPage& page : m_document.pages)
        for (PageItem& item : page.items)
            item.text.replace(PageCountMark, count);
    return std::move(m_document);
}

void PageFlow::startPage() {
    m_document.pages.append(ReportPage());
    m_context.pageNumber = static_cast<int>(m_document.pages.size());
    m_y = m_report.margins().top();
    if (m_context.pageNumber > 1)
        for (const auto& band : m_report.bands())
            if (band->kind() == ReportBand::Kind::PageHeader)
                printHeader(*band);
}

void PageFlow::printHeader(ReportBand& band) {
    bool printBand = true;
    if (band.beforePrint)
        band.beforePrint(printBand);
    if (!printBand)
        return;
    band.record(m_document.pages.last(), QPointF(m_report.margins().left(), m_y), m_context);
    m_y += band.height();
}

void PageFlow::endPage() {
    m_report.pageElements().record(m_document.pages.last(), QPointF(0, 0), m_context);
}
