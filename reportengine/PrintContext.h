#pragma once

#include <QDateTime>
#include <QLocale>

// Stands for the number of pages in the texts of a run's pages until the run has ended and
// the number is known; a noncharacter, so never part of a text of its own.
inline constexpr QChar PageCountMark = QChar(0xFFFF);

// What a run knows while it records a band: the system data that elements may print.
struct PrintContext {
    int pageNumber = 0;            // 1 on the first page
    QDateTime runTime;             // when the run started
    QLocale locale = QLocale::c(); // the report's, for the date and time
};
