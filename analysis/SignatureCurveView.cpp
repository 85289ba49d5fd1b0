#include "SignatureCurveView.h"

#include <QMouseEvent>
#include <QPainter>

SignatureCurveView::SignatureCurveView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("SignatureCurve"));
    setMinimumHeight(160);
}

void SignatureCurveView::setOutcome(std::shared_ptr<const BucklingOutcome> outcome, int picked) {
    m_plot.reset();
    m_outcome = std::move(outcome);
    if (m_outcome)
        m_plot.emplace(m_outcome->Result.Curve, BucklingCurveMarks(m_outcome->Result), locale());
    m_picked = picked;
    update();
}

QImage SignatureCurveView::picture(QSize size) const {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    if (m_plot) {
        QPainter painter(&image);
        painter.setFont(font());
        m_plot->paint(painter, QRectF(QPointF(), size), m_picked);
    }
    return image;
}

void SignatureCurveView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (m_plot)
        m_plot->paint(painter, rect(), m_picked);
    else
        painter.fillRect(rect(), Qt::white);
}

void SignatureCurveView::mousePressEvent(QMouseEvent* event) {
    if (!m_plot)
        return;
    const int mark = m_plot->markAt(event->position(), rect());
    if (mark >= 0)
        emit markPicked(mark);
}
