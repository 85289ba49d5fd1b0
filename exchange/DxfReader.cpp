#include "DxfReader.h"

#include "DxfNumber.h"
#include "DxfPairCheck.h"

#include <dl_creationadapter.h>
#include <dl_dxf.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <exception>
#include <numbers>
#include <optional>
#include <sstream>
#include <string>

namespace {

// dxflib sizes some arrays straight from counts in the file (vertices, knots, control
// and fit points, leader vertices, hatch loops). Counts above this are not passed on,
// so a hostile count cannot exhaust memory.
constexpr long LargestCount = 4096;

constexpr int CommentCode = 999;

bool IsCountCode(int code) {
    switch (code) {
    case 72:
    case 73:
    case 74:
    case 76:
    case 90:
    case 91:
    case 92:
    case 93:
        return true;
    default:
        return false;
    }
}

// dxflib keeps each value in buffers of DL_DXF_MAXLINE characters.
constexpr std::size_t LongestValue = DL_DXF_MAXLINE - 1;

// The DXF text as group-code / value pairs.
class PairSource {
  public:
    explicit PairSource(std::string_view text) : m_text(text) {}

    // False at the end of the text or at a line that is not a group code. The value is
    // as dxflib would read it, but never longer than its line buffer.
    bool next(int& code, std::string& value) {
        std::string_view codeLine;
        std::string_view valueLine;
        if (!line(codeLine) || !line(valueLine))
            return false;
        codeLine = DxfStripped(codeLine);
        const auto [end, error] = std::from_chars(codeLine.begin(), codeLine.end(), code);
        if (error != std::errc() || end != codeLine.end() || code < 0 || code > 1071)
            return false;
        if (!valueLine.empty() && valueLine.back() == '\r')
            valueLine.remove_suffix(1);
        value.assign(valueLine.substr(0, LongestValue));
        return true;
    }

    // The line number of the last value.
    std::size_t valueLine() const { return m_line; }

  private:
    bool line(std::string_view& out) {
        if (m_position >= m_text.size())
            return false;
        const std::size_t end = m_text.find('\n', m_position);
        const std::size_t stop = end == std::string_view::npos ? m_text.size() : end;
        out = m_text.substr(m_position, stop - m_position);
        m_position = stop + 1;
        ++m_line;
        return true;
    }

    std::string_view m_text;
    std::size_t m_position = 0;
    std::size_t m_line = 0;
};

struct PendingVertex {
    double x, y, bulge;
};

// Receives dxflib's entities. The widths dxflib does not report (the constant width of a
// polyline, the start and end widths, a point's thickness) come from the pairs of the
// entity being reported, which the reading loop collects beside dxflib.
class Collector : public DL_CreationAdapter {
  public:
    Collector(DxfDrawing& drawing, std::size_t keepAtMost)
        : m_drawing(drawing), m_keepAtMost(keepAtMost) {}

    // The pairs of the entity that dxflib reports next.
    std::vector<double> entityWidths;
    std::optional<double> entityThickness;
    bool inEntities = false;
    // Its type and the line that names it.
    std::string entityType;
    std::size_t entityLine = 0;

    void addLine(const DL_LineData& d) override {
        finishPolyline();
        if (inEntities)
            add(segment(d.x1, d.y1, d.x2, d.y2, 0.0, entityType, entityLine));
    }

    void addArc(const DL_ArcData& d) override {
        finishPolyline();
        if (!inEntities)
            return;
        const std::optional<double> xSign = PlaneXSign();
        if (!xSign) {
            ++m_drawing.skipped;
            return;
        }
        const double a1 = d.angle1 * std::numbers::pi / 180.0;
        const double a2 = d.angle2 * std::numbers::pi / 180.0;
        ++m_drawing.straightened;
        DxfShape chord =
            segment(*xSign * (d.cx + d.radius * std::cos(a1)), d.cy + d.radius * std::sin(a1),
                    *xSign * (d.cx + d.radius * std::cos(a2)), d.cy + d.radius * std::sin(a2), 0.0,
                    entityType, entityLine);
        // Counter-clockwise from the first angle to the second, in (0, 360] degrees.
        const double turn = std::fmod(std::fmod(d.angle2 - d.angle1, 360.0) + 360.0, 360.0);
        setArc(chord, *xSign * d.cx, d.cy, d.radius,
               (turn == 0.0 ? 360.0 : turn) * std::numbers::pi / 180.0);
        add(chord);
    }

