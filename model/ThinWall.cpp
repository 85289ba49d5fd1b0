#include "ThinWall.h"

#include "WallGraph.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <numeric>
#include <span>
#include <vector>

namespace {

using Edge = TWallGraph::Edge;

// Twice the area between an arc of the given turn and its chord, signed as the turn: what
// the arc adds to a shoelace sum over its chord, and the part of the sectorial coordinate's
// growth along it that the chord misses.
double ArcExcess(double radius, double turn, double sine) {
    return radius * radius * (turn - sine);
}

// The edges at each node, held in one array rather than a list per node: allocations
// were an eighth of the time on a full profile.
class Incidence {
  public:
    explicit Incidence(const TWallGraph& g)
        : m_start(g.nodeCount() + 1, 0), m_edges(2 * g.Edges.size()) {
        for (const Edge& e : g.Edges) {
            ++m_start[e.A + 1];
            ++m_start[e.B + 1];
        }
        std::partial_sum(m_start.begin(), m_start.end(), m_start.begin());
        std::vector<int> next(m_start.begin(), m_start.end() - 1);
        for (std::size_t i = 0; i < g.Edges.size(); ++i) {
            m_edges[next[g.Edges[i].A]++] = static_cast<int>(i);
            m_edges[next[g.Edges[i].B]++] = static_cast<int>(i);
        }
    }
    std::span<const int> at(int node) const {
        return {m_edges.data() + m_start[node], m_edges.data() + m_start[node + 1]};
    }

