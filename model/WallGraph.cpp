#include "WallGraph.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

namespace {

bool IsWallBar(const TProfileObject& o) {
    return o.isBar() && o.P1 != o.P2 && std::isfinite(o.Thickness) && o.Thickness > 0.0;
}

bool NodeBefore(TPoint a, TPoint b) {
    return a.X != b.X ? a.X < b.X : a.Y < b.Y;
}

int NodeIndex(const std::vector<TPoint>& nodes, TPoint p) {
    return static_cast<int>(std::lower_bound(nodes.begin(), nodes.end(), p, NodeBefore) -
                            nodes.begin());
}

// Strictly between the ends of segment a-b and on it. Products of int32 differences
// need more than 64 bits.
bool InsideSegment(TPoint p, TPoint a, TPoint b) {
    if (p == a || p == b)
        return false;
    if (p.Y < std::min(a.Y, b.Y) || p.Y > std::max(a.Y, b.Y))
        return false;
    const __int128 cross = static_cast<__int128>(std::int64_t{b.X} - a.X) * (std::int64_t{p.Y} - a.Y) -
                           static_cast<__int128>(std::int64_t{b.Y} - a.Y) * (std::int64_t{p.X} - a.X);
    return cross == 0;
}

double Distance(TPoint a, TPoint b) {
    return std::hypot(static_cast<double>(std::int64_t{b.X} - a.X),
                      static_cast<double>(std::int64_t{b.Y} - a.Y));
}

// The nodes on the bar from P1 to P2 in their order along it, both ends included.
std::vector<int> NodesAlong(const std::vector<TPoint>& nodes, const TProfileObject& bar) {
    const TPoint a = bar.P1, b = bar.P2;
    // The nodes are ordered by X, so only the run within the bar's X range is looked at.
    const auto first = std::lower_bound(nodes.begin(), nodes.end(), TPoint{std::min(a.X, b.X), INT32_MIN},
                                        NodeBefore);
    std::vector<std::pair<std::int64_t, int>> along;
    const bool byX = std::llabs(std::int64_t{b.X} - a.X) >= std::llabs(std::int64_t{b.Y} - a.Y);
    auto position = [&](TPoint p) {
        const std::int64_t s = byX ? std::int64_t{p.X} - a.X : std::int64_t{p.Y} - a.Y;
        return (byX ? b.X < a.X : b.Y < a.Y) ? -s : s;
    };
    along.emplace_back(0, NodeIndex(nodes, a));
    for (auto it = first; it != nodes.end() && it->X <= std::max(a.X, b.X); ++it)
        if (InsideSegment(*it, a, b))
            along.emplace_back(position(*it), static_cast<int>(it - nodes.begin()));
    along.emplace_back(position(b), NodeIndex(nodes, b));
    std::sort(along.begin() + 1, along.end() - 1);
    std::vector<int> order;
    order.reserve(along.size());
    for (const auto& entry : along)
        order.push_back(entry.second);
    return order;
}

} // namespace

TWallGraph BuildWallGraph(std::span<const TProfileObject> objects) {
    TWallGraph g;
    for (const TProfileObject& o : objects)
        if (IsWallBar(o)) {
            g.Nodes.push_back(o.P1);
            g.Nodes.push_back(o.P2);
        }
    std::sort(g.Nodes.begin(), g.Nodes.end(), NodeBefore);
    g.Nodes.erase(std::unique(g.Nodes.begin(), g.Nodes.end()), g.Nodes.end());

    for (const TProfileObject& o : objects) {
        if (!IsWallBar(o))
            continue;
        const std::vector<int> chain = NodesAlong(g.Nodes, o);
        for (std::size_t k = 1; k < chain.size(); ++k) {
            const int a = chain[k - 1], b = chain[k];
            g.Edges.push_back({a, b, o.Thickness, Distance(g.Nodes[a], g.Nodes[b])});
        }
    }
    return g;
}
