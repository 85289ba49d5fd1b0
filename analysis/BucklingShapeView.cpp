#include "BucklingShapeView.h"

#include "BucklingShapePicture.h"

#include <QPainter>

BucklingShapeView::BucklingShapeView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("BucklingShape"));
    setMinimumHeight(120);
}

void BucklingShapeView::setOutcome(std::shared_ptr<const BucklingOutcome> outcome, int mark) {
    m_outcome = std::move(outcome);
    m_mark = mark;
    update();
}

void BucklingShapeView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!m_outcome || m_mark < 0 || m_mark >= static_cast<int>(m_outcome->Modes.size())) {
        painter.fillRect(rect(), Qt::white);
        return;
    }
    PaintBucklingShape(painter, rect(), m_outcome->Result.Solver->model(),
                       m_outcome->Modes[static_cast<std::size_t>(m_mark)]);
}
