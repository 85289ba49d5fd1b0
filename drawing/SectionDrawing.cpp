#include "SectionDrawing.h"

#include "Bends.h"

#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// Straight pieces per bend: at a picture's scale a bend's chords then stay well within a
// pixel of its arc.
constexpr int ArcSteps = 16;

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

void PaintSection(QPainter& p, const QRectF& frame, const TProfile& profile,
                  const TEngineeringResults& r) {
    const std::span<const TProfileObject> objects = profile.liveObjects();
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

    auto wall = [&](double thickness, Qt::PenCapStyle cap) {
        const double width = std::isfinite(thickness) ? std::max(1.0, thickness * scale) : 1.0;
        return QPen(Qt::darkGray, width, Qt::SolidLine, cap);
    };
    const TBends bends = FindBends(objects, profile.info().BendRadius);
    for (const TBend& bend : bends.Bends) {
        p.setPen(wall(bend.Thickness, Qt::FlatCap));
        QPolygonF arc;
        for (int i = 0; i <= ArcSteps; ++i) {
            const double angle = bend.StartAngle + bend.Sweep * i / ArcSteps;
            arc << at(bend.Centre.X + bend.Radius * std::cos(angle),
                      bend.Centre.Y + bend.Radius * std::sin(angle));
        }
        p.drawPolyline(arc);
    }
    for (std::size_t i = 0; i < objects.size(); ++i) {
        const TProfileObject& o = objects[i];
        if (!Drawn(o))
            continue;
        if (bends.shortened(i)) {
            const QPen pen = wall(o.Thickness, Qt::FlatCap);
            // Square at an end without a bend, as the bars without any.
            auto end = [&](TEnd which, TEnd other) {
                const TPointMm e = bends.end(i, which), f = bends.end(i, other);
                const QPointF point = at(e.X, e.Y);
                if (bends.bent(i, which))
                    return point;
                const QPointF away = point - at(f.X, f.Y);
                return point + away * (pen.widthF() / 2 / std::hypot(away.x(), away.y()));
            };
            p.setPen(pen);
            p.drawLine(end(TEnd::P1, TEnd::P2), end(TEnd::P2, TEnd::P1));
        } else if (o.isBar()) {
            p.setPen(wall(o.Thickness, Qt::SquareCap));
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