  private:
    std::vector<int> m_start, m_edges;
};

// Connected parts, as a part index for every node.
std::vector<int> PartOfNodes(const TWallGraph& g, int& partCount) {
    std::vector<int> root(g.nodeCount());
    std::iota(root.begin(), root.end(), 0);
    auto find = [&](int n) {
        while (root[n] != n)
            n = root[n] = root[root[n]];
        return n;
    };
    for (const Edge& e : g.Edges)
        root[find(e.A)] = find(e.B);
    std::vector<int> part(g.nodeCount(), -1), partOfRoot(g.nodeCount(), -1);
    partCount = 0;
    for (std::size_t n = 0; n < g.nodeCount(); ++n) {
        int& p = partOfRoot[find(static_cast<int>(n))];
        if (p < 0)
            p = partCount++;
        part[n] = p;
    }
    return part;
}

// Edges that lie on a cycle: what is left after leaves are pruned repeatedly.
std::vector<bool> CycleEdges(const TWallGraph& g) {
    const Incidence incident(g);
    std::vector<int> degree(g.nodeCount());
    for (std::size_t n = 0; n < degree.size(); ++n)
        degree[n] = static_cast<int>(incident.at(static_cast<int>(n)).size());
    std::vector<bool> onCycle(g.Edges.size(), true);
    std::vector<int> leaves;
    for (std::size_t n = 0; n < degree.size(); ++n)
        if (degree[n] == 1)
            leaves.push_back(static_cast<int>(n));
    while (!leaves.empty()) {
        const int n = leaves.back();
        leaves.pop_back();
        for (const int i : incident.at(n)) {
            if (!onCycle[i])
                continue;
            onCycle[i] = false;
            const Edge& e = g.Edges[i];
            const int other = e.A == n ? e.B : e.A;
            if (--degree[other] == 1)
                leaves.push_back(other);
        }
    }
    return onCycle;
}

// The area enclosed by the one cycle of a part, walked edge by edge (shoelace rule, arcs
// adding the segments beyond their chords). Exact nodes are offset exactly.
double CellArea(const TWallGraph& g, const std::vector<int>& cycle) {
    const int originNode = g.Edges[cycle.front()].A;
    auto offset = [&](int n) {
        if (g.isExact(n) && g.isExact(originNode)) {
            const TExactPoint origin = g.Nodes[originNode];
            return Millimetres({g.Nodes[n].X - origin.X, g.Nodes[n].Y - origin.Y});
        }
        const TPointMm p = g.point(n), origin = g.point(originNode);
        return TPointMm{p.X - origin.X, p.Y - origin.Y};
    };
    auto x = [&](int n) { return offset(n).X; };
    auto y = [&](int n) { return offset(n).Y; };
    std::vector<bool> used(cycle.size(), false);
    int node = originNode;
    double twice = 0;
    for (std::size_t step = 0; step < cycle.size(); ++step) {
        for (std::size_t k = 0; k < cycle.size(); ++k) {
            const Edge& e = g.Edges[cycle[k]];
            if (used[k] || (e.A != node && e.B != node))
                continue;
            used[k] = true;
            const int next = e.A == node ? e.B : e.A;
            twice += x(node) * y(next) - x(next) * y(node);
            if (e.isArc()) {
                const double turn = e.A == node ? e.Sweep : -e.Sweep;
                twice += ArcExcess(e.radius(), turn, std::sin(turn));
            }
            node = next;
            break;
        }
    }
    return std::abs(twice) / 2;
}

// J of each part: sum of L t3 / 3 over its open branches, plus Bredt's 4 A0^2 / sum(L/t)
// over its cell when it has one; NaN for a part with several cells.
double TorsionConstant(const TWallGraph& g, const std::vector<int>& part, int partCount,
                       const std::vector<int>& cyclesOfPart) {
    const std::vector<bool> onCycle = CycleEdges(g);
    std::vector<double> open(partCount, 0.0), lengthOverT(partCount, 0.0);
    std::vector<std::vector<int>> cycle(partCount);
    for (std::size_t i = 0; i < g.Edges.size(); ++i) {
        const Edge& e = g.Edges[i];
        const int p = part[e.A];
        if (onCycle[i]) {
            lengthOverT[p] += e.Length / e.Thickness;
            cycle[p].push_back(static_cast<int>(i));
        } else {
            open[p] += e.Length * e.Thickness * e.Thickness * e.Thickness / 3;
        }
    }
    double j = 0;
    for (int p = 0; p < partCount; ++p) {
        if (cyclesOfPart[p] > 1)
            return TThinWall::Missing;
        j += open[p];
        if (cyclesOfPart[p] == 1) {
            const double a0 = CellArea(g, cycle[p]);
            j += 4 * a0 * a0 / lengthOverT[p];
        }
    }
    return j;
}

// Points along the arcs where the integrals below sample them: three-point Gauss-Legendre
// on each quarter turn or less. The integrands there (products of x, y and the sectorial
// coordinate) are smooth in the angle: the rule's error bound, (pi/2)^7 (3!)^4 /
// (7 (6!)^3) times the sixth derivative, leaves under 1e-6 of a quarter turn's share, and a
// lipped channel's shear centre and Cw agree with a 20 000-chord integration to 1e-6. The
// straight pieces are integrated exactly.
struct ArcSample {
    int Edge;       // the arc edge it lies on
    double Excess;  // mm2, the sectorial coordinate's excess over the chord from the edge's
                    // node A (see ArcExcess)
    double Weight;  // mm2, thickness times the length the sample stands for
    double X, Y, W; // position about the centroid, sectorial coordinate
};

std::vector<ArcSample> SampleArcs(const TWallGraph& g, const std::vector<TPointMm>& at) {
    constexpr int Points = 3;
    constexpr double Abscissa[Points] = {-0.7745966692414834, 0.0, 0.7745966692414834};
    constexpr double Weight[Points] = {5.0 / 9, 8.0 / 9, 5.0 / 9};
    auto piecesOf = [](const Edge& e) {
        return static_cast<int>(std::ceil(std::abs(e.Sweep) / (std::numbers::pi / 2)));
    };
    std::size_t count = 0;
    for (const Edge& e : g.Edges)
        if (e.isArc())
            count += Points * piecesOf(e);
    std::vector<ArcSample> samples;
    samples.reserve(count);
    // The bends of a profile mostly turn alike: the samples' turns, their cosines and
    // sines are worked out once for each size of turn, and the sign follows the sweep.
    struct Turn {
        double angle, cosine, sine;
    };
    double tableSweep = 0;
    std::vector<Turn> turns;
    for (std::size_t i = 0; i < g.Edges.size(); ++i) {
        const Edge& e = g.Edges[i];
        if (!e.isArc())
            continue;
        const int pieces = piecesOf(e);
        if (std::abs(e.Sweep) != tableSweep) {
            tableSweep = std::abs(e.Sweep);
            turns.clear();
            for (int k = 0; k < pieces; ++k)
                for (int q = 0; q < Points; ++q) {
                    const double angle = tableSweep / pieces * (k + (1 + Abscissa[q]) / 2);
                    turns.push_back({angle, std::cos(angle), std::sin(angle)});
                }
        }
        const double sign = e.Sweep > 0 ? 1 : -1;
        // Each sample is node A turned about the centre.
        const double ax = at[e.A].X - e.Centre.X, ay = at[e.A].Y - e.Centre.Y;
        for (std::size_t j = 0; j < turns.size(); ++j) {
            const double c = turns[j].cosine, sine = sign * turns[j].sine;
            samples.push_back(
                {static_cast<int>(i), ArcExcess(e.radius(), sign * turns[j].angle, sine),
                 e.Thickness * e.Length / pieces * Weight[j % Points] / 2,
                 e.Centre.X + c * ax - sine * ay, e.Centre.Y + sine * ax + c * ay, 0});
        }
    }
    return samples;
}

// Shear centre and warping constant of a tree, by sectorial coordinates: first about the
// centroid of the line model, then moved to the pole about which they are orthogonal to
// x and y, and normalised to a zero mean.
void ShearCentreOfTree(const TWallGraph& g, TThinWall& wall) {
    const std::size_t n = g.nodeCount();
    std::vector<TPointMm> at(n);
    for (std::size_t k = 0; k < n; ++k)
        at[k] = g.point(static_cast<int>(k));
    std::vector<ArcSample> arcs = SampleArcs(g, at);
    double area = 0, sx = 0, sy = 0;
    for (const Edge& e : g.Edges) {
        const double a = e.Length * e.Thickness;
        area += a;
        if (e.isArc())
            continue;
        sx += a * (at[e.A].X + at[e.B].X) / 2;
        sy += a * (at[e.A].Y + at[e.B].Y) / 2;
    }
    for (const ArcSample& s : arcs) {
        sx += s.Weight * s.X;
        sy += s.Weight * s.Y;
    }
    const double cx = sx / area, cy = sy / area;
    std::vector<double> x(n), y(n);
    for (std::size_t k = 0; k < n; ++k) {
        x[k] = at[k].X - cx;
        y[k] = at[k].Y - cy;
    }
    for (ArcSample& s : arcs) {
        s.X -= cx;
        s.Y -= cy;
    }

    // Sectorial coordinate about the centroid, spread from node 0 over the tree.
    const Incidence incident(g);
    std::vector<double> w(n, 0.0);
    std::vector<bool> reached(n, false);
    std::vector<int> todo{0};
    reached[0] = true;
    while (!todo.empty()) {
        const int u = todo.back();
        todo.pop_back();
        for (const int i : incident.at(u)) {
            const Edge& e = g.Edges[i];
            const int v = e.A == u ? e.B : e.A;
            if (reached[v])
                continue;
            reached[v] = true;
            w[v] = w[u] + x[u] * y[v] - x[v] * y[u];
            if (e.isArc()) {
                const double turn = e.A == u ? e.Sweep : -e.Sweep;
                w[v] += ArcExcess(e.radius(), turn, std::sin(turn));
            }
            todo.push_back(v);
        }
    }
    for (ArcSample& s : arcs) {
        const Edge& e = g.Edges[s.Edge];
        s.W = w[e.A] + x[e.A] * s.Y - s.X * y[e.A] + s.Excess;
    }

    // Integrals of products of quantities linear along each straight edge, and sampled
    // along each arc.
    auto product = [&](const std::vector<double>& f, const std::vector<double>& h,
                       double ArcSample::*fArc, double ArcSample::*hArc) {
        double sum = 0;
        for (const Edge& e : g.Edges)
            if (!e.isArc())
                sum += e.Length * e.Thickness *
                       (2 * f[e.A] * h[e.A] + f[e.A] * h[e.B] + f[e.B] * h[e.A] +
                        2 * f[e.B] * h[e.B]) /
                       6;
        for (const ArcSample& s : arcs)
            sum += s.Weight * (s.*fArc) * (s.*hArc);
        return sum;
    };
    using S = ArcSample;
    const double sxx = product(x, x, &S::X, &S::X), syy = product(y, y, &S::Y, &S::Y),
                 sxy = product(x, y, &S::X, &S::Y);
    const double iwx = product(w, x, &S::W, &S::X), iwy = product(w, y, &S::W, &S::Y);
    const double det = sxx * syy - sxy * sxy;
    // All bars on one line: every sectorial coordinate is 0 and the centroid serves.
    double dx = 0, dy = 0;
    if (det > 1e-12 * sxx * syy) {
        dx = (sxx * iwy - sxy * iwx) / det;
        dy = (sxy * iwy - syy * iwx) / det;
    }
    wall.Xs = cx + dx;
    wall.Ys = cy + dy;

    double mean = 0;
    for (std::size_t k = 0; k < n; ++k)
        w[k] += dy * x[k] - dx * y[k];
    for (ArcSample& s : arcs)
        s.W += dy * s.X - dx * s.Y;
    for (const Edge& e : g.Edges)
        if (!e.isArc())
            mean += e.Length * e.Thickness * (w[e.A] + w[e.B]) / 2;
    for (const ArcSample& s : arcs)
        mean += s.Weight * s.W;
    mean /= area;
    for (double& value : w)
        value -= mean;
    for (ArcSample& s : arcs)
        s.W -= mean;
    double cw = 0;
    for (const Edge& e : g.Edges)
        if (!e.isArc())
            cw +=
                e.Length * e.Thickness * (w[e.A] * w[e.A] + w[e.A] * w[e.B] + w[e.B] * w[e.B]) / 3;
    for (const ArcSample& s : arcs)
        cw += s.Weight * s.W * s.W;
    wall.Cw = cw;
}

} // namespace

