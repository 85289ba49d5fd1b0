#include "ReportSystemData.h"

#include "PrintContext.h"

#include <QLocale>
#include <QRegularExpression>

namespace {
// The locale's long time without its time-zone field: Qt's long formats end in a zone name
// ("14:03:22 UTC"), which would push the text, placed for a plain time, off the paper.
QString longTimeWithoutZone(const QLocale& locale, QTime time) {
    static const QRegularExpression zone(QStringLiteral("\\bt+\\b"));
    QString format = locale.timeFormat(QLocale::LongFormat);
    return locale.toString(time, format.remove(zone).simplified());
}
} // namespace

ReportSystemData::ReportSystemData(const QString& name, QPointF position, Data data,
                                   const QFont& font, const QString& pattern)
    : ReportLabel(name, position, pattern, font), m_data(data) {}

QString ReportSystemData::printedText(const PrintContext& context) const {
    if (m_data == Data::PageNumber)
        return QString::number(context.pageNumber);
    if (m_data == Data::PageOfPages)
        return text().arg(context.pageNumber).arg(PageCountMark);
    const QLocale& locale = context.locale;
    return locale.toString(context.runTime.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
           longTimeWithoutZone(locale, context.runTime.time());
}
