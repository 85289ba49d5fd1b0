#include "ImageView.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace {

QPoint PixelAt(const QMouseEvent* event) {
    const QPointF p = event->position();
    return {static_cast<int>(std::floor(p.x())), static_cast<int>(std::floor(p.y()))};
}

} // namespace

ImageView::ImageView(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // A click on the drawing takes the keys away from the boxes below it, where a stray
    // key would change the material or a setting unseen.
    setFocusPolicy(Qt::ClickFocus);
}

void ImageView::setImage(const QImage& image) {
    m_image = image;
    update();
}

void ImageView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, m_image);
}

void ImageView::mousePressEvent(QMouseEvent* event) {
    emit mousePressed(PixelAt(event));
}

// The second press of a double click is an ordinary press.
void ImageView::mouseDoubleClickEvent(QMouseEvent* event) {
    emit mousePressed(PixelAt(event));
}

void ImageView::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMoved(PixelAt(event));
}

void ImageView::mouseReleaseEvent(QMouseEvent* event) {
    emit mouseReleased(PixelAt(event));
}

void ImageView::keyPressEvent(QKeyEvent* event) {
    const bool large = event->modifiers() & Qt::ShiftModifier;
    switch (event->key()) {
    case Qt::Key_Left:
        emit arrowPressed({-1, 0}, large);
        break;
    case Qt::Key_Right:
        emit arrowPressed({1, 0}, large);
        break;
    case Qt::Key_Up:
        emit arrowPressed({0, -1}, large);
        break;
    case Qt::Key_Down:
        emit arrowPressed({0, 1}, large);
        break;
    case Qt::Key_Escape:
        emit escapePressed();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}