namespace {

// Each kind's texts: its name for scripts, its word and the reason the shear centre and
// Cw are missing, in the user's language.
struct WallTexts {
    TWallKind kind;
    std::string_view name;
    std::string_view word;
    std::string_view note;
};

constexpr WallTexts WallKinds[] = {
    {TWallKind::None, "none", "nenhuma", "sem barras"},
    {TWallKind::Open, "open", "aberta", ""},
    {TWallKind::Closed, "closed", "fechada", "seção fechada"},
    {TWallKind::MultiCell, "multi-cell", "várias células", "várias células"},
    {TWallKind::Disconnected, "disconnected", "partes separadas", "partes separadas"},
};

const WallTexts& TextsOf(TWallKind wall) {
    return *std::ranges::find(WallKinds, wall, &WallTexts::kind);
}

} // namespace

std::string_view WallName(TWallKind wall) {
    return TextsOf(wall).name;
}

std::string_view WallWord(TWallKind wall) {
    return TextsOf(wall).word;
}

std::string_view WallNote(TWallKind wall) {
    return TextsOf(wall).note;
}

std::string_view TorsionNote(const TThinWall& wall) {
    if (wall.Wall == TWallKind::None)
        return WallNote(wall.Wall);
    return std::isnan(wall.J) ? "várias células" : "";
}

