#include "Bends.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <utility>
#include <vector>

namespace {

TEnd Other(TEnd end) {
    return end == TEnd::P1 ? TEnd::P2 : TEnd::P1;
}

struct BarEnd {
    std::size_t bar;
    TEnd end;
};

struct EndAt {
    TExactPoint at;
    BarEnd end;
};

// A bar seen from its end at a corner: its other end, the unit vector towards it, and
// its length.
struct Leg {
    TExactPoint far;
    TPointMm unit;
    double length;
};

// A corner before it is known to fit.
struct Corner {
    BarEnd a, b;
    Leg legA, legB;
    TExactPoint at;
    double tangent = 0; // the length the arc takes from each bar
    double angle = 0;   // between the bars, and its sine
    double sine = 0;
};

Leg LegBetween(TExactPoint corner, TExactPoint far) {
    const TPointMm from = Millimetres(corner), to = Millimetres(far);
    const double dx = to.X - from.X, dy = to.Y - from.Y;
    const double length = std::sqrt(dx * dx + dy * dy);
    return {far, {dx / length, dy / length}, length};
}

TPointMm Offset(TPointMm p, TPointMm direction, double distance) {
    return {p.X + distance * direction.X, p.Y + distance * direction.Y};
}

// True when an end of another bar meets the leg strictly inside it within reach (mm) of
// the corner: the arc would cut that joint off. Such an end lies in the box that the
// leg's first reach spans, whose ends bound it in the order of the ends.
bool JoinedWithin(const std::vector<EndAt>& ends, TExactPoint corner, const Leg& leg,
                  double reach) {
    const auto steps = static_cast<std::int64_t>(std::ceil(reach * HundredthsPerMm));
    auto towards = [steps](std::int64_t from, std::int64_t to) {
        return to > from ? from + steps : to < from ? from - steps : from;
    };
    const TExactPoint beyond{towards(corner.X, leg.far.X), towards(corner.Y, leg.far.Y)};
    const TExactPoint low{std::min(corner.X, beyond.X), std::min(corner.Y, beyond.Y)};
    const TExactPoint high{std::max(corner.X, beyond.X), std::max(corner.Y, beyond.Y)};
    auto it = std::lower_bound(ends.begin(), ends.end(), low,
                               [](const EndAt& e, TExactPoint p) { return PointBefore(e.at, p); });
    for (; it != ends.end() && !PointBefore(high, it->at); ++it) {
        if (it->at.Y < low.Y || it->at.Y > high.Y || !InsideSegment(it->at, corner, leg.far))
            continue;
        const TPointMm p = Millimetres(it->at), from = Millimetres(corner);
        if (std::hypot(p.X - from.X, p.Y - from.Y) <= reach)
            return true;
    }
    return false;
}

} // namespace

bool IsWallBar(const TProfileObject& o) {
    return o.Number != 0 && o.isBar() && ExactPoint(o, TEnd::P1) != ExactPoint(o, TEnd::P2) &&
           std::isfinite(o.Thickness) && o.Thickness > 0.0;
}

double TBend::length() const {
    return Radius * std::abs(Sweep);
}

TPointMm TBend::startDirection() const {
    return {(TangentA.X - Centre.X) / Radius, (TangentA.Y - Centre.Y) / Radius};
}

TPointMm TBend::endDirection() const {
    return {(TangentB.X - Centre.X) / Radius, (TangentB.Y - Centre.Y) / Radius};
}

bool TBends::bent(std::size_t object, TEnd which) const {
    return std::ranges::any_of(Bends, [&](const TBend& b) {
        return (b.BarA == object && b.EndA == which) || (b.BarB == object && b.EndB == which);
    });
}

