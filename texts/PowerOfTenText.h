#pragma once

#include <QLocale>
#include <QString>

// value as three significant digits times a written power of ten, with the locale's
// decimal separator: 6750000000 gives "6,75·10⁹" under a decimal comma. value must be
// finite and not zero.
QString PowerOfTenText(double value, const QLocale& locale);
