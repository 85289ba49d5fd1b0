#include "ReportTexts.h"

#include "PointText.h"

#include <QFileInfo>

#include <cmath>

namespace {

const QString NotANumber = QStringLiteral("—");

QLocale withoutGroups(QLocale locale) {
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale;
}

QString resultLine(const char* prefix, double value, const char* unit, const QLocale& locale) {
    return QString::fromUtf8(prefix) + ReportTexts::fixed8(value, locale) + QString::fromUtf8(unit);
}

} // namespace

QString ReportTexts::fixed8(double value, const QLocale& locale) {
    const QString number =
        std::isfinite(value) ? withoutGroups(locale).toString(value, 'f', 2) : NotANumber;
    return number.rightJustified(8, QLatin1Char(' '));
}

QStringList ReportTexts::sectionResults(const TSectionResults& r, const QLocale& locale) {
    return {
        resultLine("Peso: ", r.Weight(), " kg/m", locale),
        resultLine("Perímetro: ", r.Perimeter, " mm", locale),
        resultLine("Área: ", r.Area, " mm2", locale),
        resultLine("jxc: ", r.Jxc, " mm4", locale),
        resultLine("jyc: ", r.Jyc, " mm4", locale),
        resultLine("xg: ", r.Xg, " mm", locale),
        resultLine("yg: ", r.Yg, " mm", locale),
        resultLine("wx: ", r.Wx(), " mm3", locale),
        resultLine("wy: ", r.Wy(), " mm3", locale),
    };
}

QString ReportTexts::thickness(double millimetres, const QLocale& locale) {
    if (!std::isfinite(millimetres))
        return NotANumber;
    return withoutGroups(locale).toString(millimetres, 'g', 15);
}

QString ReportTexts::profileName(const std::string& name, const QString& fileName) {
    QString shown = QString::fromStdString(name);
    if (shown.isEmpty())
        shown = QFileInfo(fileName).completeBaseName();
    if (shown.isEmpty())
        shown = QStringLiteral("XXXXXXXXXXXXX");
    return QStringLiteral("Nome do perfil: ") + shown;
}

QString ReportTexts::bends(double innerRadius, const QLocale& locale) {
    if (!(innerRadius > 0))
        return {};
    return QStringLiteral("dobras com raio interno %1 mm").arg(thickness(innerRadius, locale));
}

QStringList ReportTexts::barTexts(const TProfileObject& bar, const QLocale& locale) {
    return {QString::number(bar.Number), PointText(ExactPoint(bar, TEnd::P1), locale),
            PointText(ExactPoint(bar, TEnd::P2), locale), thickness(bar.Thickness, locale)};
}

QStringList ReportTexts::appendixTexts(const TProfileObject& appendix, const QLocale& locale) {
    return {QString::number(appendix.Number), PointText(ExactPoint(appendix, TEnd::P1), locale),
            thickness(appendix.Thickness, locale)};
}
