#include "StandardSection.h"

#include "DrawingArea.h"
#include "ExactPoint.h"
#include "NumberText.h"
#include "PerfilError.h"

#include <algorithm>
#include <cmath>

namespace {

// Coordinates in hundredths of a millimetre, y downwards, not yet rounded.
struct Point {
    double X, Y;
};

struct Wall {
    Point A, B;
    double Thickness; // hundredths
};

void AddChain(std::vector<Wall>& walls, std::initializer_list<Point> points, double thickness) {
    for (auto p = points.begin(); p + 1 != points.end(); ++p)
        walls.push_back({p[0], p[1], thickness});
}

// The centre-lines, upright, the web's top end (or the corner) at the origin.
std::vector<Wall> CentreLines(const TSectionDesignation& section) {
    std::vector<double> d(section.Dimensions.begin(), section.Dimensions.end());
    const double t = d.back();
    std::vector<Wall> walls;
    switch (section.Type) {
    case TSectionType::U: {
        const double h = d[0] - t, b = d[1] - t / 2;
        AddChain(walls, {{b, 0}, {0, 0}, {0, h}, {b, h}}, t);
        break;
    }
    case TSectionType::Ue: {
        const double h = d[0] - t, b = d[1] - t, l = d[2] - t / 2;
        AddChain(walls, {{b, l}, {b, 0}, {0, 0}, {0, h}, {b, h}, {b, h - l}}, t);
        break;
    }
    case TSectionType::Z: {
        const double h = d[0] - t, b = d[1] - t / 2;
        AddChain(walls, {{b, 0}, {0, 0}, {0, h}, {-b, h}}, t);
        break;
    }
    case TSectionType::Ze: {
        const double h = d[0] - t, b = d[1] - t, l = d[2] - t / 2;
        AddChain(walls, {{b, l}, {b, 0}, {0, 0}, {0, h}, {-b, h}, {-b, h - l}}, t);
        break;
    }
    case TSectionType::Z45: {
        // The lip leaves the flange outwards and down at 45°; the sharp outer corner lies
        // t/2 tan(22.5°) beyond the centre-lines' corner, along the flange and the lip.
        const double k = t / 2 * (std::sqrt(2.0) - 1);
        const double h = d[0] - t, b = d[1] - t / 2 - k, e = (d[2] - k) / std::sqrt(2.0);
        AddChain(walls, {{b + e, e}, {b, 0}, {0, 0}, {0, h}, {-b, h}, {-b - e, h - e}}, t);
        break;
    }
    case TSectionType::Cr: {
        const double w = d[0] - t, h = d[1] - t, l = d[2] - t / 2;
        AddChain(walls, {{-l, h}, {0, h}, {0, 0}, {w, 0}, {w, h}, {w + l, h}}, t);
        break;
    }
    case TSectionType::L: {
        const double a = d[0] - t / 2, b = d[1] - t / 2;
        AddChain(walls, {{0, 0}, {0, a}, {b, a}}, t);
        break;
    }
    case TSectionType::TR: {
        const double h = d[0] - t, w = d[1] - t;
        AddChain(walls, {{0, 0}, {w, 0}, {w, h}, {0, h}, {0, 0}}, t);
        break;
    }
    case TSectionType::I: {
        // Each flange in two halves, so that the web meets it at bar ends.
        const double h = d[0] - d[2], half = d[1] / 2, tf = d[2], tw = d[3];
        AddChain(walls, {{-half, 0}, {0, 0}, {half, 0}}, tf);
        AddChain(walls, {{0, 0}, {0, h}}, tw);
        AddChain(walls, {{-half, h}, {0, h}, {half, h}}, tf);
        break;
    }
    }
    return walls;
}

// Upright, which dimensions make the height and the width.
std::pair<const char*, const char*> ExtentNames(TSectionType type) {
    switch (type) {
    case TSectionType::Z45:
        return {"bw", "bf e D"};
    case TSectionType::Cr:
        return {"bf", "bw e D"};
    case TSectionType::L:
        return {"bf1", "bf2"};
    case TSectionType::TR:
        return {"h", "b"};
    case TSectionType::I:
        return {"d", "bf"};
    default:
        return {"bw", "bf"};
    }
}

// A quarter turn: the upright width downwards becomes the height upwards.
std::vector<Wall> Oriented(std::vector<Wall> walls, bool horizontal) {
    if (horizontal)
        for (Wall& w : walls)
            for (Point* p : {&w.A, &w.B})
                *p = {p->Y, -p->X};
    return walls;
}

struct Extent {
    double Low, High;
    double size() const { return High - Low; }
};

Extent ExtentOf(const std::vector<Wall>& walls, double Point::*axis) {
    Extent e{walls[0].A.*axis, walls[0].A.*axis};
    for (const Wall& w : walls)
        for (const Point& p : {w.A, w.B}) {
            e.Low = std::min(e.Low, p.*axis);
            e.High = std::max(e.High, p.*axis);
        }
    return e;
}

// Places one axis of the walls on the drawing area: the extent centred on centre, its low
// side on a whole hundredth, every coordinate rounded with ties away from the middle.
class AxisPlacement {
  public:
    AxisPlacement(Extent extent, std::int64_t centre)
        : m_middle((extent.Low + extent.High) / 2),
          m_to(static_cast<double>(std::llround(static_cast<double>(centre) - extent.size() / 2)) +
               extent.size() / 2) {}

