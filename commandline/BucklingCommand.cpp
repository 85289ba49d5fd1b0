#include "BucklingCommand.h"

#include "BucklingTexts.h"

namespace {

class Writer {
  public:
    Writer(const TBucklingResult& result, const QLocale& locale)
        : m_result(result), m_locale(locale), m_moment(IsMoment(result.Input.Load)),
          m_unit(m_moment ? QStringLiteral(" N·mm") : QStringLiteral(" N")) {
        m_locale.setNumberOptions(m_locale.numberOptions() | QLocale::OmitGroupSeparator);
    }

    QString number(double value, int decimals) const {
        return m_locale.toString(value, 'f', decimals);
    }
    // P or M with its subscript.
    QString symbol(const char* subscript) const {
        return (m_moment ? QStringLiteral("M") : QStringLiteral("P")) +
               QString::fromUtf8(subscript);
    }
    QString strength(double value) const { return number(value, 0) + m_unit; }

    // "Local: fator 0,3500 em 125,5 mm, Pcrl = 44620 N", or why there is none.
    QString mode(const char* name, const char* subscript, const std::optional<TCurvePoint>& point,
                 const char* missing) const {
        const QString title = QString::fromUtf8(name) + QStringLiteral(": ");
        if (!point)
            return title + QString::fromUtf8(missing);
        return title + QStringLiteral("fator ") + number(point->Factor, 4) +
               QStringLiteral(" em ") + number(point->HalfWave, 1) + QStringLiteral(" mm, ") +
               symbol(subscript) + QStringLiteral(" = ") +
               strength(point->Factor * m_result.Reference);
    }
    QString dsm(const char* subscript, const std::optional<double>& value,
                const char* missing) const {
        return symbol(subscript) + (value ? QStringLiteral(" = ") + strength(*value)
                                          : QStringLiteral(": ") + QString::fromUtf8(missing));
    }

    QStringList lines() const {
        const TBucklingInput& in = m_result.Input;
        const TDirectStrength& s = m_result.Dsm;
        const QString factor = m_moment ? QStringLiteral("b") : QStringLiteral("c");
        QStringList out;
        out << QStringLiteral("Flambagem elástica, carga %1, L = %2 mm, fy = %3 MPa, E = %4 MPa, "
                              "ν = %5")
                   .arg(QString::fromStdString(std::string(LoadName(in.Load))),
                        number(in.Length, 1), number(in.Fy, 1), number(in.E, 0), number(in.Nu, 2));
        if (!m_result.analysed()) {
            out << (m_result.Solver->model().Strips.empty()
                        ? QStringLiteral("Nada a analisar: sem barras")
                        : QStringLiteral("Nada a analisar: todas as barras sobre o eixo do "
                                         "momento"));
            return out;
        }
        out << symbol("y") + QStringLiteral(" = ") + strength(m_result.Reference);
        out << mode("Local", "crl", m_result.Local, "sem mínimo local");
        out << mode("Distorcional", "crd", m_result.Distortional, "sem mínimo distorcional");
        out << mode("Global", "cre", m_result.Global, "sem valor global");
        for (const TCurveMinimum& m : m_result.Curve.Minima)
            if (m.Plateau)
                out << QStringLiteral("Patamar (não é modo): fator ") + number(m.Point.Factor, 4) +
                           QStringLiteral(" em ") + number(m.Point.HalfWave, 1) +
                           QStringLiteral(" mm");
        out << dsm("ne", s.Global, "");
        out << dsm("nl", s.Local, "sem mínimo local");
        out << dsm("nd", s.Distortional, "sem mínimo distorcional");
        out << symbol("n") + QStringLiteral(" = ") + strength(s.Nominal) +
                   QStringLiteral(" (governa: ") + GoverningText(s.Governs) + QLatin1Char(')');
        out << QStringLiteral("φ%1·%2 = %3 (LRFD, φ%1 = %4)")
                   .arg(factor, symbol("n"), strength(s.Design()), number(s.Phi, 2));
        out << QStringLiteral("%2/Ω%1 = %3 (ASD, Ω%1 = %4)")
                   .arg(factor, symbol("n"), strength(s.Allowable()), number(s.Omega, 2));
        return out;
    }

  private:
    const TBucklingResult& m_result;
    QLocale m_locale;
    bool m_moment;
    QString m_unit;
};

} // namespace

TBucklingInput BucklingInput(const TProfile& profile, const BucklingRequest& request) {
    const TMaterial& material = profile.info().Material;
    return {request.load,
            request.length,
            material.E,
            material.Nu,
            request.fy.value_or(material.Fy),
            profile.info().BendRadius};
}

TBucklingResult AnalyseProfile(const TProfile& profile, const BucklingRequest& request) {
    return *AnalyseBuckling(profile.liveObjects(), BucklingInput(profile, request));
}

QStringList BucklingLines(const TBucklingResult& result, const QLocale& locale) {
    return Writer(result, locale).lines();
}
