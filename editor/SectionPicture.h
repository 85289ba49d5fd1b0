#pragma once

#include "SectionEngineering.h"

#include <QWidget>

#include <vector>

// The section drawn to fit the widget, y down as in the editor: the bars with their
// thickness, the appendices, the centroid (a circle with a cross), the principal axes
// through it (1 the major, 2 the minor, dashed) and the shear centre (a red dot "S").
class SectionPicture : public QWidget {
    Q_OBJECT
  public:
    explicit SectionPicture(QWidget* parent = nullptr);

    // Keeps a copy of the objects and the results; repaints later.
    void setSection(std::span<const TProfileObject> objects, const TEngineeringResults& results);

    QSize sizeHint() const override { return {260, 200}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::vector<TProfileObject> m_objects;
    TEngineeringResults m_results;
};