    std::int64_t operator()(double coordinate) const {
        const double offset = coordinate - m_middle;
        const double placed = m_to + offset;
        return static_cast<std::int64_t>(offset >= 0 ? std::floor(placed + 0.5)
                                                     : std::ceil(placed - 0.5));
    }

  private:
    double m_middle; // where the extent's middle lies among the walls
    double m_to;     // where it goes on the drawing area
};

std::string ExtentText(double hundredths) {
    return MillimetreText(std::llround(hundredths)) + " mm";
}

} // namespace

std::optional<std::string> SectionFitProblem(const TSectionDesignation& section, bool horizontal) {
    const std::vector<Wall> walls = Oriented(CentreLines(section), horizontal);
    auto [heightNames, widthNames] = ExtentNames(section.Type);
    if (horizontal)
        std::swap(heightNames, widthNames);
    std::vector<std::string> problems;
    const auto check = [&](double size, int room, const char* extent, const char* names) {
        if (size > static_cast<double>(room * HundredthsPerMm))
            problems.push_back(std::string(extent) + " de " + ExtentText(size) + " (" + names +
                               ") para " + std::to_string(room) + " mm de área");
    };
    check(ExtentOf(walls, &Point::Y).size(), DrawingArea::Height, "altura", heightNames);
    check(ExtentOf(walls, &Point::X).size(), DrawingArea::Width, "largura", widthNames);
    if (problems.empty())
        return std::nullopt;
    std::string text = DesignationText(section) + " não cabe na área de desenho: " + problems[0];
    if (problems.size() > 1)
        text += " e " + problems[1];
    return text;
}

std::vector<TProfileObject> SectionBars(const TSectionDesignation& section, bool horizontal) {
    if (const std::optional<std::string> problem = SectionFitProblem(section, horizontal))
        throw PerfilError(*problem);
    const std::vector<Wall> walls = Oriented(CentreLines(section), horizontal);
    const AxisPlacement x(ExtentOf(walls, &Point::X), DrawingArea::Width * HundredthsPerMm / 2);
    const AxisPlacement y(ExtentOf(walls, &Point::Y), DrawingArea::Height * HundredthsPerMm / 2);
    std::vector<TProfileObject> bars;
    for (const Wall& w : walls) {
        TProfileObject o;
        o.Number = static_cast<std::int32_t>(bars.size() + 1);
        o.Kind = okBar;
        o.Thickness = w.Thickness / static_cast<double>(HundredthsPerMm);
        SetExactPoint(o, TEnd::P1, {x(w.A.X), y(w.A.Y)});
        SetExactPoint(o, TEnd::P2, {x(w.B.X), y(w.B.Y)});
        bars.push_back(o);
    }
    return bars;
}
