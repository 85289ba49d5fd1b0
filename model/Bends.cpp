#include "Bends.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>

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

// A corner before it is known to fit.
struct Corner {
    BarEnd a, b;
    TExactPoint at;
    double tangent = 0; // the length the arc takes from each bar
    double halfAngle = 0; // half the angle between the bars
};

double Length(const TProfileObject& o) {
    const TPointMm a = PointMm(o, TEnd::P1), b = PointMm(o, TEnd::P2);
    return std::hypot(b.X - a.X, b.Y - a.Y);
}

// The unit vector from the corner along the bar, towards its other end.
TPointMm Along(const TProfileObject& o, TEnd atCorner) {
    const TPointMm from = PointMm(o, atCorner), to = PointMm(o, Other(atCorner));
    const double length = std::hypot(to.X - from.X, to.Y - from.Y);
    return {(to.X - from.X) / length, (to.Y - from.Y) / length};
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

    // The bar ends at each point, ordered by point so that the result never depends on the
    // order of the objects beyond the indices it names.
    auto before = [](TExactPoint p, TExactPoint q) { return p.X != q.X ? p.X < q.X : p.Y < q.Y; };
    std::map<TExactPoint, std::vector<BarEnd>, decltype(before)> endsAt(before);
    for (std::size_t i = 0; i < objects.size(); ++i)
        if (TakesPart(objects[i]))
            for (const TEnd end : {TEnd::P1, TEnd::P2})
                endsAt[ExactPoint(objects[i], end)].push_back({i, end});

    std::vector<Corner> corners;
    for (const auto& [at, ends] : endsAt) {
        if (ends.size() != 2)
            continue;
        const bool crossed = std::ranges::any_of(objects, [&, &p = at](const TProfileObject& o) {
            return TakesPart(o) && Inside(p, ExactPoint(o, TEnd::P1), ExactPoint(o, TEnd::P2));
        });
        if (crossed)
            continue;
        const TPointMm u = Along(objects[ends[0].bar], ends[0].end);
        const TPointMm v = Along(objects[ends[1].bar], ends[1].end);
        const double angle = std::atan2(std::abs(u.X * v.Y - u.Y * v.X), u.X * v.X + u.Y * v.Y);
        // In line, or folded back: there is no corner to round.
        if (angle <= 0 || angle >= std::numbers::pi)
            continue;
        Corner c{ends[0], ends[1], at};
        c.halfAngle = angle / 2;
        const double thickness =
            std::min(objects[c.a.bar].Thickness, objects[c.b.bar].Thickness);
        c.tangent = (innerRadius + thickness / 2) / std::tan(c.halfAngle);
        corners.push_back(c);
    }

    // What each bar end gives up to its bend, so that a bar bent at both ends is checked
    // against both.
    std::map<std::pair<std::size_t, TEnd>, double> taken;
    for (const Corner& c : corners) {
        taken[{c.a.bar, c.a.end}] = c.tangent;
        taken[{c.b.bar, c.b.end}] = c.tangent;
    }
    auto fits = [&](const BarEnd& e, double tangent) {
        const auto other = taken.find({e.bar, Other(e.end)});
        const double otherTangent = other == taken.end() ? 0.0 : other->second;
        return tangent + otherTangent <= Length(objects[e.bar]);
    };

    for (const Corner& c : corners) {
        const TPointMm corner = Millimetres(c.at);
        if (!fits(c.a, c.tangent) || !fits(c.b, c.tangent)) {
            result.Sharp.push_back({c.a.bar, c.b.bar, corner});
            continue;
        }
        const TProfileObject &a = objects[c.a.bar], &b = objects[c.b.bar];
        const TPointMm u = Along(a, c.a.end), v = Along(b, c.b.end);
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
