#include "LocaleText.h"

#include <QLocale>

char DecimalSeparator() {
    const QString point = QLocale().decimalPoint();
    if (point.size() != 1 || point.front().unicode() > 0x7f)
        return '.';
    return point.front().toLatin1();
}

QString ThicknessText(int tenths) {
    return QLocale().toString(tenths / 10.0, 'g', 15) + QStringLiteral(" mm");
}
