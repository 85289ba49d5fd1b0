#include "DrawingSurface.h"

#include "Bends.h"
#include "RasterCanvas.h"
#include "Rounding.h"

#include <algorithm>
#include <cmath>

namespace {

using DrawingArea::AppendixColour;
using DrawingArea::AppendixHalfSide;
using DrawingArea::BarColour;
using DrawingArea::GridColour;
const QRgb MarkerColour = qRgb(255, 0, 0);
const QRgb HandleColour = qRgb(0, 255, 0);

constexpr int MarkerWidth = 3;

// A thickness read from a file can be anything; a pen wider than the image itself
// would look no different, so widths stop here.
constexpr double MaxPenWidth = 1000;

// Squares around points farther out than this cannot reach into the image, not even with
// the widest pen; skipping them keeps the corner arithmetic far from int32 overflow.
constexpr int Reach = 2048;

int PenWidth(double thickness) {
    if (std::isnan(thickness))
        return 0;
    return static_cast<int>(std::clamp(RoundTiesEven(thickness), 0.0, MaxPenWidth));
}

bool NearImage(TPoint p) {
    return p.X >= -Reach && p.X < DrawingSurface::Width + Reach && p.Y >= -Reach &&
           p.Y < DrawingSurface::Height + Reach;
}

// Widths 0 and 1 both give the thinnest line, which leaves its end point unpainted.
void DrawLine(RasterCanvas& canvas, TPoint a, TPoint b, int width, QRgb colour) {
    if (width <= 1)
        canvas.drawThinLine(a, b, colour);
    else
        canvas.drawWideLine(a, b, width, colour);
}

// The closed outline of the 5 x 5 square around p; only the outline's width follows the
// thickness.
void DrawAppendix(RasterCanvas& canvas, TPoint p, int width) {
    if (!NearImage(p))
        return;
    const int d = AppendixHalfSide;
    const TPoint corners[5] = {{p.X - d, p.Y - d},
                               {p.X + d, p.Y - d},
                               {p.X + d, p.Y + d},
                               {p.X - d, p.Y + d},
                               {p.X - d, p.Y - d}};
    for (int i = 0; i < 4; ++i)
        DrawLine(canvas, corners[i], corners[i + 1], width, AppendixColour);
}

// An 8 x 8 lime square with a black one-pixel outline, from (x - 4, y - 4) up to but not
// including (x + 4, y + 4).
void DrawHandle(RasterCanvas& canvas, TPoint p) {
    if (!NearImage(p))
        return;
    const int h = DrawingArea::HandleSize;
    canvas.fillRect(p.X - h, p.Y - h, 2 * h, 2 * h, HandleColour);
    canvas.frameRect(p.X - h, p.Y - h, 2 * h, 2 * h, BarColour);
}

// A point in millimetres where the canvas has it: the pixel of whole millimetre k is
// centred on k + 0.5.
QPointF PixelPoint(TPointMm p) {
    return {p.X + 0.5, p.Y + 0.5};
}

// A bar between the points its bends left it, cut square where an arc takes over. The
// thinnest line has no ends to cut and runs between the pixels nearest to them.
void DrawBentBar(RasterCanvas& canvas, const TBends& bends, std::size_t bar, int width) {
    const TPointMm a = bends.end(bar, TEnd::P1), b = bends.end(bar, TEnd::P2);
    if (width <= 1) {
        auto pixel = [](TPointMm p) {
            return TPoint{static_cast<std::int32_t>(RoundTiesEven(p.X)),
                          static_cast<std::int32_t>(RoundTiesEven(p.Y))};
        };
        canvas.drawThinLine(pixel(a), pixel(b), BarColour);
        return;
    }
    canvas.drawBand(PixelPoint(a), PixelPoint(b), width, !bends.bent(bar, TEnd::P1),
                    !bends.bent(bar, TEnd::P2), BarColour);
}

} // namespace

DrawingSurface::DrawingSurface()
    : m_background(Width, Height, QImage::Format_RGB32),
      m_image(Width, Height, QImage::Format_RGB32) {
    m_background.fill(Qt::white);
    m_image.fill(Qt::white);
}

void DrawingSurface::RebuildBackground(bool drawGrid, int gridStep) {
    m_background.fill(Qt::white);
    if (drawGrid)
        DrawGrid(gridStep);
}

void DrawingSurface::DrawGrid(int gridStep) {
    if (gridStep < 1)
        return;
    const int nx = static_cast<int>(RoundTiesEven(static_cast<double>(Width) / gridStep));
    const int ny = static_cast<int>(RoundTiesEven(static_cast<double>(Height) / gridStep));
    const QRgb dot = GridColour;
    // Counts round to nearest, so the last column or row may fall just outside the
    // bitmap; such dots are simply not there.
    for (int ix = 0; ix <= nx; ++ix)
        for (int iy = 0; iy <= ny; ++iy) {
            const QPoint p(ix * gridStep, iy * gridStep);
            if (m_background.rect().contains(p))
                m_background.setPixel(p, dot);
        }
}

void DrawingSurface::ShowBackground() {
    // Implicitly shared: the first canvas on the shown image detaches it, so the
    // background layer never changes through it.
    m_image = m_background;
}

void DrawingSurface::DrawObjects(const TProfile& profile) {
    RasterCanvas canvas(m_image);
    const std::span<const TProfileObject> objects = profile.liveObjects();
    const TBends bends = FindBends(objects, profile.info().BendRadius);
    for (const TBend& bend : bends.Bends)
        canvas.drawArc(PixelPoint(bend.Centre), bend.Radius, std::max(1, PenWidth(bend.Thickness)),
                       bend.StartAngle, bend.Sweep, BarColour);
    for (std::size_t i = 0; i < objects.size(); ++i) {
        const TProfileObject& o = objects[i];
        if (bends.shortened(i))
            DrawBentBar(canvas, bends, i, PenWidth(o.Thickness));
        else if (o.isBar())
            DrawLine(canvas, o.P1, o.P2, PenWidth(o.Thickness), BarColour);
        else if (o.isAppendix())
            DrawAppendix(canvas, o.P1, PenWidth(o.Thickness));
    }
}

void DrawingSurface::DrawMarker(TPoint markP1, TPoint markP2) {
    RasterCanvas canvas(m_image);
    DrawLine(canvas, markP1, markP2, MarkerWidth, MarkerColour);
    DrawHandle(canvas, markP1);
    DrawHandle(canvas, markP2);
}
