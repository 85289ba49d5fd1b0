#include "SectionDrawing.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// Slots awaiting compaction are no part of the section.
bool Drawn(const TProfileObject& o) {
    return o.Number != 0 && (o.isBar() || o.isAppendix());
}

// The drawing-unit rectangle holding every bar end and appendix.
QRectF Extent(std::span<const TProfileObject> objects) {
    QRectF extent;
    for (const TProfileObject& o : objects) {
        if (!Drawn(o))
            continue;
        for (const TPoint p : {o.P1, o.isBar() ? o.P2 : o.P1}) {
            const QRectF dot(p.X, p.Y, 0.001, 0.001);
            extent = extent.isNull() ? dot : extent.united(dot);
        }
    }
    return extent;
}

void DrawAxis(QPainter& p, QPointF centre, double degrees, double length, const QString& name) {
    // Theta is counter-clockwise with y up; the picture's y points down.
    const double a = degrees * std::numbers::pi / 180;
    const QPointF half(std::cos(a) * length / 2, -std::sin(a) * length / 2);
    p.drawLine(centre - half, centre + half);
    p.drawText(centre + half * 1.05, name);
}

} // namespace

void PaintSection(QPainter& p, const QRectF& frame, std::span<const TProfileObject> objects,
                  const TEngineeringResults& r) {
    const QRectF extent = Extent(objects);
    if (extent.isNull())
        return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF area = frame.adjusted(24, 24, -24, -24);
    const double scale = std::min(area.width() / std::max(extent.width(), 1.0),
                                  area.height() / std::max(extent.height(), 1.0));
    auto at = [&](double x, double y) {
        return area.center() + (QPointF(x, y) - extent.center()) * scale;
    };

    for (const TProfileObject& o : objects) {
        if (!Drawn(o))
            continue;
        if (o.isBar()) {
            const double width =
                std::isfinite(o.Thickness) ? std::max(1.0, o.Thickness * scale) : 1.0;
            p.setPen(QPen(Qt::darkGray, width, Qt::SolidLine, Qt::SquareCap));
            p.drawLine(at(o.P1.X, o.P1.Y), at(o.P2.X, o.P2.Y));
        } else {
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::blue);
            p.drawRect(QRectF(at(o.P1.X, o.P1.Y) - QPointF(3, 3), QSizeF(6, 6)));
        }
    }

    if (r.State != TSectionState::Ready || !std::isfinite(r.Section.Xg) ||
        !std::isfinite(r.Section.Yg)) {
        p.restore();
        return;
    }
    const QPointF centroid = at(r.Section.Xg, r.Section.Yg);
    const double axisLength = std::hypot(frame.width(), frame.height()) * 0.6;
    p.setBrush(Qt::NoBrush);
    if (std::isfinite(r.Theta)) {
        p.setPen(QPen(QColor(0, 110, 0), 1, Qt::DashLine));
        DrawAxis(p, centroid, r.Theta, axisLength, QStringLiteral("1"));
        DrawAxis(p, centroid, r.Theta + 90, axisLength * 0.7, QStringLiteral("2"));
    }
    p.setPen(QPen(Qt::black, 1.5));
    p.drawEllipse(centroid, 5, 5);
    p.drawLine(centroid - QPointF(7, 0), centroid + QPointF(7, 0));
    p.drawLine(centroid - QPointF(0, 7), centroid + QPointF(0, 7));
    p.drawText(centroid + QPointF(7, 14), QStringLiteral("G"));
    if (std::isfinite(r.Wall.Xs) && std::isfinite(r.Wall.Ys)) {
        const QPointF shear = at(r.Wall.Xs, r.Wall.Ys);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::red);
        p.drawEllipse(shear, 4, 4);
        p.setPen(Qt::red);
        p.drawText(shear + QPointF(6, -6), QStringLiteral("S"));
    }
    p.restore();
}
