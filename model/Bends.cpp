#include "Bends.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <utility>
#include <vector>

namespace {

bool TakesPart(const TProfileObject& o) {
    return o.Number != 0 && o.isBar() && ExactPoint(o, TEnd::P1) != ExactPoint(o, TEnd::P2) &&
           std::isfinite(o.Thickness) && o.Thickness > 0.0;
}

TEnd Other(TEnd end) {
    return end == TEnd::P1 ? TEnd::P2 : TEnd::P1;
}

// Strictly between the ends of segment a-b and on it, in exact arithmetic.
bool Inside(TExactPoint p, TExactPoint a, TExactPoint b) {
    if (p == a || p == b)
        return false;
    // Most segments are far from the point: their box settles it without products.
    if (p.X < std::min(a.X, b.X) || p.X > std::max(a.X, b.X) || p.Y < std::min(a.Y, b.Y) ||
        p.Y > std::max(a.Y, b.Y))
        return false;
    const __int128 cross = static_cast<__int128>(b.X - a.X) * (p.Y - a.Y) -
                           static_cast<__int128>(b.Y - a.Y) * (p.X - a.X);
    const __int128 dot = static_cast<__int128>(p.X - a.X) * (b.X - a.X) +
                         static_cast<__int128>(p.Y - a.Y) * (b.Y - a.Y);
    const __int128 squared = static_cast<__int128>(b.X - a.X) * (b.X - a.X) +
                             static_cast<__int128>(b.Y - a.Y) * (b.Y - a.Y);
    return cross == 0 && dot > 0 && dot < squared;
}

struct BarEnd {
    std::size_t bar;
    TEnd end;
};

struct EndAt {
    TExactPoint at;
    BarEnd end;
};

// A bar seen from its end at a corner: the unit vector towards its other end, and its
// length.
struct Leg {
    TPointMm unit;
    double length;
};

// A corner before it is known to fit.
struct Corner {
    BarEnd a, b;
    Leg legA, legB;
    TExactPoint at;
    double tangent = 0; // the length the arc takes from each bar
    double halfAngle = 0; // half the angle between the bars
};

Leg LegFrom(const TProfileObject& o, TEnd atCorner) {
    const TPointMm from = PointMm(o, atCorner), to = PointMm(o, Other(atCorner));
    const double length = std::hypot(to.X - from.X, to.Y - from.Y);
    return {{(to.X - from.X) / length, (to.Y - from.Y) / length}, length};
}

TPointMm Offset(TPointMm p, TPointMm direction, double distance) {
    return {p.X + distance * direction.X, p.Y + distance * direction.Y};
}

} // namespace

double TBend::length() const {
    return Radius * std::abs(Sweep);
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
    for (std::size_t i = 0; i < objects.size(); ++i)
        if (TakesPart(objects[i])) {
            const TExactPoint a = ExactPoint(objects[i], TEnd::P1);
            const TExactPoint b = ExactPoint(objects[i], TEnd::P2);
            bars.emplace_back(a, b);
            ends.push_back({a, {i, TEnd::P1}});
            ends.push_back({b, {i, TEnd::P2}});
        }
    // Ties keep the objects' order: the first end at a corner is bar A's.
    std::ranges::sort(ends, [](const EndAt& p, const EndAt& q) {
        if (p.at.X != q.at.X)
            return p.at.X < q.at.X;
        if (p.at.Y != q.at.Y)
            return p.at.Y < q.at.Y;
        return p.end.bar != q.end.bar ? p.end.bar < q.end.bar : p.end.end < q.end.end;
    });

    std::vector<Corner> corners;
    for (std::size_t first = 0, next = 0; first < ends.size(); first = next) {
        while (next < ends.size() && ends[next].at == ends[first].at)
            ++next;
        if (next - first != 2)
            continue;
        const TExactPoint at = ends[first].at;
        const bool crossed = std::ranges::any_of(
            bars, [&](const auto& bar) { return Inside(at, bar.first, bar.second); });
        if (crossed)
            continue;
        const BarEnd e0 = ends[first].end, e1 = ends[first + 1].end;
        const Leg legA = LegFrom(objects[e0.bar], e0.end), legB = LegFrom(objects[e1.bar], e1.end);
        const TPointMm u = legA.unit, v = legB.unit;
        const double angle = std::atan2(std::abs(u.X * v.Y - u.Y * v.X), u.X * v.X + u.Y * v.Y);
        // In line, or folded back: there is no corner to round.
        if (angle <= 0 || angle >= std::numbers::pi)
            continue;
        Corner c{e0, e1, legA, legB, at};
        c.halfAngle = angle / 2;
        const double thickness =
            std::min(objects[c.a.bar].Thickness, objects[c.b.bar].Thickness);
        c.tangent = (innerRadius + thickness / 2) / std::tan(c.halfAngle);
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
    // A bar that another bar's end meets within the arc's reach would lose that joint.
    // Only the ends within the tangent's reach in X, of those ordered by X, can.
    auto joinedWithin = [&](const BarEnd& e, TExactPoint corner, double tangent) {
        const TProfileObject& bar = objects[e.bar];
        const TExactPoint far = ExactPoint(bar, Other(e.end));
        const TPointMm from = Millimetres(corner);
        const auto reach = static_cast<std::int64_t>(std::ceil(tangent * HundredthsPerMm));
        auto byX = [](const EndAt& end, std::int64_t x) { return end.at.X < x; };
        for (auto it = std::lower_bound(ends.begin(), ends.end(), corner.X - reach, byX);
             it != ends.end() && it->at.X <= corner.X + reach; ++it) {
            if (!Inside(it->at, corner, far))
                continue;
            const TPointMm p = Millimetres(it->at);
            if (std::hypot(p.X - from.X, p.Y - from.Y) <= tangent)
                return true;
        }
        return false;
    };
    auto fits = [&](const BarEnd& e, const Leg& leg, TExactPoint corner, double tangent) {
        return tangent + taken[side(e) ^ 1] <= leg.length && !joinedWithin(e, corner, tangent);
    };

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
        const double bisectorLength = std::hypot(u.X + v.X, u.Y + v.Y);
        const TPointMm bisector{(u.X + v.X) / bisectorLength, (u.Y + v.Y) / bisectorLength};
        bend.Centre = Offset(corner, bisector, bend.Radius / std::sin(c.halfAngle));
        bend.StartAngle =
            std::atan2(bend.TangentA.Y - bend.Centre.Y, bend.TangentA.X - bend.Centre.X);
        // The arc turns the way the path A -> corner -> B turns, through the supplement of
        // the angle between the bars.
        const double turn = std::numbers::pi - 2 * c.halfAngle;
        const double cross = (-u.X) * v.Y - (-u.Y) * v.X;
        bend.Sweep = cross > 0 ? turn : -turn;
        result.Ends[2 * bend.BarA + (bend.EndA == TEnd::P1 ? 0 : 1)] = bend.TangentA;
        result.Ends[2 * bend.BarB + (bend.EndB == TEnd::P1 ? 0 : 1)] = bend.TangentB;
        result.Bends.push_back(bend);
    }
    return result;
}

std::string SharpCornerNotice(std::string_view pointText) {
    return "canto vivo em (" + std::string(pointText) + "): sem espaço para a dobra";
}
