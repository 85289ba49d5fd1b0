#include "BucklingTexts.h"

#include <cmath>

namespace {

// Numbers a spreadsheet and a reader both take: no thousands separator.
QLocale Plain(QLocale locale) {
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale;
}

// The engine's loads are in N and its moments in N·mm.
QString StrengthText(double value, bool moment, const QLocale& locale) {
    if (!std::isfinite(value))
        return QStringLiteral("—");
    return locale.toString(value / (moment ? 1e6 : 1e3), 'f', 2);
}

} // namespace

QString GoverningText(TGoverningMode mode) {
    switch (mode) {
    case TGoverningMode::Global:
        return QStringLiteral("global");
    case TGoverningMode::Local:
        return QStringLiteral("local");
    case TGoverningMode::Distortional:
        return QStringLiteral("distorcional");
    case TGoverningMode::Yield:
        break;
    }
    return QStringLiteral("escoamento");
}

QList<BucklingCurveMark> BucklingCurveMarks(const TBucklingResult& result) {
    QList<BucklingCurveMark> marks;
    if (result.Local)
        marks.append({QStringLiteral("Local"), *result.Local});
    if (result.Distortional)
        marks.append({QStringLiteral("Distorcional"), *result.Distortional});
    if (result.Global && std::isfinite(result.Global->Factor))
        marks.append({QStringLiteral("Global"), *result.Global});
    return marks;
}

QString BucklingMarkText(const BucklingCurveMark& mark, const QLocale& userLocale) {
    const QLocale locale = Plain(userLocale);
    return QStringLiteral("%1 %2 (%3 mm)")
        .arg(mark.name, locale.toString(mark.point.Factor, 'f', 3),
             locale.toString(mark.point.HalfWave, 'f', 0));
}

QString BucklingLoadText(TBucklingLoad load) {
    switch (load) {
    case TBucklingLoad::P:
        return QStringLiteral("P");
    case TBucklingLoad::Mx:
        return QStringLiteral("+Mx");
    case TBucklingLoad::MinusMx:
        return QStringLiteral("−Mx");
    case TBucklingLoad::My:
        return QStringLiteral("+My");
    case TBucklingLoad::MinusMy:
        break;
    }
    return QStringLiteral("−My");
}

QList<DirectStrengthRow> DirectStrengthRows(const TBucklingResult& result,
                                            const QLocale& userLocale) {
    const QLocale locale = Plain(userLocale);
    const bool moment = IsMoment(result.Input.Load);
    const QString s = moment ? QStringLiteral("M") : QStringLiteral("P");
    const QString unit = moment ? QStringLiteral("kN·m") : QStringLiteral("kN");
    const QString c = moment ? QStringLiteral("b") : QStringLiteral("c");
    const TDirectStrength& dsm = result.Dsm;
    const auto strength = [&](const std::optional<double>& value, const QString& missing) {
        return value ? StrengthText(*value, moment, locale) : missing;
    };
    return {
        {s + QStringLiteral("y"), QStringLiteral("resistência ao escoamento"),
         StrengthText(dsm.Yield, moment, locale), unit},
        {s + QStringLiteral("ne"), QStringLiteral("resistência nominal, modo global"),
         StrengthText(dsm.Global, moment, locale), unit},
        {s + QStringLiteral("nℓ"), QStringLiteral("resistência nominal, modo local"),
         strength(dsm.Local, QStringLiteral("sem mínimo local")), dsm.Local ? unit : QString()},
        {s + QStringLiteral("nd"), QStringLiteral("resistência nominal, modo distorcional"),
         strength(dsm.Distortional, QStringLiteral("sem mínimo distorcional")),
         dsm.Distortional ? unit : QString()},
        {s + QStringLiteral("n"), QStringLiteral("resistência nominal"),
         StrengthText(dsm.Nominal, moment, locale), unit},
        {QStringLiteral("Modo"), QStringLiteral("modo governante"), GoverningText(dsm.Governs),
         QString()},
        {QStringLiteral("φ%1·%2n").arg(c, s), QStringLiteral("resistência de cálculo (LRFD)"),
         StrengthText(dsm.Design(), moment, locale), unit},
        {QStringLiteral("%1n/Ω%2").arg(s, c), QStringLiteral("resistência admissível (ASD)"),
         StrengthText(dsm.Allowable(), moment, locale), unit},
    };
}

QString SignatureCurveTabText(const TSignatureCurve& curve, const QLocale& userLocale) {
    const QLocale locale = Plain(userLocale);
    QString text = QStringLiteral("Meia-onda (mm)\tFator de carga\n");
    for (const TCurvePoint& p : curve.Points)
        text += QStringLiteral("%1\t%2\n")
                    .arg(locale.toString(p.HalfWave, 'g', 6), locale.toString(p.Factor, 'g', 6));
    return text;
}
