#include "SignatureCurvePlot.h"

#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

constexpr double MarkRadius = 4;    // px
constexpr double PickDistance = 12; // px

const QColor CurveColour(0, 90, 170);
const QColor MarkColour(200, 30, 30);

} // namespace

SignatureCurvePlot::SignatureCurvePlot(const TSignatureCurve& curve, QList<BucklingCurveMark> marks,
                                       const QLocale& locale)
    : m_curve(curve), m_marks(std::move(marks)), m_locale(locale) {
    m_locale.setNumberOptions(m_locale.numberOptions() | QLocale::OmitGroupSeparator);
    if (!curve.Points.empty()) {
        m_logShortest = std::log10(curve.Points.front().HalfWave);
        m_logLongest = std::max(std::log10(curve.Points.back().HalfWave), m_logShortest + 1);
    }
    // The short waves' factors rise without bound; the scale is set by the named points,
    // with room above for the curve to leave them.
    double named = 0;
    for (const BucklingCurveMark& mark : m_marks)
        named = std::max(named, mark.point.Factor);
    if (named > 0) {
        m_top = 2 * named;
        return;
    }
    for (const TCurvePoint& p : curve.Points)
        if (std::isfinite(p.Factor))
            m_top = std::max(m_top, p.Factor);
}

QRectF SignatureCurvePlot::frame(const QRectF& area) const {
    return area.adjusted(46, 8, -16, -36);
}

QPointF SignatureCurvePlot::place(const TCurvePoint& point, const QRectF& frame) const {
    const double across =
        (std::log10(point.HalfWave) - m_logShortest) / (m_logLongest - m_logShortest);
    return {frame.left() + across * frame.width(),
            frame.bottom() - point.Factor / m_top * frame.height()};
}

void SignatureCurvePlot::paint(QPainter& painter, const QRectF& area, int picked) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(area, Qt::white);
    const QRectF box = frame(area);
    paintAxes(painter, box);
    painter.setClipRect(box.adjusted(-MarkRadius - 2, -MarkRadius - 2, 0, 0));
    paintCurve(painter, box);
    painter.setClipping(false);
    paintMarks(painter, box, picked);
    painter.restore();
}

void SignatureCurvePlot::paintAxes(QPainter& painter, const QRectF& box) const {
    const QFontMetricsF metrics(painter.font());
    // A grid line at each decade and at 2 and 5 times it; the decades labelled.
    for (int decade = static_cast<int>(std::floor(m_logShortest));
         decade <= static_cast<int>(std::ceil(m_logLongest)); ++decade) {
        for (double step : {1.0, 2.0, 5.0}) {
            const double halfWave = step * std::pow(10.0, decade);
            const double log = std::log10(halfWave);
            if (log < m_logShortest - 1e-9 || log > m_logLongest + 1e-9)
                continue;
            const double x = place({halfWave, 0}, box).x();
            const int grey = step == 1 ? 190 : 225;
            painter.setPen(QPen(QColor(grey, grey, grey), 0));
            painter.drawLine(QPointF(x, box.top()), QPointF(x, box.bottom()));
            const QString text = m_locale.toString(halfWave, 'g', 6);
            if (step == 1 || box.width() > 400) {
                const double width = metrics.horizontalAdvance(text);
                painter.setPen(Qt::black);
                painter.drawText(QPointF(std::min(x - width / 2, box.right() + 14 - width),
                                         box.bottom() + metrics.ascent() + 2),
                                 text);
            }
        }
    }
    // Five steps of a round size up the factor axis.
    const double raw = m_top / 5;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    const double step = raw / magnitude < 2   ? 2 * magnitude
                        : raw / magnitude < 5 ? 5 * magnitude
                                              : 10 * magnitude;
    for (double factor = 0; factor <= m_top * (1 + 1e-9); factor += step) {
        const double y = box.bottom() - factor / m_top * box.height();
        painter.setPen(QPen(QColor(225, 225, 225), 0));
        painter.drawLine(QPointF(box.left(), y), QPointF(box.right(), y));
        const QString text = m_locale.toString(factor, 'g', 4);
        painter.setPen(Qt::black);
        painter.drawText(
            QPointF(box.left() - metrics.horizontalAdvance(text) - 4, y + metrics.ascent() / 2 - 1),
            text);
    }
    painter.setPen(QPen(Qt::black, 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box);
    const QString across = QStringLiteral("Meia-onda (mm)");
    painter.drawText(QPointF(box.center().x() - metrics.horizontalAdvance(across) / 2,
                             box.bottom() + 2 * metrics.height() + 2),
                     across);
    painter.save();
    painter.translate(box.left() - 34, box.center().y());
    painter.rotate(-90);
    const QString up = QStringLiteral("Fator de carga");
    painter.drawText(QPointF(-metrics.horizontalAdvance(up) / 2, 0), up);
    painter.restore();
}

void SignatureCurvePlot::paintCurve(QPainter& painter, const QRectF& box) const {
    QPainterPath path;
    bool drawing = false;
    for (const TCurvePoint& p : m_curve.Points) {
        if (!std::isfinite(p.Factor)) {
            drawing = false;
            continue;
        }
        // Far above the box the line only needs to leave it upwards.
        const QPointF at = place({p.HalfWave, std::min(p.Factor, 4 * m_top)}, box);
        if (drawing)
            path.lineTo(at);
        else
            path.moveTo(at);
        drawing = true;
    }
    painter.setPen(QPen(CurveColour, 1.6));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
}

void SignatureCurvePlot::paintMarks(QPainter& painter, const QRectF& box, int picked) const {
    const QFontMetricsF metrics(painter.font());
    QList<QRectF> written;
    for (int i = 0; i < m_marks.size(); ++i) {
        const QPointF at = place(m_marks[i].point, box);
        painter.setPen(QPen(MarkColour, 1.2));
        painter.setBrush(i == picked ? MarkColour : QColor(Qt::white));
        painter.drawEllipse(at, MarkRadius, MarkRadius);
        if (i == picked) {
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(at, MarkRadius + 3, MarkRadius + 3);
        }
        // Beside the mark, on the side with room, inside the box, and below the texts
        // already written where it would cross one.
        const QString text = BucklingMarkText(m_marks[i], m_locale);
        const double width = metrics.horizontalAdvance(text);
        const double x = at.x() + 8 + width <= box.right()
                             ? at.x() + 8
                             : std::max(at.x() - 8 - width, box.left() + 2);
        QRectF place(x, std::max(at.y() - 6 - metrics.ascent(), box.top() + 1), width,
                     metrics.height());
        while (std::ranges::any_of(written, [&](const QRectF& r) { return r.intersects(place); }))
            place.moveTop(place.top() + metrics.height());
        written << place;
        painter.setPen(Qt::black);
        painter.drawText(QPointF(place.left(), place.top() + metrics.ascent()), text);
    }
}

int SignatureCurvePlot::markAt(QPointF position, const QRectF& area) const {
    const QRectF box = frame(area);
    int nearest = -1;
    double best = PickDistance;
    for (int i = 0; i < m_marks.size(); ++i) {
        const double distance = std::abs(place(m_marks[i].point, box).x() - position.x());
        if (distance <= best) {
            best = distance;
            nearest = i;
        }
    }
    return nearest;
}
