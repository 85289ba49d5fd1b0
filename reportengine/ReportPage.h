#pragma once

#include "PageItem.h"

#include <QList>

// The recording of one produced page: its drawing operations in painting order.
struct ReportPage {
    QList<PageItem> items;

    friend bool operator==(const ReportPage&, const ReportPage&) = default;
};
