#include "Report.h"

#include "PageFlow.h"

#include <QDateTime>

Report::Report(const QString& title)
    : m_title(title), m_pageElements(QStringLiteral("PageElements"), ReportBand::Kind::Page, 0) {}

ReportBand& Report::addBand(const QString& name, ReportBand::Kind kind, qreal height) {
    m_bands.push_back(std::make_unique<ReportBand>(name, kind, height));
    return *m_bands.back();
}

ReportBand* Report::band(const QString& name) const {
    for (const auto& band : m_bands)
        if (band->name() == name)
            return band.get();
    return nullptr;
}

ReportDocument Report::run() {
    PageFlow flow(*this, QDateTime::currentDateTime());
    bool printReport = true;
    if (beforePrint)
        beforePrint(printReport);
    if (!printReport || !nextRecord(true))
        return flow.finish();
    printBands(flow, ReportBand::Kind::Title);
    do {
        printRecord(flow);
    } while (nextRecord(false));
    return flow.finish();
}

bool Report::nextRecord(bool first) {
    bool moreData = first;
    if (needData)
        needData(moreData);
    return moreData;
}

void Report::printRecord(PageFlow& flow) {
    printBands(flow, ReportBand::Kind::Detail);
    for (const auto& band : m_bands)
        if (band->kind() == ReportBand::Kind::SubDetail)
            printSubDetail(flow, *band);
}

void Report::printBands(PageFlow& flow, ReportBand::Kind kind) {
    for (const auto& band : m_bands)
        if (band->kind() == kind)
            printBand(flow, *band);
}

void Report::printSubDetail(PageFlow& flow, ReportBand& band) {
    if (!band.needData) {
        if (band.printWhenEmpty)
            printBand(flow, band);
        return;
    }
    bool moreData = true;
    band.needData(moreData);
    while (moreData) {
        printBand(flow, band);
        moreData = false;
        band.needData(moreData);
    }
}

void Report::printBand(PageFlow& flow, ReportBand& band) {
    bool printBand = true;
    if (band.beforePrint)
        band.beforePrint(printBand);
    if (printBand)
        flow.place(band);
}
