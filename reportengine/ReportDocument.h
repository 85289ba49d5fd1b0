#pragma once

#include "ReportPage.h"

#include <QList>
#include <QSizeF>
#include <QString>

// The pages one run of a report produced, with what is needed to show, print or save them
// without the report itself. An empty page list is a run that produced nothing.
struct ReportDocument {
    QString title;
    QSizeF paperSize{210.0, 297.0}; // mm, width x height
    QList<ReportPage> pages;

    friend bool operator==(const ReportDocument&, const ReportDocument&) = default;
};
