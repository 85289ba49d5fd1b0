#include "SectionPropertyRows.h"

#include <cmath>

namespace {

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString WallWord(TWallKind wall) {
    switch (wall) {
    case TWallKind::Open:
        return QStringLiteral("aberta");
    case TWallKind::Closed:
        return QStringLiteral("fechada");
    case TWallKind::MultiCell:
        return QStringLiteral("várias células");
    case TWallKind::Disconnected:
        return QStringLiteral("partes separadas");
    case TWallKind::None:
        break;
    }
    return QStringLiteral("nenhuma");
}

// A value with the reason given when it is missing: the row's own reason, or else the
// section's.
SectionPropertyRow Row(const char* symbol, const char* name, double value, const char* unit,
                       const QString& note) {
    return {QString::fromUtf8(symbol), QString::fromUtf8(name), value, QString::fromUtf8(unit),
            QString(), std::isnan(value) ? note : QString()};
}

SectionPropertyGroup ReportGroup(const TEngineeringResults& e, const QString& why) {
    const TSectionResults& s = e.Section;
    const bool ready = e.State == TSectionState::Ready;
    const double nan = TThinWall::Missing;
    auto v = [&](double value) { return ready ? value : nan; };
    const QString weightWhy = ready ? QStringLiteral("densidade fora do alcance") : why;
    return {QStringLiteral("Resultados do relatório"),
            {Row("Peso", "peso por metro", v(s.Weight()), "kg/m", weightWhy),
             Row("Perímetro", "perímetro", v(s.Perimeter), "mm", why),
             Row("Área", "área", v(s.Area), "mm2", why),
             Row("Jxc", "inércia em torno do eixo horizontal", v(s.Jxc), "mm4", why),
             Row("Jyc", "inércia em torno do eixo vertical", v(s.Jyc), "mm4", why),
             Row("xg", "centro de gravidade, x", v(s.Xg), "mm", why),
             Row("yg", "centro de gravidade, y", v(s.Yg), "mm", why),
             Row("Wx", "módulo resistente, x", v(s.Wx()), "mm3", why),
             Row("Wy", "módulo resistente, y", v(s.Wy()), "mm3", why)}};
}

SectionPropertyGroup AxesGroup(const TEngineeringResults& e, const QString& why) {
    // With a section but no bar, only the fibre distances are missing.
    const QString fibreWhy = e.State == TSectionState::Ready ? QStringLiteral("sem barras") : why;
    return {QStringLiteral("Eixos principais"),
            {Row("Jxy", "produto de inércia (y para cima)", e.Jxy, "mm4", why),
             Row("I1", "momento principal maior", e.I1, "mm4", why),
             Row("I2", "momento principal menor", e.I2, "mm4", why),
             Row("θ", "ângulo do eixo maior, anti-horário", e.Theta, "graus", why),
             Row("rx", "raio de giração, x", e.Rx, "mm", why),
             Row("ry", "raio de giração, y", e.Ry, "mm", why),
             Row("r1", "raio de giração, eixo maior", e.R1, "mm", why),
             Row("r2", "raio de giração, eixo menor", e.R2, "mm", why),
             Row("c esq.", "fibra extrema à esquerda", e.FibreLeft, "mm", fibreWhy),
             Row("c dir.", "fibra extrema à direita", e.FibreRight, "mm", fibreWhy),
             Row("c sup.", "fibra extrema acima", e.FibreTop, "mm", fibreWhy),
             Row("c inf.", "fibra extrema abaixo", e.FibreBottom, "mm", fibreWhy)}};
}

SectionPropertyGroup TorsionGroup(const TThinWall& w) {
    const QString why = Text(WallNote(w.Wall));
    SectionPropertyRow wall{QStringLiteral("Parede"), QStringLiteral("linha média das barras"),
                            TThinWall::Missing, QString(), WallWord(w.Wall), QString()};
    return {QStringLiteral("Torção e empenamento"),
            {wall, Row("J", "constante de torção", w.J, "mm4", Text(TorsionNote(w))),
             Row("xs", "centro de cisalhamento, x", w.Xs, "mm", why),
             Row("ys", "centro de cisalhamento, y", w.Ys, "mm", why),
             Row("Cw", "constante de empenamento", w.Cw, "mm6", why)}};
}

} // namespace

QList<SectionPropertyGroup> SectionPropertyGroups(const TEngineeringResults& results) {
    const QString why = Text(SectionNote(results));
    return {ReportGroup(results, why), AxesGroup(results, why), TorsionGroup(results.Wall)};
}

QString SectionPropertyText(const SectionPropertyRow& row, const QLocale& locale) {
    if (!row.word.isEmpty())
        return row.word;
    if (!std::isfinite(row.value))
        return QStringLiteral("—");
    QLocale plain = locale;
    plain.setNumberOptions(plain.numberOptions() | QLocale::OmitGroupSeparator);
    return plain.toString(row.value, 'f', 2);
}

QString SectionPropertiesTabText(const QList<SectionPropertyGroup>& groups, const QLocale& locale) {
    QString text;
    for (const SectionPropertyGroup& group : groups) {
        text += group.title + QLatin1Char('\n');
        for (const SectionPropertyRow& row : group.rows)
            text += QStringList{row.symbol, SectionPropertyText(row, locale), row.unit, row.name,
                                row.note}
                        .join(QLatin1Char('\t')) +
                    QLatin1Char('\n');
    }
    return text;
}
