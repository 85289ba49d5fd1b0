#include "BucklingShapePicture.h"

#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

constexpr int PiecesPerStrip = 8;

// The centre-line of each strip, displaced by scale times the mode (0: as it is).
QList<QPolygonF> StripLines(const TStripModel& model, const TBucklingMode& mode, double scale) {
    QList<QPolygonF> lines;
    for (const TStripModel::Strip& strip : model.Strips) {
        const TStripModel::Node& a = model.Nodes[strip.A];
        const TStripModel::Node& b = model.Nodes[strip.B];
        const double width = std::hypot(b.X - a.X, b.Y - a.Y);
        const QPointF along((b.X - a.X) / width, (b.Y - a.Y) / width);
        const QPointF across(-along.y(), along.x()); // turned from x towards y
        const auto& da = mode.Nodes[strip.A];
        const auto& db = mode.Nodes[strip.B];
        // In the strip's own axes: the in-plane displacement varies linearly along it, the
        // one across it by Hermite's cubic through both ends' slopes.
        const auto component = [](const auto& d, QPointF axis) {
            return d.X * axis.x() + d.Y * axis.y();
        };
        const double ua = component(da, along), ub = component(db, along);
        const double wa = component(da, across), wb = component(db, across);
        QPolygonF line;
        for (int k = 0; k <= PiecesPerStrip; ++k) {
            const double t = double(k) / PiecesPerStrip;
            const double h00 = (1 + 2 * t) * (1 - t) * (1 - t), h10 = t * (1 - t) * (1 - t);
            const double h01 = t * t * (3 - 2 * t), h11 = t * t * (t - 1);
            const double w =
                h00 * wa + h10 * width * da.Rotation + h01 * wb + h11 * width * db.Rotation;
            const double u = (1 - t) * ua + t * ub;
            const QPointF base(a.X + t * (b.X - a.X), a.Y + t * (b.Y - a.Y));
            line << base + scale * (u * along + w * across);
        }
        lines << line;
    }
    return lines;
}

QRectF Bounds(const QList<QPolygonF>& lines) {
    QRectF bounds;
    for (const QPolygonF& line : lines)
        bounds = bounds.isNull() ? line.boundingRect() : bounds.united(line.boundingRect());
    return bounds;
}

} // namespace

void PaintBucklingShape(QPainter& painter, const QRectF& area, const TStripModel& model,
                        const TBucklingMode& mode) {
    painter.save();
    painter.fillRect(area, Qt::white);
    if (model.Strips.empty() || mode.Nodes.size() != model.Nodes.size()) {
        painter.restore();
        return;
    }
    const QList<QPolygonF> plain = StripLines(model, mode, 0);
    const QRectF section = Bounds(plain);
    const double size = std::max(section.width(), section.height());
    const QList<QPolygonF> buckled = StripLines(model, mode, size / 6);
    const QRectF bounds = section.united(Bounds(buckled));
    const QRectF inner = area.adjusted(8, 8, -8, -8);
    const double zoom = std::min(inner.width() / std::max(bounds.width(), 1e-9),
                                 inner.height() / std::max(bounds.height(), 1e-9));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(inner.center());
    painter.scale(zoom, zoom);
    painter.translate(-bounds.center());
    painter.setBrush(Qt::NoBrush);
    QPen grey(QColor(170, 170, 170), 2, Qt::SolidLine, Qt::RoundCap);
    grey.setCosmetic(true);
    painter.setPen(grey);
    for (const QPolygonF& line : plain)
        painter.drawPolyline(line);
    QPen shape(QColor(200, 30, 30), 2, Qt::SolidLine, Qt::RoundCap);
    shape.setCosmetic(true);
    painter.setPen(shape);
    for (const QPolygonF& line : buckled)
        painter.drawPolyline(line);
    painter.restore();
}
