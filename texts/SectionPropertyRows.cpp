#include "SectionPropertyRows.h"

#include "PowerOfTenText.h"
#include "ResultFields.h"

#include <cmath>

namespace {

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

QList<SectionPropertyGroup> SectionPropertyGroups(const TEngineeringResults& results) {
    QList<SectionPropertyGroup> groups;
    for (const ResultGroup& group : ResultGroups()) {
        SectionPropertyGroup shown{Text(group.title), {}};
        for (const std::string_view key : group.keys) {
            const ResultField& field = FindResultField(key);
            const ResultShown result = ShowResult(field, results);
            shown.rows.append({Text(field.symbol), Text(field.description), result.value,
                               Text(field.unit), Text(result.word), Text(result.note)});
            // A weight of zero is a value, but one that a material without a density gave;
            // said beside it, as the print command asks about it.
            if (key == "Weight" && result.value == 0 && results.Section.Density == 0)
                shown.rows.last().note = QStringLiteral("a densidade do material é zero");
        }
        groups.append(std::move(shown));
    }
    return groups;
}

QString SectionPropertyShownText(const SectionPropertyRow& row, const QLocale& locale) {
    if (row.word.isEmpty() && std::isfinite(row.value) && std::abs(row.value) >= PowerOfTenFrom)
        return PowerOfTenText(row.value, locale);
    return SectionPropertyText(row, locale);
}

QStringList WidestShownValues(const QLocale& locale) {
    const SectionPropertyRow plain{{}, {}, -(PowerOfTenFrom - 0.01), {}, {}, {}};
    const SectionPropertyRow power{{}, {}, -9.99e307, {}, {}, {}};
    return {SectionPropertyText(plain, locale), SectionPropertyShownText(power, locale)};
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
