#include "DrawingPictures.h"

#include "Bends.h"
#include "DrawingArea.h"
#include "FileBytes.h"
#include "NumberText.h"
#include "Rounding.h"

#include <QBuffer>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

namespace {

constexpr int Width = DrawingArea::Width;
constexpr int Height = DrawingArea::Height;

// Thicknesses from a file may be NaN, infinite or negative; such a bar is drawn as the
// thinnest line rather than not at all, as on screen.
double PenWidth(double thickness) {
    return std::isfinite(thickness) && thickness > 0.0 ? thickness : 0.0;
}

std::string Whole(std::int64_t value) {
    return std::to_string(value);
}

std::string Colour(std::uint32_t argb) {
    static const char Digits[] = "0123456789abcdef";
    std::string text = "#";
    for (int shift = 20; shift >= 0; shift -= 4)
        text += Digits[(argb >> shift) & 0xf];
    return text;
}

// Each dot a unit square, all in one path: a fine grid has thousands of them.
void AppendGrid(std::string& svg, int gridStep) {
    if (gridStep < 1)
        return;
    svg += "<path fill=\"" + Colour(DrawingArea::GridColour) + "\" d=\"";
    for (int x = 0; x < Width; x += gridStep)
        for (int y = 0; y < Height; y += gridStep)
            svg += "M" + Whole(x) + " " + Whole(y) + "h1v1h-1z";
    svg += "\"/>\n";
}

// A width of zero is the thinnest line the viewer can show, whatever its zoom.
std::string Stroke(std::uint32_t colour, double width) {
    return "stroke=\"" + Colour(colour) + "\" stroke-width=\"" +
           (width > 0.0 ? ShortestText(width) + "\"" : "1\" vector-effect=\"non-scaling-stroke\"");
}

std::string BarLine(const std::string& x1, const std::string& y1, const std::string& x2,
                    const std::string& y2, double thickness) {
    return "<line x1=\"" + x1 + "\" y1=\"" + y1 + "\" x2=\"" + x2 + "\" y2=\"" + y2 + "\" " +
           Stroke(DrawingArea::BarColour, PenWidth(thickness)) + " stroke-linecap=\"butt\"/>\n";
}

// The arc of a bend as wide as its thickness; it turns less than half a circle, and in
// these axes a positive sweep is SVG's positive direction.
std::string BendPath(const TBend& bend) {
    const TPointMm a = bend.TangentA, b = bend.TangentB;
    const std::string radius = ShortestText(bend.Radius);
    return "<path d=\"M" + ShortestText(a.X) + " " + ShortestText(a.Y) + "A" + radius + " " +
           radius + " 0 0 " + (bend.Sweep > 0 ? "1 " : "0 ") + ShortestText(b.X) + " " +
           ShortestText(b.Y) + "\" fill=\"none\" " +
           Stroke(DrawingArea::BarColour, PenWidth(bend.Thickness)) +
           " stroke-linecap=\"butt\"/>\n";
}

void AppendObjects(std::string& svg, const TProfile& profile) {
    const std::span<const TProfileObject> objects = profile.liveObjects();
    const TBends bends = FindBends(objects, profile.info().BendRadius);
    for (std::size_t i = 0; i < objects.size(); ++i) {
        const TProfileObject& o = objects[i];
        if (bends.shortened(i)) {
            const TPointMm a = bends.end(i, TEnd::P1), b = bends.end(i, TEnd::P2);
            svg += BarLine(ShortestText(a.X), ShortestText(a.Y), ShortestText(b.X),
                           ShortestText(b.Y), o.Thickness);
        } else if (o.isBar()) {
            svg += BarLine(Whole(o.P1.X), Whole(o.P1.Y), Whole(o.P2.X), Whole(o.P2.Y), o.Thickness);
        } else if (o.isAppendix()) {
            // The screen's pen: the thickness rounded, at least one pixel wide.
            const double width = std::max(1.0, RoundTiesEven(PenWidth(o.Thickness)));
            const std::int64_t h = DrawingArea::AppendixHalfSide;
            svg += "<rect x=\"" + Whole(o.P1.X - h) + "\" y=\"" + Whole(o.P1.Y - h) +
                   "\" width=\"" + Whole(2 * h) + "\" height=\"" + Whole(2 * h) +
                   "\" fill=\"none\" " + Stroke(DrawingArea::AppendixColour, width) +
                   " stroke-linecap=\"square\" stroke-linejoin=\"miter\"/>\n";
        }
    }
    for (const TBend& bend : bends.Bends)
        svg += BendPath(bend);
}

} // namespace

// Written directly: the drawing is lines, arcs and squares, and a vector painter would bring a
// library into the program's start for this one command.
QByteArray DrawingSvg(const TProfile& profile, bool drawGrid, int gridStep) {
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
                      Whole(Width) + "mm\" height=\"" + Whole(Height) + "mm\" viewBox=\"0 0 " +
                      Whole(Width) + " " + Whole(Height) + "\">\n" +
                      "<title>Perfil</title>\n<rect width=\"" + Whole(Width) + "\" height=\"" +
                      Whole(Height) + "\" fill=\"#ffffff\"/>\n";
    if (drawGrid)
        AppendGrid(svg, gridStep);
    AppendObjects(svg, profile);
    svg += "</svg>\n";
    return QByteArray::fromStdString(svg);
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
