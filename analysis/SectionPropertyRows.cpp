#include "SectionPropertyRows.h"

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
        }
        groups.append(std::move(shown));
    }
    return groups;
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
