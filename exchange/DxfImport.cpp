#include "DxfImport.h"

#include "ArcBends.h"
#include "Bends.h"
#include "DrawingArea.h"
#include "DxfReader.h"
#include "ExactPoint.h"
#include "FileBytes.h"
#include "NumberText.h"
#include "PerfilError.h"
#include "Profile.h"
#include "Rounding.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <optional>
#include <string_view>

namespace {

constexpr double AreaHeight = DrawingArea::Height;
// The largest extent whose rounded ends both fall on pixels of the area.
constexpr std::int64_t WidestExtent = DrawingArea::Width - 1;
constexpr std::int64_t HighestExtent = DrawingArea::Height - 1;
constexpr std::int64_t Margin = 10;
// A DXF of the largest profile is a few tens of kilobytes; anything beyond this size is
// not worth reading.
constexpr std::size_t LargestFile = 64u << 20;

// Millimetres per drawing unit, by $INSUNITS code. The codes past 16 are astronomical.
std::optional<double> UnitScale(long long insUnits) {
    static constexpr double Scales[] = {
        1.0,       // 0 unitless: taken as millimetres
        25.4,      // 1 inch
        304.8,     // 2 foot
        1609344.0, // 3 mile
        1.0,       // 4 millimetre
        10.0,      // 5 centimetre
        1000.0,    // 6 metre
        1e6,       // 7 kilometre
        2.54e-5,   // 8 microinch
        0.0254,    // 9 mil
        914.4,     // 10 yard
        1e-7,      // 11 angstrom
        1e-6,      // 12 nanometre
        1e-3,      // 13 micron
        100.0,     // 14 decimetre
        1e4,       // 15 decametre
        1e5,       // 16 hectometre
    };
    if (insUnits < 0 || insUnits >= static_cast<long long>(std::size(Scales)))
        return std::nullopt;
    return Scales[insUnits];
}

// A text of any length: numbers as large as 1e308 are written whole.
std::string Format(const char* format, auto... values) {
    std::string text(static_cast<std::size_t>(std::snprintf(nullptr, 0, format, values...)), '\0');
    std::snprintf(text.data(), text.size() + 1, format, values...);
    return text;
}

// A width is a wall's thickness: none can be wider than the whole area. No width, or one
// of zero or less, stands for none, as CAD programs write them.
void CheckWidth(const DxfShape& shape, double millimetres) {
    if (millimetres <= DrawingArea::Width)
        return;
    throw PerfilError(Format("A entidade %s da linha %zu tem a largura de %s mm, maior que os "
                             "%d mm da área",
                             shape.entity.c_str(), shape.line, ShortestText(millimetres).c_str(),
                             DrawingArea::Width));
}

struct Extents {
    double minX, maxX, minY, maxY;
};

// In drawing orientation (y downwards), before any shift.
struct Point {
    double x, y;
};

Extents ExtentsOf(const std::vector<Point>& points) {
    Extents e{points.front().x, points.front().x, points.front().y, points.front().y};
    for (const Point& p : points) {
        e.minX = std::min(e.minX, p.x);
        e.maxX = std::max(e.maxX, p.x);
        e.minY = std::min(e.minY, p.y);
        e.maxY = std::max(e.maxY, p.y);
    }
    return e;
}

// Hundredths of a millimetre, ties to even.
std::int64_t Hundredths(double millimetres) {
    return static_cast<std::int64_t>(RoundTiesEven(millimetres * HundredthsPerMm));
}

// The largest whole-millimetre shift that keeps points up to greatest hundredths within
// limit millimetres; negative when they cannot be.
std::int64_t Room(std::int64_t greatest, std::int64_t limit) {
    const std::int64_t free = limit * HundredthsPerMm - greatest;
    return free < 0 ? -1 : free / HundredthsPerMm;
}

} // namespace

