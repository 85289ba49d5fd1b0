#pragma once

#include "ExactPoint.h"

#include <QLocale>
#include <QString>

// A coordinate in millimetres as the user reads it: whole millimetres without decimals,
// fractions with the one or two that they need, the locale's decimal separator and no
// group separator ("175", "175,2", "175,25" with a decimal comma).
QString CoordinateText(std::int64_t hundredths, const QLocale& locale);

// A point as "X; Y" where the locale's decimal separator is a comma, so that a point never
// reads as one number, and as "X, Y" otherwise.
QString PointText(TExactPoint p, const QLocale& locale);
