#include "StripModel.h"

#include <algorithm>
#include <cmath>

TStripModel::Node WallNodePoint(const TWallGraph& g, int n) {
    return {static_cast<double>(g.Nodes[n].X), static_cast<double>(g.Nodes[n].Y)};
}

std::vector<int> DefaultStripCounts(const TWallGraph& g) {
    double longest = 0;
    for (const TWallGraph::Edge& e : g.Edges)
        longest = std::max(longest, e.Length);
    std::vector<int> counts;
    counts.reserve(g.Edges.size());
    for (const TWallGraph::Edge& e : g.Edges)
        counts.push_back(std::max(4, static_cast<int>(std::ceil(8 * e.Length / longest - 1e-9))));
    return counts;
}

TStripModel BuildStripModel(const TWallGraph& g, std::span<const int> stripsPerEdge) {
    TStripModel m;
    for (std::size_t n = 0; n < g.Nodes.size(); ++n)
        m.Nodes.push_back(WallNodePoint(g, static_cast<int>(n)));
    for (std::size_t i = 0; i < g.Edges.size(); ++i) {
        const TWallGraph::Edge& e = g.Edges[i];
        const TStripModel::Node a = m.Nodes[e.A], b = m.Nodes[e.B];
        const int count = stripsPerEdge[i];
        m.NarrowestPlate = i == 0 ? e.Length : std::min(m.NarrowestPlate, e.Length);
        int previous = e.A;
        for (int k = 1; k <= count; ++k) {
            int next = e.B;
            if (k < count) {
                const double f = static_cast<double>(k) / count;
                m.Nodes.push_back({a.X + f * (b.X - a.X), a.Y + f * (b.Y - a.Y)});
                next = static_cast<int>(m.Nodes.size()) - 1;
            }
            m.Strips.push_back({previous, next, e.Thickness});
            previous = next;
        }
    }
    return m;
}
