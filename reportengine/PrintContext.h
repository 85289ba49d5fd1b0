#pragma once

#include <QDateTime>
#include <QLocale>

// What a run knows while it records a band: the system data that elements may print.
struct PrintContext {
    int pageNumber = 0;            // 1 on the first page
    QDateTime runTime;             // when the run started
    QLocale locale = QLocale::c(); // the report's, for the date and time
};
