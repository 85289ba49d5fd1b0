#include "ArrowImage.h"

#include <QPainter>
#include <QPolygonF>

namespace {
constexpr int Side = 17; // screen pixels: 4.5 mm at 96 dpi
constexpr qreal PixelRatio = 4.0;

// An arrow pointing right across the square: shaft, then head.
QPolygonF rightArrow() {
    return QPolygonF(
        {{1.0, 6.5}, {9.0, 6.5}, {9.0, 2.5}, {16.0, 8.5}, {9.0, 14.5}, {9.0, 10.5}, {1.0, 10.5}});
}

QPolygonF transposed(const QPolygonF& polygon) {
    QPolygonF result;
    for (const QPointF& p : polygon)
        result << QPointF(p.y(), p.x());
    return result;
}
} // namespace

QImage ArrowImage::make(Direction direction) {
    QImage image(Side * PixelRatio, Side * PixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(PixelRatio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::red);
    const QPolygonF arrow = rightArrow();
    painter.drawPolygon(direction == Direction::Right ? arrow : transposed(arrow));
    return image;
}
