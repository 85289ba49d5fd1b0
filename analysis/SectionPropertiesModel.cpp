#include "SectionPropertiesModel.h"

#include <QFont>

SectionPropertiesModel::SectionPropertiesModel(QObject* parent)
    : QAbstractTableModel(parent), m_groups(SectionPropertyGroups(TEngineeringResults{})) {}

void SectionPropertiesModel::setGroups(QList<SectionPropertyGroup> groups) {
    m_groups = std::move(groups);
    emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
}

std::pair<int, int> SectionPropertiesModel::locate(int line) const {
    for (int g = 0; g < m_groups.size(); ++g) {
        if (line <= m_groups[g].rows.size())
            return {g, line - 1};
        line -= m_groups[g].rows.size() + 1;
    }
    return {-1, -1};
}

bool SectionPropertiesModel::isTitle(int row) const {
    return locate(row).second < 0;
}

int SectionPropertiesModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid())
        return 0;
    int lines = 0;
    for (const SectionPropertyGroup& group : m_groups)
        lines += 1 + group.rows.size();
    return lines;
}

int SectionPropertiesModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant SectionPropertiesModel::data(const QModelIndex& index, int role) const {
    const auto [g, r] = locate(index.row());
    if (g < 0)
        return {};
    if (r < 0) {
        if (role == Qt::DisplayRole && index.column() == Symbol)
            return m_groups[g].title;
        if (role == Qt::FontRole) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    }
    const SectionPropertyRow& row = m_groups[g].rows[r];
    if (role == Qt::TextAlignmentRole && index.column() == Value)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    // A narrow window cuts the descriptions short; the pointer shows them whole.
    const bool descriptionTip = role == Qt::ToolTipRole && index.column() == Description;
    if (role != Qt::DisplayRole && !descriptionTip)
        return {};
    switch (index.column()) {
    case Symbol:
        return row.symbol;
    case Value:
        return SectionPropertyShownText(row, QLocale());
    case Unit:
        return row.unit;
    case Description:
        return row.note.isEmpty() ? row.name : row.name + QStringLiteral(" (") + row.note + u')';
    default:
        return {};
    }
}

QVariant SectionPropertiesModel::headerData(int section, Qt::Orientation orientation,
                                            int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const QString titles[] = {QStringLiteral("Símbolo"), QStringLiteral("Valor"),
                                     QStringLiteral("Unidade"), QStringLiteral("Descrição")};
    return section >= 0 && section < ColumnCount ? titles[section] : QVariant();
}
