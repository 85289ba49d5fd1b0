#pragma once

#include "SectionEngineering.h"

#include <QWidget>

class TProfile;

// The section drawn to fit the widget as PaintSection draws it: the bars, the appendices,
// the centroid, the principal axes and the shear centre.
class SectionPicture : public QWidget {
    Q_OBJECT
  public:
    // profile must outlive the picture; it is read when painting, not copied on every
    // change.
    explicit SectionPicture(const TProfile& profile, QWidget* parent = nullptr);

    // The results to mark; repaints later.
    void setResults(const TEngineeringResults& results);

    QSize sizeHint() const override { return {260, 200}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const TProfile& m_profile;
    TEngineeringResults m_results;
};
