#pragma once

#include "BucklingWorker.h"

#include <QWidget>

#include <memory>

// The buckled shape of the outcome shown at one of its named points.
class BucklingShapeView : public QWidget {
    Q_OBJECT
  public:
    explicit BucklingShapeView(QWidget* parent = nullptr);

    // Shows the shape at the named point mark of outcome (none when mark is -1); repaints
    // later.
    void setOutcome(std::shared_ptr<const BucklingOutcome> outcome, int mark);

    QSize sizeHint() const override { return {140, 140}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::shared_ptr<const BucklingOutcome> m_outcome;
    int m_mark = -1;
};
