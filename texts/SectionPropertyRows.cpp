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

// A value with the reason given when it is missing. The texts are literals, so that
// building the rows on every change allocates nothing for them.
SectionPropertyRow Row(const QString& symbol, const QString& name, double value,
                       const QString& unit, const QString& note) {
    return {symbol, name, value, unit, QString(), std::isnan(value) ? note : QString()};
}

SectionPropertyGroup ReportGroup(const TEngineeringResults& e, const QString& why) {
    const TSectionResults& s = e.Section;
    const bool ready = e.State == TSectionState::Ready;
    const double nan = TThinWall::Missing;
    auto v = [&](double value) { return ready ? value : nan; };
    const QString weightWhy = ready ? QStringLiteral("densidade fora do alcance") : why;
    return {
        QStringLiteral("Resultados do relatório"),
        {Row(QStringLiteral("Peso"), QStringLiteral("peso por metro"), v(s.Weight()),
             QStringLiteral("kg/m"), weightWhy),
         Row(QStringLiteral("Perímetro"), QStringLiteral("perímetro"), v(s.Perimeter),
             QStringLiteral("mm"), why),
         Row(QStringLiteral("Área"), QStringLiteral("área"), v(s.Area), QStringLiteral("mm2"), why),
         Row(QStringLiteral("Jxc"), QStringLiteral("inércia em torno do eixo horizontal"), v(s.Jxc),
             QStringLiteral("mm4"), why),
         Row(QStringLiteral("Jyc"), QStringLiteral("inércia em torno do eixo vertical"), v(s.Jyc),
             QStringLiteral("mm4"), why),
         Row(QStringLiteral("xg"), QStringLiteral("centro de gravidade, x"), v(s.Xg),
             QStringLiteral("mm"), why),
         Row(QStringLiteral("yg"), QStringLiteral("centro de gravidade, y"), v(s.Yg),
             QStringLiteral("mm"), why),
         Row(QStringLiteral("Wx"), QStringLiteral("módulo resistente, x"), v(s.Wx()),
             QStringLiteral("mm3"), why),
         Row(QStringLiteral("Wy"), QStringLiteral("módulo resistente, y"), v(s.Wy()),
             QStringLiteral("mm3"), why)}};
}

SectionPropertyGroup AxesGroup(const TEngineeringResults& e, const QString& why) {
    // With a section but no bar, only the fibre distances are missing.
    const QString fibreWhy = e.State == TSectionState::Ready ? QStringLiteral("sem barras") : why;
    return {QStringLiteral("Eixos principais"),
            {Row(QStringLiteral("Jxy"), QStringLiteral("produto de inércia (y para cima)"), e.Jxy,
                 QStringLiteral("mm4"), why),
             Row(QStringLiteral("I1"), QStringLiteral("momento principal maior"), e.I1,
                 QStringLiteral("mm4"), why),
             Row(QStringLiteral("I2"), QStringLiteral("momento principal menor"), e.I2,
                 QStringLiteral("mm4"), why),
             Row(QStringLiteral("θ"), QStringLiteral("ângulo do eixo maior, anti-horário"), e.Theta,
                 QStringLiteral("graus"), why),
             Row(QStringLiteral("rx"), QStringLiteral("raio de giração, x"), e.Rx,
                 QStringLiteral("mm"), why),
             Row(QStringLiteral("ry"), QStringLiteral("raio de giração, y"), e.Ry,
                 QStringLiteral("mm"), why),
             Row(QStringLiteral("r1"), QStringLiteral("raio de giração, eixo maior"), e.R1,
                 QStringLiteral("mm"), why),
             Row(QStringLiteral("r2"), QStringLiteral("raio de giração, eixo menor"), e.R2,
                 QStringLiteral("mm"), why),
             Row(QStringLiteral("c esq."), QStringLiteral("fibra extrema à esquerda"), e.FibreLeft,
                 QStringLiteral("mm"), fibreWhy),
             Row(QStringLiteral("c dir."), QStringLiteral("fibra extrema à direita"), e.FibreRight,
                 QStringLiteral("mm"), fibreWhy),
             Row(QStringLiteral("c sup."), QStringLiteral("fibra extrema acima"), e.FibreTop,
                 QStringLiteral("mm"), fibreWhy),
             Row(QStringLiteral("c inf."), QStringLiteral("fibra extrema abaixo"), e.FibreBottom,
                 QStringLiteral("mm"), fibreWhy)}};
}

SectionPropertyGroup TorsionGroup(const TThinWall& w) {
    const QString why = Text(WallNote(w.Wall));
    SectionPropertyRow wall{QStringLiteral("Parede"), QStringLiteral("linha média das barras"),
                            TThinWall::Missing,       QString(),
                            WallWord(w.Wall),         QString()};
    return {QStringLiteral("Torção e empenamento"),
            {wall,
             Row(QStringLiteral("J"), QStringLiteral("constante de torção"), w.J,
                 QStringLiteral("mm4"), Text(TorsionNote(w))),
             Row(QStringLiteral("xs"), QStringLiteral("centro de cisalhamento, x"), w.Xs,
                 QStringLiteral("mm"), why),
             Row(QStringLiteral("ys"), QStringLiteral("centro de cisalhamento, y"), w.Ys,
                 QStringLiteral("mm"), why),
             Row(QStringLiteral("Cw"), QStringLiteral("constante de empenamento"), w.Cw,
                 QStringLiteral("mm6"), why)}};
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
