#include "StripModel.h"

#include "ExactPoint.h"

#include <algorithm>
#include <cmath>

TStripModel::Node WallNodePoint(const TWallGraph& g, int n) {
    const TPointMm p = g.point(n);
    return {p.X, p.Y};
}

std::vector<int> DefaultStripCounts(const TWallGraph& g) {
    double longest = 0;
    for (const TWallGraph::Edge& e : g.Edges)
        if (!e.isArc())
            longest = std::max(longest, e.Length);
    std::vector<int> counts;
    counts.reserve(g.Edges.size());
    for (const TWallGraph::Edge& e : g.Edges)
        counts.push_back(
            e.isArc() ? static_cast<int>(std::ceil(std::abs(e.Sweep) / StripTurn - 1e-9))
                      : std::max(4, static_cast<int>(std::ceil(8 * e.Length / longest - 1e-9))));
    return counts;
}

namespace {

// The point a fraction f of the way along edge e from a to b: on the chord, or on the arc.
TStripModel::Node Along(const TWallGraph::Edge& e, TStripModel::Node a, TStripModel::Node b,
                        double f) {
    if (!e.isArc())
        return {a.X + f * (b.X - a.X), a.Y + f * (b.Y - a.Y)};
    const double angle = std::atan2(a.Y - e.Centre.Y, a.X - e.Centre.X) + f * e.Sweep;
    return {e.Centre.X + e.radius() * std::cos(angle), e.Centre.Y + e.radius() * std::sin(angle)};
}

} // namespace

TStripModel BuildStripModel(const TWallGraph& g, std::span<const int> stripsPerEdge) {
    TStripModel m;
    for (std::size_t n = 0; n < g.nodeCount(); ++n)
        m.Nodes.push_back(WallNodePoint(g, static_cast<int>(n)));
    // A bend is no plate: the narrowest is the narrowest straight piece, if there is one.
    const bool anyStraight =
        std::ranges::any_of(g.Edges, [](const TWallGraph::Edge& e) { return !e.isArc(); });
    bool first = true;
    for (std::size_t i = 0; i < g.Edges.size(); ++i) {
        const TWallGraph::Edge& e = g.Edges[i];
        const TStripModel::Node a = m.Nodes[e.A], b = m.Nodes[e.B];
        const int count = stripsPerEdge[i];
        if (!e.isArc() || !anyStraight) {
            m.NarrowestPlate = first ? e.Length : std::min(m.NarrowestPlate, e.Length);
            first = false;
        }
        int previous = e.A;
        for (int k = 1; k <= count; ++k) {
            int next = e.B;
            if (k < count) {
                m.Nodes.push_back(Along(e, a, b, static_cast<double>(k) / count));
                next = static_cast<int>(m.Nodes.size()) - 1;
            }
            m.Strips.push_back({previous, next, e.Thickness});
            previous = next;
        }
    }
    return m;
}
