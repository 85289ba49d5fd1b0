#include "ImageView.h"

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
