#include "DxfImport.h"

#include "DrawingArea.h"
#include "DxfReader.h"
#include "FileBytes.h"
#include "PerfilError.h"
#include "Profile.h"
#include "Rounding.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <optional>
#include <string_view>

namespace {

constexpr double AreaWidth = DrawingArea::Width;
constexpr double AreaHeight = DrawingArea::Height;
// The largest extent whose rounded ends both fall on pixels of the area.
constexpr double WidestExtent = AreaWidth - 1.0;
constexpr double HighestExtent = AreaHeight - 1.0;
constexpr double Margin = 10.0;
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

// The shortest text that reads back as value, with '.' whatever the process locale.
std::string NumberText(double value) {
    char buffer[32];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, error == std::errc() ? end : buffer);
}

// A width is a wall's thickness: none can be wider than the whole area. No width, or one
// of zero or less, stands for none, as CAD programs write them.
void CheckWidth(const DxfShape& shape, double millimetres) {
    if (millimetres <= AreaWidth)
        return;
    throw PerfilError(Format("A entidade %s da linha %zu tem a largura de %s mm, maior que os "
                             "%d mm da área",
                             shape.entity.c_str(), shape.line, NumberText(millimetres).c_str(),
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

// The whole-millimetre shift that places the rounded drawing inside the area.
Point Placement(const Extents& e) {
    const double left = RoundTiesEven(e.minX);
    const double right = RoundTiesEven(e.maxX);
    const double top = RoundTiesEven(e.minY);
    const double bottom = RoundTiesEven(e.maxY);
    const double width = right - left;
    const double height = bottom - top;
    if (width > WidestExtent || height > HighestExtent)
        throw PerfilError(Format("O desenho mede %.0f × %.0f mm e não cabe na área de "
                                 "%d × %d mm",
                                 e.maxX - e.minX, e.maxY - e.minY, DrawingArea::Width,
                                 DrawingArea::Height));
    if (left >= 0.0 && right <= WidestExtent && top >= 0.0 && bottom <= HighestExtent)
        return {0.0, 0.0};
    const double newLeft = std::min(Margin, WidestExtent - width);
    const double newBottom = std::max(HighestExtent - Margin, height);
    return {newLeft - left, newBottom - bottom};
}

std::int32_t Placed(double value, double shift) {
    // Within the area by construction; the clamp only guards the conversion.
    return static_cast<std::int32_t>(std::clamp(RoundTiesEven(value) + shift, 0.0, WidestExtent));
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

    std::vector<Point> points;
    for (const DxfShape& s : drawing.shapes) {
        points.push_back({s.x1 * *scale, AreaHeight - s.y1 * *scale});
        if (!s.isPoint)
            points.push_back({s.x2 * *scale, AreaHeight - s.y2 * *scale});
    }
    const Extents extents = ExtentsOf(points);
    if (!(std::isfinite(extents.maxX - extents.minX) && std::isfinite(extents.maxY - extents.minY)))
        throw PerfilError(Format("O desenho é grande demais para a área de %d × %d mm",
                                 DrawingArea::Width, DrawingArea::Height));
    const Point shift = Placement(extents);

    TDxfImport result;
    for (const Point& p : points)
        result.LargestRoundingShift =
            std::max({result.LargestRoundingShift, std::abs(p.x - RoundTiesEven(p.x)),
                      std::abs(p.y - RoundTiesEven(p.y))});
    std::size_t next = 0;
    for (const DxfShape& s : drawing.shapes) {
        TProfileObject o;
        o.Number = static_cast<std::int32_t>(result.Records.size() + 1);
        o.Kind = s.isPoint ? okAppendix : okBar;
        const double width = s.width * *scale;
        CheckWidth(s, width);
        o.Thickness = width > 0.0 ? width : defaultThickness;
        o.P1 = {Placed(points[next].x, shift.x), Placed(points[next].y, shift.y)};
        ++next;
        if (!s.isPoint) {
            o.P2 = {Placed(points[next].x, shift.x), Placed(points[next].y, shift.y)};
            ++next;
            // A bar whose ends meet once rounded is no bar; the editor drops such bars too.
            if (o.P1 == o.P2) {
                ++result.Skipped;
                continue;
            }
        }
        result.Records.push_back(o);
    }
    if (result.Records.empty())
        throw PerfilError("O desenho não tem linhas, polilinhas, arcos nem pontos");
    result.Straightened = drawing.straightened;
    result.Skipped += drawing.skipped;
    return result;
}

TDxfImport ImportDxfFile(const std::string& path, double defaultThickness) {
    const std::vector<std::uint8_t> bytes = ReadFileBytes(path, LargestFile);
    if (bytes.size() > LargestFile)
        throw PerfilError("O arquivo é grande demais para um desenho DXF de perfil");
    return ImportDxf(bytes, defaultThickness);
}

std::string ImportNotice(const TDxfImport& import, char decimalSeparator) {
    const std::size_t made = import.Records.size();
    std::string notice = made == 1 ? "1 objeto importado do desenho DXF"
                                   : Format("%zu objetos importados do desenho DXF", made);
    if (import.Straightened == 1)
        notice += "; 1 arco tomado como barra reta";
    else if (import.Straightened > 1)
        notice += Format("; %d arcos tomados como barras retas", import.Straightened);
    if (import.Skipped == 1)
        notice += "; 1 entidade ignorada";
    else if (import.Skipped > 1)
        notice += Format("; %d entidades ignoradas", import.Skipped);
    if (import.LargestRoundingShift > 0.0) {
        // to_chars, unlike printf, ignores the process locale.
        char buffer[32];
        const auto [end, error] =
            std::to_chars(buffer, buffer + sizeof buffer, import.LargestRoundingShift,
                          std::chars_format::fixed, 2);
        std::string shift(buffer, error == std::errc() ? end : buffer);
        std::replace(shift.begin(), shift.end(), '.', decimalSeparator);
        notice += "; arredondamento de até " + shift + " mm";
    }
    return notice;
}
