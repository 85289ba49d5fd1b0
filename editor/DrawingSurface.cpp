#include "DrawingSurface.h"

#include "MouseEditor.h"
#include "Rounding.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

const QColor GridColour(0, 128, 0);
const QColor BarColour(0, 0, 0);
const QColor AppendixColour(0, 0, 255);
const QColor MarkerColour(255, 0, 0);
const QColor HandleColour(0, 255, 0);

constexpr int MarkerWidth = 3;
constexpr int AppendixHalfSide = 2;

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

// Thin lines keep the square cap whose pixels end exactly on the end point; wide ones get
// round caps and joins so that bars meeting at a corner close it without notches.
QPen SolidPen(const QColor& colour, int width) {
    if (width <= 1)
        return QPen(colour, 0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

bool NearImage(TPoint p) {
    return p.X >= -Reach && p.X < DrawingSurface::Width + Reach && p.Y >= -Reach &&
           p.Y < DrawingSurface::Height + Reach;
}

// Draws a-b with the painter's pen. A thin line leaves its end point unpainted, the way
// line drawing traditionally works: bars meeting end to start share that pixel once, and
// a bar of zero length paints nothing.
void DrawSegment(QPainter& painter, const QImage& image, TPoint a, TPoint b) {
    const QPoint end(b.X, b.Y);
    const bool keepEnd = painter.pen().width() <= 1 && image.rect().contains(end);
    const QColor endBefore = keepEnd ? image.pixelColor(end) : QColor();
    painter.drawLine(QPoint(a.X, a.Y), end);
    if (keepEnd) {
        const QPen pen = painter.pen();
        painter.setPen(SolidPen(endBefore, 0));
        painter.drawPoint(end);
        painter.setPen(pen);
    }
}

void DrawAppendix(QPainter& painter, TPoint p) {
    if (!NearImage(p))
        return;
    const int d = AppendixHalfSide;
    const QPoint corners[5] = {{p.X - d, p.Y - d},
                               {p.X + d, p.Y - d},
                               {p.X + d, p.Y + d},
                               {p.X - d, p.Y + d},
                               {p.X - d, p.Y - d}};
    painter.drawPolyline(corners, 5);
}

// An 8 x 8 lime square with a black one-pixel outline, from (x - 4, y - 4) up to but not
// including (x + 4, y + 4).
void DrawHandle(QPainter& painter, TPoint p) {
    if (!NearImage(p))
        return;
    const int h = TMouseEditor::HandleSize;
    const QRect square(p.X - h, p.Y - h, 2 * h, 2 * h);
    painter.fillRect(square, HandleColour);
    painter.setPen(SolidPen(BarColour, 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(square.adjusted(0, 0, -1, -1));
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
    const QRgb dot = GridColour.rgb();
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
    // Implicitly shared: the first paint on the shown image detaches it, so the
    // background layer never changes through it.
    m_image = m_background;
}

void DrawingSurface::DrawObjects(const TProfile& profile) {
    QPainter painter(&m_image);
    for (const TProfileObject& o : profile.objects()) {
        if (o.isBar()) {
            painter.setPen(SolidPen(BarColour, PenWidth(o.Thickness)));
            DrawSegment(painter, m_image, o.P1, o.P2);
        } else if (o.isAppendix()) {
            painter.setPen(SolidPen(AppendixColour, PenWidth(o.Thickness)));
            DrawAppendix(painter, o.P1);
        }
    }
}

void DrawingSurface::DrawMarker(TPoint markP1, TPoint markP2) {
    QPainter painter(&m_image);
    painter.setPen(SolidPen(MarkerColour, MarkerWidth));
    DrawSegment(painter, m_image, markP1, markP2);
    DrawHandle(painter, markP1);
    DrawHandle(painter, markP2);
}