namespace {

std::vector<TDrawnShape> Drawn(const DxfDrawing& drawing, double scale) {
    auto at = [scale](double x, double y) { return TPointMm{x * scale, AreaHeight - y * scale}; };
    std::vector<TDrawnShape> shapes;
    for (const DxfShape& s : drawing.shapes) {
        TDrawnShape shape{
            .source = &s, .a = at(s.x1, s.y1), .b = at(s.x2, s.y2), .width = s.width * scale};
        if (s.isChord) {
            shape.centre = at(s.cx, s.cy);
            shape.radius = s.radius * scale;
            shape.sweep = s.sweep;
        }
        shapes.push_back(shape);
    }
    return shapes;
}

struct Placed {
    std::vector<TProfileObject> records; // numbered 1..n
    int skipped = 0;
};

// The shapes as records in the area, as the import describes.
Placed Place(const std::vector<TDrawnShape>& shapes, double defaultThickness) {
    std::vector<Point> points;
    for (const TDrawnShape& s : shapes) {
        points.push_back({s.a.X, s.a.Y});
        if (!s.source->isPoint)
            points.push_back({s.b.X, s.b.Y});
    }
    const Extents extents = ExtentsOf(points);
    const std::string tooLarge =
        Format("O desenho mede %.0f × %.0f mm e não cabe na área de %d × %d mm",
               extents.maxX - extents.minX, extents.maxY - extents.minY, DrawingArea::Width,
               DrawingArea::Height);
    if (!(std::isfinite(extents.maxX - extents.minX) && std::isfinite(extents.maxY - extents.minY)))
        throw PerfilError(Format("O desenho é grande demais para a área de %d × %d mm",
                                 DrawingArea::Width, DrawingArea::Height));
    // Points are taken in hundredths from the whole millimetre at or below the least of
    // them, so that they start within the first millimetre; checked first in millimetres,
    // where a far larger drawing would overflow the hundredths.
    const double originX = std::floor(extents.minX), originY = std::floor(extents.minY);
    if (extents.maxX - originX > static_cast<double>(WidestExtent + 1) ||
        extents.maxY - originY > static_cast<double>(HighestExtent + 1))
        throw PerfilError(tooLarge);
    std::vector<TExactPoint> exact;
    std::int64_t leastX = INT64_MAX, greatestX = 0, greatestY = 0;
    for (const Point& p : points) {
        exact.push_back({Hundredths(p.x - originX), Hundredths(p.y - originY)});
        leastX = std::min(leastX, exact.back().X);
        greatestX = std::max(greatestX, exact.back().X);
        greatestY = std::max(greatestY, exact.back().Y);
    }
    const std::int64_t roomX = Room(greatestX, WidestExtent);
    const std::int64_t roomY = Room(greatestY, HighestExtent);
    if (roomX < 0 || roomY < 0)
        throw PerfilError(tooLarge);
    // A drawing already inside stays where it is; any other goes by whole millimetres
    // until its left and bottom edges round to the margin from the area's, or as far as
    // its size allows.
    const bool inside = originX >= 0.0 && originX <= static_cast<double>(roomX) &&
                        originY >= 0.0 && originY <= static_cast<double>(roomY);
    const std::int64_t shiftX = inside ? static_cast<std::int64_t>(originX)
                                       : std::min(Margin - WholeMillimetres(leastX), roomX);
    const std::int64_t shiftY =
        inside ? static_cast<std::int64_t>(originY)
               : std::max<std::int64_t>(0, HighestExtent - Margin - WholeMillimetres(greatestY));
    for (TExactPoint& p : exact)
        p = {p.X + shiftX * HundredthsPerMm, p.Y + shiftY * HundredthsPerMm};

    Placed result;
    std::size_t next = 0;
    for (const TDrawnShape& s : shapes) {
        TProfileObject o;
        o.Number = static_cast<std::int32_t>(result.records.size() + 1);
        o.Kind = s.source->isPoint ? okAppendix : okBar;
        CheckWidth(*s.source, s.width);
        o.Thickness = s.width > 0.0 ? s.width : defaultThickness;
        SetExactPoint(o, TEnd::P1, exact[next++]);
        if (!s.source->isPoint) {
            SetExactPoint(o, TEnd::P2, exact[next++]);
            // A bar whose ends meet once rounded is no bar; the editor drops such bars too.
            if (ExactPoint(o, TEnd::P1) == ExactPoint(o, TEnd::P2)) {
                ++result.skipped;
                continue;
            }
        }
        result.records.push_back(o);
    }
    return result;
}

// The drawing with its arcs taken as bends, placed; nothing when a corner they round lies
// beyond the area, or when, rounded to the hundredth, the corners would not give the arcs
// back. The arcs then stay chords.
std::optional<Placed> PlaceBent(const std::vector<TDrawnShape>& bent, const TArcBends& arcs,
                                double defaultThickness) {
    try {
        Placed placed = Place(bent, defaultThickness);
        if (FindBends(placed.records, arcs.innerRadius).Bends.size() ==
            static_cast<std::size_t>(arcs.taken))
            return placed;
    } catch (const PerfilError&) {
        // As chords, the drawing may still fit; if not, placing it says why.
    }
    return std::nullopt;
}

} // namespace

