#pragma once

#include "BucklingTexts.h"

#include <QLocale>
#include <QPainter>
#include <QRectF>

// The signature curve as a plot: the load factor against the half-wavelength on a
// logarithmic axis, with its grid, labels in Portuguese and the named points marked and
// written beside. Painting needs no widget, so the window and the report draw alike.
class SignatureCurvePlot {
  public:
    SignatureCurvePlot(const TSignatureCurve& curve, QList<BucklingCurveMark> marks,
                       const QLocale& locale);

    // Paints the plot to fill area; the mark numbered picked (-1 for none) ringed.
    void paint(QPainter& painter, const QRectF& area, int picked) const;

    // The mark whose symbol is nearest to position in a plot filling area, within a few
    // pixels across, or -1.
    int markAt(QPointF position, const QRectF& area) const;

    const QList<BucklingCurveMark>& marks() const { return m_marks; }

  private:
    // Where the axes' box lies inside area, room left for the labels.
    QRectF frame(const QRectF& area) const;
    QPointF place(const TCurvePoint& point, const QRectF& frame) const;
    void paintAxes(QPainter& painter, const QRectF& frame) const;
    void paintCurve(QPainter& painter, const QRectF& frame) const;
    void paintMarks(QPainter& painter, const QRectF& frame, int picked) const;

    const TSignatureCurve& m_curve;
    QList<BucklingCurveMark> m_marks;
    QLocale m_locale;
    double m_logShortest = 0, m_logLongest = 1; // log10 of the half-wavelengths shown
    double m_top = 1;                           // the largest factor shown
};