    void addPoint(const DL_PointData& d) override {
        finishPolyline();
        if (!inEntities)
            return;
        DxfShape shape;
        shape.isPoint = true;
        shape.entity = entityType;
        shape.line = entityLine;
        shape.x1 = d.x;
        shape.y1 = d.y;
        shape.width = entityThickness.value_or(0.0);
        add(shape);
    }

    void addPolyline(const DL_PolylineData& d) override {
        finishPolyline();
        if (!inEntities)
            return;
        m_polyline = true;
        m_polylineType = entityType;
        m_polylineLine = entityLine;
        const std::optional<double> xSign = PlaneXSign();
        m_xSign = xSign.value_or(1.0);
        // 8: 3-D polyline, 16: polygon mesh, 64: polyface mesh; none is a section line.
        m_polylineSkipped = (d.flags & (8 | 16 | 64)) != 0 || !xSign;
        m_closed = (d.flags & 1) != 0;
        m_vertices.clear();
        m_firstWidth.reset();
        m_widthVaries = false;
        takeWidths();
    }

    void addVertex(const DL_VertexData& d) override {
        if (!m_polyline)
            return;
        takeWidths();
        // Beyond what can be kept each vertex still counts as the segment it ends.
        if (m_vertices.size() <= m_keepAtMost + 1)
            m_vertices.push_back({d.x, d.y, d.bulge});
        else
            ++m_drawing.shapeCount;
    }

    void endSequence() override { finishPolyline(); }

    void finishPolyline() {
        if (!m_polyline)
            return;
        m_polyline = false;
        if (m_polylineSkipped || m_vertices.size() < 2) {
            ++m_drawing.skipped;
            return;
        }
        const double width = m_firstWidth && !m_widthVaries ? *m_firstWidth : 0.0;
        const std::size_t n = m_vertices.size();
        const std::size_t segments = m_closed && n > 2 ? n : n - 1;
        for (std::size_t i = 0; i < segments; ++i) {
            const PendingVertex& a = m_vertices[i];
            const PendingVertex& b = m_vertices[(i + 1) % n];
            DxfShape piece = segment(m_xSign * a.x, a.y, m_xSign * b.x, b.y, width, m_polylineType,
                                     m_polylineLine);
            if (a.bulge != 0.0) {
                ++m_drawing.straightened;
                setBulge(piece, m_xSign * a.bulge);
            }
            add(piece);
        }
    }

  private:
    // Arcs and 2-D polylines lie in a plane given by its normal: +z is the drawing's own,
    // -z the same plane seen from behind, with x mirrored (CAD programs mirror arcs so).
    // The sign that turns their x into the drawing's; none for any other plane.
    std::optional<double> PlaneXSign() {
        const double* normal = getExtrusion()->getDirection();
        // CAD programs write the normal with rounding noise in x and y.
        const double noise = 1e-9 * std::abs(normal[2]);
        if (!(std::abs(normal[0]) <= noise && std::abs(normal[1]) <= noise && normal[2] != 0.0))
            return std::nullopt;
        return normal[2] > 0.0 ? 1.0 : -1.0;
    }

    // A polyline has a constant width when every start, end and constant width it gives
    // is the same.
    void takeWidths() {
        for (const double width : entityWidths) {
            if (!m_firstWidth)
                m_firstWidth = width;
            else if (width != *m_firstWidth)
                m_widthVaries = true;
        }
        entityWidths.clear();
    }

    static DxfShape segment(double x1, double y1, double x2, double y2, double width,
                            const std::string& type, std::size_t line) {
        DxfShape shape;
        shape.entity = type;
        shape.line = line;
        shape.x1 = x1;
        shape.y1 = y1;
        shape.x2 = x2;
        shape.y2 = y2;
        shape.width = width;
        return shape;
    }

    static void setArc(DxfShape& chord, double cx, double cy, double radius, double sweep) {
        chord.isChord = true;
        chord.cx = cx;
        chord.cy = cy;
        chord.radius = radius;
        chord.sweep = sweep;
    }