TDxfImport ImportDxf(std::span<const std::uint8_t> bytes, double defaultThickness) {
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    const DxfDrawing drawing = ReadDxf(text, TProfile::Capacity);
    if (!drawing.fault.empty())
        throw PerfilError(drawing.fault);
    if (!drawing.complete)
        throw PerfilError("O arquivo não é um desenho DXF completo");
    const std::optional<double> scale = UnitScale(drawing.insUnits);
    if (!scale)
        throw PerfilError(
            Format("Unidade de desenho não suportada ($INSUNITS %lld)", drawing.insUnits));
    if (drawing.shapeCount > static_cast<std::size_t>(TProfile::Capacity))
        throw PerfilError(Format("O desenho tem %zu objetos; um perfil tem no máximo %d",
                                 drawing.shapeCount, TProfile::Capacity));
    if (drawing.shapes.empty())
        throw PerfilError("O desenho não tem linhas, polilinhas, arcos nem pontos");

    const std::vector<TDrawnShape> drawn = Drawn(drawing, *scale);
    std::vector<TDrawnShape> bent = drawn;
    TArcBends arcs = TakeArcBends(bent, defaultThickness);
    std::optional<Placed> placed =
        arcs.taken > 0 ? PlaceBent(bent, arcs, defaultThickness) : std::nullopt;
    if (!placed) {
        arcs.taken = 0;
        arcs.innerRadius = 0;
        placed = Place(drawn, defaultThickness);
    }
    TDxfImport result;
    result.Records = std::move(placed->records);
    if (result.Records.empty())
        throw PerfilError("O desenho não tem linhas, polilinhas, arcos nem pontos");
    result.Bends = arcs.taken;
    result.UnequalRadii = arcs.unequal;
    result.BendRadius = arcs.innerRadius;
    result.Straightened = drawing.straightened - arcs.taken - arcs.unequal;
    result.Skipped = placed->skipped + drawing.skipped;
    return result;
}

TDxfImport ImportDxfFile(const std::string& path, double defaultThickness) {
    const std::vector<std::uint8_t> bytes = ReadFileBytes(path, LargestFile);
    if (bytes.size() > LargestFile)
        throw PerfilError("O arquivo é grande demais para um desenho DXF de perfil");
    return ImportDxf(bytes, defaultThickness);
}

std::string ImportNotice(const TDxfImport& import) {
    const std::size_t made = import.Records.size();
    std::string notice = made == 1 ? "1 objeto importado do desenho DXF"
                                   : Format("%zu objetos importados do desenho DXF", made);
    if (import.Bends == 1)
        notice += Format("; 1 arco importado como dobra (raio interno %s mm)",
                         MillimetreText(std::llround(import.BendRadius * 100), true).c_str());
    else if (import.Bends > 1)
        notice += Format("; %d arcos importados como dobras (raio interno %s mm)", import.Bends,
                         MillimetreText(std::llround(import.BendRadius * 100), true).c_str());
    if (import.UnequalRadii > 0)
        notice +=
            Format("; %d arcos importados como cordas: raios diferentes", import.UnequalRadii);
    if (import.Straightened == 1)
        notice += "; 1 arco tomado como barra reta";
    else if (import.Straightened > 1)
        notice += Format("; %d arcos tomados como barras retas", import.Straightened);
    if (import.Skipped == 1)
        notice += "; 1 entidade ignorada";
    else if (import.Skipped > 1)
        notice += Format("; %d entidades ignoradas", import.Skipped);
    return notice;
}
