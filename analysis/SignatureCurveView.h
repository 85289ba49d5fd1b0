#pragma once

#include "BucklingWorker.h"
#include "SignatureCurvePlot.h"

#include <QWidget>

#include <memory>
#include <optional>

// The signature curve of the outcome shown; a click near a named point picks it.
class SignatureCurveView : public QWidget {
    Q_OBJECT
  public:
    explicit SignatureCurveView(QWidget* parent = nullptr);

    // Shows outcome with the named point picked (-1 for none); repaints later.
    void setOutcome(std::shared_ptr<const BucklingOutcome> outcome, int picked);

    QSize sizeHint() const override { return {340, 220}; }

    // The plot as shown, at size, for the clipboard.
    QImage picture(QSize size) const;

  signals:
    void markPicked(int mark);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    std::shared_ptr<const BucklingOutcome> m_outcome;
    std::optional<SignatureCurvePlot> m_plot; // of m_outcome's curve
    int m_picked = -1;
};
