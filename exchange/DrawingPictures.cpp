#include "DrawingPictures.h"

#include "DrawingArea.h"
#include "FileBytes.h"
#include "Rounding.h"

#include <QBuffer>
#include <QFile>
#include <QPainter>
#include <QSvgGenerator>

#include <cmath>
#include <span>

namespace {

constexpr int Width = DrawingArea::Width;
constexpr int Height = DrawingArea::Height;

// Thicknesses from a file may be NaN, infinite or negative; such a bar is drawn as the
// thinnest line rather than not at all, as on screen.
double PenWidth(double thickness) {
    return std::isfinite(thickness) && thickness > 0.0 ? thickness : 0.0;
}

void DrawGrid(QPainter& painter, int gridStep) {
    if (gridStep < 1)
        return;
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor::fromRgb(DrawingArea::GridColour));
    for (int x = 0; x < Width; x += gridStep)
        for (int y = 0; y < Height; y += gridStep)
            painter.drawRect(QRectF(x, y, 1, 1));
}

void DrawObjects(QPainter& painter, const TProfile& profile) {
    painter.setBrush(Qt::NoBrush);
    for (const TProfileObject& o : profile.liveObjects()) {
        if (o.isBar()) {
            painter.setPen(QPen(QColor::fromRgb(DrawingArea::BarColour), PenWidth(o.Thickness),
                                Qt::SolidLine, Qt::FlatCap));
            painter.drawLine(QPointF(o.P1.X, o.P1.Y), QPointF(o.P2.X, o.P2.Y));
        } else if (o.isAppendix()) {
            // The screen's pen: the thickness rounded, at least one pixel wide.
            const double width = std::max(1.0, RoundTiesEven(PenWidth(o.Thickness)));
            painter.setPen(QPen(QColor::fromRgb(DrawingArea::AppendixColour), width, Qt::SolidLine,
                                Qt::SquareCap, Qt::MiterJoin));
            const int h = DrawingArea::AppendixHalfSide;
            painter.drawRect(QRectF(o.P1.X - h, o.P1.Y - h, 2 * h, 2 * h));
        }
    }
}

} // namespace

QByteArray DrawingSvg(const TProfile& profile, bool drawGrid, int gridStep) {
    QBuffer buffer;
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    // Ten device dots per millimetre (254 per inch) make the page exactly 400 x 250 mm;
    // the view box maps the painted coordinates onto it, one unit a millimetre.
    generator.setSize(QSize(Width * 10, Height * 10));
    generator.setResolution(254);
    generator.setViewBox(QRect(0, 0, Width, Height));
    generator.setTitle(QStringLiteral("Perfil"));
    QPainter painter(&generator);
    painter.fillRect(QRect(0, 0, Width, Height), Qt::white);
    if (drawGrid)
        DrawGrid(painter, gridStep);
    DrawObjects(painter, profile);
    painter.end();
    return buffer.data();
}

QByteArray DrawingPng(const QImage& drawing) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    drawing.save(&buffer, "PNG");
    return buffer.data();
}

void WritePictureFile(const std::string& path, const QByteArray& bytes) {
    WriteFileBytes(path, {reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                          static_cast<std::size_t>(bytes.size())});
}
