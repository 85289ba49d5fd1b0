#pragma once

#include "SectionPropertyRows.h"

#include <QAbstractTableModel>

// The properties as a table: a title line per group, then a line per property with its
// symbol, value, unit and description (the reason after it when the value is missing).
// Texts are made when the view asks for them, so that a refresh costs little more than
// the calculation.
class SectionPropertiesModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    enum Column { Symbol, Value, Unit, Description, ColumnCount };

    explicit SectionPropertiesModel(QObject* parent = nullptr);

    // Takes new values; the layout of lines never changes.
    void setGroups(QList<SectionPropertyGroup> groups);
    const QList<SectionPropertyGroup>& groups() const { return m_groups; }

    // True for a group's title line.
    bool isTitle(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

  private:
    // The group and the row in it for a table line; row -1 for the title.
    std::pair<int, int> locate(int line) const;

    QList<SectionPropertyGroup> m_groups;
};
