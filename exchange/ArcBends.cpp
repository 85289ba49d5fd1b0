#include "ArcBends.h"

#include "ProfileInfo.h"
#include "Rounding.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

namespace {

constexpr double JoinTolerance = 0.01;                            // mm
constexpr double TangentTolerance = 0.1 * std::numbers::pi / 180; // radians
constexpr double RadiusTolerance = 0.01;                          // mm

TPointMm Minus(TPointMm p, TPointMm q) {
    return {p.X - q.X, p.Y - q.Y};
}

double Dot(TPointMm u, TPointMm v) {
    return u.X * v.X + u.Y * v.Y;
}

double Cross(TPointMm u, TPointMm v) {
    return u.X * v.Y - u.Y * v.X;
}

double Distance(TPointMm p, TPointMm q) {
    return std::hypot(p.X - q.X, p.Y - q.Y);
}

TPointMm& End(TDrawnShape& shape, TEnd end) {
    return end == TEnd::P1 ? shape.a : shape.b;
}

TPointMm End(const TDrawnShape& shape, TEnd end) {
    return end == TEnd::P1 ? shape.a : shape.b;
}

struct Join {
    std::size_t shape;
    TEnd end;
    TPointMm away; // the unit direction from the arc's end along the bar
};

struct Bend {
    std::size_t arc;
    Join a, b;
    double innerRadius;
    TPointMm corner;
};

// The one straight bar with an end at p, the end of the arc of shapes[arc] whose other end
// is other, when it leaves the arc along its tangent.
std::optional<Join> TangentBar(const std::vector<TDrawnShape>& shapes, std::size_t arc, TPointMm p,
                               TPointMm other) {
    std::optional<Join> found;
    int near = 0;
    for (std::size_t i = 0; i < shapes.size(); ++i)
        if (i != arc && !shapes[i].source->isPoint)
            for (const TEnd end : {TEnd::P1, TEnd::P2})
                if (Distance(End(shapes[i], end), p) <= JoinTolerance) {
                    ++near;
                    found = Join{i, end, {}};
                }
    if (near != 1 || shapes[found->shape].radius > 0)
        return std::nullopt;
    const TDrawnShape& bar = shapes[found->shape];
    const TPointMm far = End(bar, found->end == TEnd::P1 ? TEnd::P2 : TEnd::P1);
    const double length = Distance(far, p);
    const TDrawnShape& chord = shapes[arc];
    const TPointMm radial = Minus(p, chord.centre);
    found->away = {(far.X - p.X) / length, (far.Y - p.Y) / length};
    const bool tangent =
        std::abs(Dot(found->away, radial)) <= std::sin(TangentTolerance) * chord.radius;
    if (!(length > 0 && tangent && Dot(found->away, Minus(p, other)) > 0))
        return std::nullopt;
    return found;
}

// Where the two bars' lines meet, behind the arc's ends.
TPointMm Corner(const std::vector<TDrawnShape>& shapes, const Join& a, const Join& b) {
    const TPointMm p = End(shapes[a.shape], a.end), q = End(shapes[b.shape], b.end);
    const double back = Cross(Minus(p, q), b.away) / Cross(a.away, b.away);
    return {p.X - back * a.away.X, p.Y - back * a.away.Y};
}

std::optional<Bend> ArcBend(const std::vector<TDrawnShape>& shapes, std::size_t arc,
                            double defaultThickness) {
    const TDrawnShape& chord = shapes[arc];
    if (!(chord.radius > 0 && std::isfinite(chord.radius) && chord.sweep < std::numbers::pi))
        return std::nullopt;
    const std::optional<Join> a = TangentBar(shapes, arc, chord.a, chord.b);
    const std::optional<Join> b = TangentBar(shapes, arc, chord.b, chord.a);
    if (!a || !b || a->shape == b->shape)
        return std::nullopt;
    // Bars all but in line meet nowhere that a number can say.
    const TPointMm corner = Corner(shapes, *a, *b);
    if (!std::isfinite(corner.X) || !std::isfinite(corner.Y))
        return std::nullopt;
    auto thickness = [&](const Join& j) {
        return shapes[j.shape].width > 0 ? shapes[j.shape].width : defaultThickness;
    };
    return Bend{arc, *a, *b, chord.radius - std::min(thickness(*a), thickness(*b)) / 2, corner};
}

} // namespace

TArcBends TakeArcBends(std::vector<TDrawnShape>& shapes, double defaultThickness) {
    std::vector<Bend> bends;
    for (std::size_t i = 0; i < shapes.size(); ++i)
        if (const std::optional<Bend> bend = ArcBend(shapes, i, defaultThickness))
            bends.push_back(*bend);
    if (bends.empty())
        return {};
    const auto [least, greatest] =
        std::ranges::minmax(bends, {}, [](const Bend& b) { return b.innerRadius; });
    if (greatest.innerRadius - least.innerRadius > RadiusTolerance)
        return {0, static_cast<int>(bends.size()), 0};
    const double radius = RoundTiesEven((least.innerRadius + greatest.innerRadius) * 50) / 100;
    if (!(radius > 0 && radius <= TProfileInfo::MaxBendRadius))
        return {};

    for (const Bend& bend : bends) {
        End(shapes[bend.a.shape], bend.a.end) = bend.corner;
        End(shapes[bend.b.shape], bend.b.end) = bend.corner;
    }
    std::vector<bool> arc(shapes.size(), false);
    for (const Bend& bend : bends)
        arc[bend.arc] = true;
    std::vector<TDrawnShape> kept;
    for (std::size_t i = 0; i < shapes.size(); ++i)
        if (!arc[i])
            kept.push_back(shapes[i]);
    shapes = std::move(kept);
    return {static_cast<int>(bends.size()), 0, radius};
}