TBends FindBends(std::span<const TProfileObject> objects, double innerRadius) {
    TBends result;
    result.Ends.reserve(2 * objects.size());
    for (const TProfileObject& o : objects) {
        result.Ends.push_back(PointMm(o, TEnd::P1));
        result.Ends.push_back(PointMm(o, TEnd::P2));
    }
    if (!(innerRadius > 0))
        return result;

    // The exact ends of the bars that take part, and every such end ordered by point so
    // that the result never depends on the order of the objects beyond the indices it
    // names. Sorted arrays rather than maps: this runs on every change the window follows.
    std::vector<std::pair<TExactPoint, TExactPoint>> bars;
    std::vector<EndAt> ends;
    bars.reserve(objects.size());
    ends.reserve(2 * objects.size());
    for (std::size_t i = 0; i < objects.size(); ++i) {
        const TExactPoint a = ExactPoint(objects[i], TEnd::P1);
        const TExactPoint b = ExactPoint(objects[i], TEnd::P2);
        if (!IsWallBar(objects[i]))
            continue;
        bars.emplace_back(a, b);
        ends.push_back({a, {i, TEnd::P1}});
        ends.push_back({b, {i, TEnd::P2}});
    }
    // Ties keep the objects' order: the first end at a corner is bar A's.
    std::ranges::sort(ends, [](const EndAt& p, const EndAt& q) {
        if (p.at != q.at)
            return PointBefore(p.at, q.at);
        return p.end.bar != q.end.bar ? p.end.bar < q.end.bar : p.end.end < q.end.end;
    });

    // At most one corner for every two ends.
    std::vector<Corner> corners;
    corners.reserve(ends.size() / 2);
    for (std::size_t first = 0, next = 0; first < ends.size(); first = next) {
        while (next < ends.size() && ends[next].at == ends[first].at)
            ++next;
        if (next - first != 2)
            continue;
        const TExactPoint at = ends[first].at;
        const bool crossed = std::ranges::any_of(
            bars, [&](const auto& bar) { return InsideSegment(at, bar.first, bar.second); });
        if (crossed)
            continue;
        const BarEnd e0 = ends[first].end, e1 = ends[first + 1].end;
        auto legOf = [&](const BarEnd& e) {
            return LegBetween(at, ExactPoint(objects[e.bar], Other(e.end)));
        };
        Corner c{e0, e1, legOf(e0), legOf(e1), at};
        const TPointMm u = c.legA.unit, v = c.legB.unit;
        c.sine = std::abs(u.X * v.Y - u.Y * v.X);
        c.angle = std::atan2(c.sine, u.X * v.X + u.Y * v.Y);
        // In line, or folded back: there is no corner to round.
        if (c.angle <= 0 || c.angle >= std::numbers::pi)
            continue;
        const double thickness =
            std::min(objects[c.a.bar].Thickness, objects[c.b.bar].Thickness);
        c.tangent = (innerRadius + thickness / 2) / std::tan(c.angle / 2);
        corners.push_back(c);
    }

    // What each bar end gives up to its bend, so that a bar bent at both ends is checked
    // against both: [2 i] for P1, [2 i + 1] for P2.
    auto side = [](const BarEnd& e) { return 2 * e.bar + (e.end == TEnd::P1 ? 0 : 1); };
    std::vector<double> taken(2 * objects.size(), 0.0);
    for (const Corner& c : corners) {
        taken[side(c.a)] = c.tangent;
        taken[side(c.b)] = c.tangent;
    }
    auto fits = [&](const BarEnd& e, const Leg& leg, TExactPoint corner, double tangent) {
        return tangent + taken[side(e) ^ 1] <= leg.length &&
               !JoinedWithin(ends, corner, leg, tangent);
    };

    result.Bends.reserve(corners.size());
    for (const Corner& c : corners) {
        const TPointMm corner = Millimetres(c.at);
        if (!fits(c.a, c.legA, c.at, c.tangent) || !fits(c.b, c.legB, c.at, c.tangent)) {
            result.Sharp.push_back({c.a.bar, c.b.bar, corner, c.at});
            continue;
        }
        const TProfileObject &a = objects[c.a.bar], &b = objects[c.b.bar];
        const TPointMm u = c.legA.unit, v = c.legB.unit;
        TBend bend;
        bend.BarA = c.a.bar;
        bend.BarB = c.b.bar;
        bend.EndA = c.a.end;
        bend.EndB = c.b.end;
        bend.Corner = corner;
        bend.Thickness = std::min(a.Thickness, b.Thickness);
        bend.Radius = innerRadius + bend.Thickness / 2;
        bend.TangentA = Offset(corner, u, c.tangent);
        bend.TangentB = Offset(corner, v, c.tangent);
        // On the bisector u + v, whose length is 2 cos(angle / 2), at R / sin(angle / 2)
        // from the corner: u + v times R / sin(angle).
        bend.Centre = Offset(corner, {u.X + v.X, u.Y + v.Y}, bend.Radius / c.sine);
        bend.StartAngle =
            std::atan2(bend.TangentA.Y - bend.Centre.Y, bend.TangentA.X - bend.Centre.X);
        // The arc turns the way the path A -> corner -> B turns, through the supplement of
        // the angle between the bars.
        const double turn = std::numbers::pi - c.angle;
        const double cross = (-u.X) * v.Y - (-u.Y) * v.X;
        bend.Sweep = cross > 0 ? turn : -turn;
        result.Ends[side(c.a)] = bend.TangentA;
        result.Ends[side(c.b)] = bend.TangentB;
        result.Bends.push_back(bend);
    }
    return result;
}

std::string SharpCornerNotice(std::string_view pointText) {
    return "canto vivo em (" + std::string(pointText) + "): sem espaço para a dobra";
}