    // A bulge is the tangent of a quarter of the arc's turn, positive counter-clockwise;
    // the centre lies off the chord's middle, to the left for a positive bulge of less than
    // a half turn.
    static void setBulge(DxfShape& chord, double bulge) {
        const double dx = chord.x2 - chord.x1, dy = chord.y2 - chord.y1;
        const double offset = (1 - bulge * bulge) / (4 * bulge);
        setArc(chord, (chord.x1 + chord.x2) / 2 - dy * offset,
               (chord.y1 + chord.y2) / 2 + dx * offset,
               std::hypot(dx, dy) * (1 + bulge * bulge) / (4 * std::abs(bulge)),
               4 * std::atan(std::abs(bulge)));
    }

    void add(const DxfShape& shape) {
        if (!(std::isfinite(shape.x1) && std::isfinite(shape.y1) && std::isfinite(shape.x2) &&
              std::isfinite(shape.y2))) {
            ++m_drawing.skipped;
            return;
        }
        ++m_drawing.shapeCount;
        if (m_drawing.shapes.size() < m_keepAtMost)
            m_drawing.shapes.push_back(shape);
    }

    DxfDrawing& m_drawing;
    std::size_t m_keepAtMost;
    bool m_polyline = false;
    bool m_polylineSkipped = false;
    std::string m_polylineType;
    std::size_t m_polylineLine = 0;
    bool m_closed = false;
    double m_xSign = 1.0;
    std::vector<PendingVertex> m_vertices;
    std::optional<double> m_firstWidth;
    bool m_widthVaries = false;
};

bool Handled(const std::string& type) {
    return type == "LINE" || type == "LWPOLYLINE" || type == "POLYLINE" || type == "VERTEX" ||
           type == "SEQEND" || type == "POINT" || type == "ARC";
}

} // namespace

DxfDrawing ReadDxf(std::string_view text, std::size_t keepAtMost) {
    DxfDrawing drawing;
    Collector collector(drawing, keepAtMost);
    DL_Dxf dxf;
    // Reading an empty stream puts dxflib's reader into its initial state; the pairs
    // then go to it one at a time, so that the loop sees each pair too. Pairs reach
    // dxflib cleaned: a group code it can read, a value that fits its line buffer.
    std::stringstream pair;
    dxf.in(pair, &collector);

    PairSource pairs(text);
    DxfPairCheck check;
    int code = 0;
    std::string value;
    bool sectionStarts = false;
    while (pairs.next(code, value)) {
        check.take(code, value, pairs.valueLine());
        if (!check.fault().empty()) {
            drawing.fault = check.fault();
            return drawing;
        }
        const std::string& entityType = collector.entityType;
        const std::optional<double> number = DxfReal(value);
        // Comments carry nothing to draw, and dxflib reads its own version out of them.
        if (code == CommentCode)
            continue;
        if (IsCountCode(code) && !(number && *number <= LargestCount)) {
            // A polyline of that many vertices has more segments than a profile has room
            // for: the import is to refuse it, not to leave it out.
            if (code == 90 && entityType == "LWPOLYLINE" && number && *number > 0)
                drawing.shapeCount += static_cast<std::size_t>(std::min(*number, 1e9)) - 1;
            continue;
        }
        pair.clear();
        pair.str(std::to_string(code) + '\n' + value + '\n');
        // dxflib signals some malformed values (such as a short version text) by throwing;
        // the drawing is then as incomplete as one cut short.
        try {
            dxf.readDxfGroups(pair, &collector);
        } catch (const std::exception&) {
            return drawing;
        }
        if (code == 0) {
            collector.entityWidths.clear();
            collector.entityThickness.reset();
            collector.entityType = value;
            collector.entityLine = pairs.valueLine();
            if (value == "EOF") {
                drawing.complete = true;
                break;
            }
            if (value == "ENDSEC")
                collector.inEntities = false;
            else if (collector.inEntities && !Handled(value))
                ++drawing.skipped;
            sectionStarts = value == "SECTION";
            continue;
        }
        if (sectionStarts && code == 2)
            collector.inEntities = value == "ENTITIES";
        sectionStarts = false;
        if ((code == 43 || code == 40 || code == 41) && number &&
            (entityType == "LWPOLYLINE" || entityType == "POLYLINE" || entityType == "VERTEX"))
            collector.entityWidths.push_back(*number);
        else if (code == 39 && entityType == "POINT")
            collector.entityThickness = number;
    }
    check.finish();
    drawing.fault = check.fault();
    if (drawing.fault.empty())
        collector.finishPolyline();
    drawing.insUnits = check.insUnits();
    return drawing;
}
