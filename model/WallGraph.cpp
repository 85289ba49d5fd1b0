#include "WallGraph.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <numeric>
#include <utility>

namespace {

// Node indices by point, open addressing: the lattice search below asks for many points
// that are no node, and a binary search per point cost most of the graph's time.
class NodeTable {
  public:
    explicit NodeTable(const std::vector<TExactPoint>& nodes) : m_nodes(nodes) {
        std::size_t size = 16;
        while (size < 2 * nodes.size())
            size *= 2;
        m_mask = size - 1;
        m_slots.assign(size, -1);
        for (std::size_t n = 0; n < nodes.size(); ++n) {
            std::size_t i = slot(nodes[n]);
            while (m_slots[i] >= 0)
                i = (i + 1) & m_mask;
            m_slots[i] = static_cast<int>(n);
        }
    }

    // The node's index, -1 when p is no node.
    int find(TExactPoint p) const {
        for (std::size_t i = slot(p);; i = (i + 1) & m_mask)
            if (m_slots[i] < 0 || m_nodes[m_slots[i]] == p)
                return m_slots[i];
    }

  private:
    std::size_t slot(TExactPoint p) const {
        const std::uint64_t key = static_cast<std::uint64_t>(p.X) * 0x9E3779B97F4A7C15ull ^
                                  static_cast<std::uint64_t>(p.Y);
        return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ull) >> 40) & m_mask;
    }

    const std::vector<TExactPoint>& m_nodes;
    std::vector<int> m_slots;
    std::size_t m_mask = 0;
};

double Distance(TExactPoint a, TExactPoint b) {
    const TPointMm d = Millimetres({b.X - a.X, b.Y - a.Y});
    return std::sqrt(d.X * d.X + d.Y * d.Y); // hypot cost 6 % of the graph on a full profile
}

// The coarsest lattice that holds every node: the greatest common divisor of all
// coordinates, 100 for a profile in whole millimetres. Lattice points are searched on it.
std::int64_t LatticeStep(const std::vector<TExactPoint>& nodes) {
    std::int64_t step = 0;
    for (const TExactPoint& p : nodes)
        step = std::gcd(step, std::gcd(p.X, p.Y));
    return step == 0 ? 1 : step;
}

// The nodes on the bar from a to b in their order along it, both ends included, into
// chain. A node inside the bar is a point of the nodes' lattice on it: a bar whose
// coordinate differences, in lattice steps, have the greatest common divisor g holds
// g - 1 of them. The cheaper of two searches is taken: looking those points up, or
// testing every node within the bar's X range (the nodes are ordered by X).
void NodesAlong(const std::vector<TExactPoint>& nodes, const NodeTable& table,
                std::int64_t lattice, TExactPoint a, TExactPoint b,
                std::vector<std::pair<std::int64_t, int>>& along, std::vector<int>& chain) {
    const std::int64_t dx = b.X - a.X, dy = b.Y - a.Y;
    const std::int64_t g = std::gcd(dx, dy) / lattice;
    const auto first = std::lower_bound(nodes.begin(), nodes.end(),
                                        TExactPoint{std::min(a.X, b.X), INT64_MIN}, PointBefore);
    const auto last = std::upper_bound(first, nodes.end(),
                                       TExactPoint{std::max(a.X, b.X), INT64_MAX}, PointBefore);
    along.clear();
    if (g - 1 < last - first) {
        const std::int64_t stepX = dx / g, stepY = dy / g;
        std::int64_t x = a.X, y = a.Y;
        for (std::int64_t k = 1; k < g; ++k) {
            x += stepX;
            y += stepY;
            if (const int n = table.find({x, y}); n >= 0)
                along.emplace_back(k, n);
        }
    } else {
        // Position along the bar by its larger coordinate difference, growing from P1.
        const bool byX = std::llabs(dx) >= std::llabs(dy);
        for (auto it = first; it != last; ++it)
            if (InsideSegment(*it, a, b)) {
                const std::int64_t s = byX ? it->X - a.X : it->Y - a.Y;
                along.emplace_back((byX ? dx : dy) < 0 ? -s : s,
                                   static_cast<int>(it - nodes.begin()));
            }
        std::sort(along.begin(), along.end());
    }
    chain.clear();
    chain.push_back(table.find(a));
    for (const auto& entry : along)
        chain.push_back(entry.second);
    chain.push_back(table.find(b));
}

// Where an object's end sits in arrays that hold both ends of every object: [2 i] for P1,
// [2 i + 1] for P2.
std::size_t Side(std::size_t object, TEnd end) {
    return 2 * object + (end == TEnd::P1 ? 0 : 1);
}

