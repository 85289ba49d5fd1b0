#include "SharpCornerText.h"

#include "Bends.h"
#include "PointText.h"

QStringList SharpCornerNotices(std::span<const TExactPoint> corners, const QLocale& locale) {
    QStringList lines;
    for (const TExactPoint& corner : corners)
        lines << QString::fromStdString(SharpCornerNotice(PointText(corner, locale).toStdString()));
    return lines;
}