TThinWall ComputeThinWall(std::span<const TProfileObject> objects, double innerRadius) {
    return ComputeThinWall(objects, innerRadius > 0 ? FindBends(objects, innerRadius) : TBends{});
}

TThinWall ComputeThinWall(std::span<const TProfileObject> objects, const TBends& bends) {
    TThinWall wall;
    const TWallGraph g = BuildWallGraph(objects, bends);
    if (g.Edges.empty())
        return wall;
    int partCount = 0;
    const std::vector<int> part = PartOfNodes(g, partCount);
    // Independent cycles of a connected part: edges - nodes + 1.
    std::vector<int> cycles(partCount, 1);
    for (const int p : part)
        --cycles[p];
    for (const Edge& e : g.Edges)
        ++cycles[part[e.A]];

    wall.J = TorsionConstant(g, part, partCount, cycles);
    if (partCount > 1)
        wall.Wall = TWallKind::Disconnected;
    else if (cycles[0] == 0)
        wall.Wall = TWallKind::Open;
    else
        wall.Wall = cycles[0] == 1 ? TWallKind::Closed : TWallKind::MultiCell;
    if (wall.Wall == TWallKind::Open)
        ShearCentreOfTree(g, wall);
    return wall;
}

TThinWall ComputeThinWall(const TProfile& profile) {
    return ComputeThinWall(profile.liveObjects(), profile.info().BendRadius);
}
