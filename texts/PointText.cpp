#include "PointText.h"

QString CoordinateText(std::int64_t hundredths, const QLocale& locale) {
    const int decimals = hundredths % 100 == 0 ? 0 : hundredths % 10 == 0 ? 1 : 2;
    QLocale plain = locale;
    plain.setNumberOptions(plain.numberOptions() | QLocale::OmitGroupSeparator);
    return plain.toString(static_cast<double>(hundredths) / HundredthsPerMm, 'f', decimals);
}

QString PointText(TExactPoint p, const QLocale& locale) {
    const QString between = locale.decimalPoint() == QStringLiteral(",") ? QStringLiteral("; ")
                                                                          : QStringLiteral(", ");
    return CoordinateText(p.X, locale) + between + CoordinateText(p.Y, locale);
}
