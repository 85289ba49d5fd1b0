#pragma once

#include "SectionChoice.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QDoubleSpinBox;
class QFormLayout;
class QLabel;

// "Perfil padronizado": a section type from the list, a field for each of its outer
// dimensions, the inner bend radius (the thickness until the user sets another) and the
// orientation; the name the profile will get is shown as the fields change, or why no
// section can be made of them, and OK waits for a section that can.
class StandardSectionDialog : public QDialog {
    Q_OBJECT
  public:
    explicit StandardSectionDialog(const TSectionChoice& proposed, QWidget* parent = nullptr);

    // The section as the fields give it.
    TSectionChoice choice() const;

  private:
    static constexpr std::size_t MostDimensions = 4;

    void showSection(const TSectionChoice& choice);
    void typeChosen(int index);
    void dimensionChanged();
    TSectionDesignation designation() const;
    void showDesignation();

    QComboBox* m_type;
    QFormLayout* m_form;
    std::array<QDoubleSpinBox*, MostDimensions> m_dimensions{};
    QDoubleSpinBox* m_radius;
    QCheckBox* m_turned;
    QLabel* m_name;
    QDialogButtonBox* m_buttons;
    bool m_radiusFollows = true; // the radius is the default one until the user types another
};