// The bends' corners, which no edge reaches: the arcs leave the bars before them.
void DropCorners(std::vector<TExactPoint>& nodes, std::span<const TProfileObject> objects,
                 const TBends& bends) {
    std::vector<TExactPoint> corners;
    corners.reserve(bends.Bends.size());
    for (const TBend& bend : bends.Bends)
        corners.push_back(ExactPoint(objects[bend.BarA], bend.EndA));
    std::sort(corners.begin(), corners.end(), PointBefore);
    std::erase_if(nodes, [&](TExactPoint p) {
        return std::binary_search(corners.begin(), corners.end(), p, PointBefore);
    });
}

// The points where the bends leave their bars, numbered after the exact nodes, for each
// bar end (by Side), -1 where no bend starts. A bar that its two bends take whole leaves
// no straight piece: both arcs then share one point.
std::vector<int> TangentNodes(TWallGraph& g, const TBends& bends) {
    std::vector<int> node(bends.Ends.size(), -1);
    g.Tangents.reserve(2 * bends.Bends.size());
    auto leave = [&](std::size_t bar, TEnd end, TPointMm at) {
        const std::size_t side = Side(bar, end), other = side ^ 1;
        const TPointMm a = bends.Ends[side], b = bends.Ends[other];
        if (node[other] >= 0 && std::hypot(b.X - a.X, b.Y - a.Y) <= 1e-9) {
            node[side] = node[other];
            return;
        }
        node[side] = static_cast<int>(g.Nodes.size() + g.Tangents.size());
        g.Tangents.push_back(at);
    };
    for (const TBend& bend : bends.Bends) {
        leave(bend.BarA, bend.EndA, bend.TangentA);
        leave(bend.BarB, bend.EndB, bend.TangentB);
    }
    return node;
}

} // namespace

TWallGraph BuildWallGraph(std::span<const TProfileObject> objects, double innerRadius) {
    return BuildWallGraph(objects, innerRadius > 0 ? FindBends(objects, innerRadius) : TBends{});
}

TWallGraph BuildWallGraph(std::span<const TProfileObject> objects, const TBends& bends) {
    TWallGraph g;
    for (const TProfileObject& o : objects)
        if (IsWallBar(o)) {
            g.Nodes.push_back(ExactPoint(o, TEnd::P1));
            g.Nodes.push_back(ExactPoint(o, TEnd::P2));
        }
    std::sort(g.Nodes.begin(), g.Nodes.end(), PointBefore);
    g.Nodes.erase(std::unique(g.Nodes.begin(), g.Nodes.end()), g.Nodes.end());
    // The lattice holds the bars' ends, corners and all, for the search along them.
    const std::int64_t lattice = LatticeStep(g.Nodes);

    // Each bend's corner gives way to the two points where its arc leaves the bars, joined
    // by the arc.
    std::vector<int> tangentNode;
    if (!bends.Bends.empty()) {
        DropCorners(g.Nodes, objects, bends);
        tangentNode = TangentNodes(g, bends);
    }
    auto rounded = [&](std::size_t side, int node) {
        return tangentNode.empty() || tangentNode[side] < 0 ? node : tangentNode[side];
    };

    const NodeTable table(g.Nodes);
    std::vector<std::pair<std::int64_t, int>> along;
    std::vector<int> chain;
    for (std::size_t i = 0; i < objects.size(); ++i) {
        const TProfileObject& o = objects[i];
        if (!IsWallBar(o))
            continue;
        NodesAlong(g.Nodes, table, lattice, ExactPoint(o, TEnd::P1), ExactPoint(o, TEnd::P2),
                   along, chain);
        chain.front() = rounded(Side(i, TEnd::P1), chain.front());
        chain.back() = rounded(Side(i, TEnd::P2), chain.back());
        // Taken whole by its bends.
        if (chain.size() == 2 && chain.front() == chain.back())
            continue;
        for (std::size_t k = 1; k < chain.size(); ++k) {
            const int a = chain[k - 1], b = chain[k];
            if (g.isExact(a) && g.isExact(b)) {
                g.Edges.push_back({a, b, o.Thickness, Distance(g.Nodes[a], g.Nodes[b])});
            } else {
                const TPointMm p = g.point(a), q = g.point(b);
                g.Edges.push_back({a, b, o.Thickness, std::hypot(q.X - p.X, q.Y - p.Y)});
            }
        }
    }
    for (const TBend& bend : bends.Bends)
        g.Edges.push_back({tangentNode[Side(bend.BarA, bend.EndA)],
                           tangentNode[Side(bend.BarB, bend.EndB)], bend.Thickness, bend.length(),
                           bend.Sweep, bend.Centre});
    return g;
}
