#pragma once

#include "Bends.h"
#include "ExactPoint.h"

#include <cmath>
#include <cstddef>
#include <span>
#include <vector>

// The bars' mid-lines as a graph: a node wherever a bar ends, an edge for each piece of a
// bar between two nodes on it. An end that lies exactly on another bar splits that bar.
// A rounded corner is an arc edge between the two points where it leaves its bars, and
// its corner is no node.
struct TWallGraph {
    struct Edge {
        int A, B;          // node indices
        double Thickness;  // mm
        double Length;     // mm, along the arc for a bend
        double Sweep = 0;  // radians, signed, from A to B about Centre in drawing axes; 0 for
                           // a straight piece
        TPointMm Centre{}; // mm, a bend's

        bool isArc() const { return Sweep != 0; }
        double radius() const { return Length / std::abs(Sweep); }
    };
    // Nodes to the hundredth of a millimetre, ordered by X, then Y; the points where bends
    // leave their bars follow them, numbered from Nodes.size() on.
    std::vector<TExactPoint> Nodes;
    std::vector<TPointMm> Tangents;
    std::vector<Edge> Edges;

    std::size_t nodeCount() const { return Nodes.size() + Tangents.size(); }
    bool isExact(int n) const { return static_cast<std::size_t>(n) < Nodes.size(); }
    TPointMm point(int n) const {
        return isExact(n) ? Millimetres(Nodes[n]) : Tangents[n - Nodes.size()];
    }
};

// Takes the bars with a length and a positive finite thickness that are not awaiting
// compaction; everything else is left out. Exact integer arithmetic decides where bars meet.
// Corners are rounded to the inner radius (mm; 0 leaves them sharp) as FindBends finds
// them.
TWallGraph BuildWallGraph(std::span<const TProfileObject> objects, double innerRadius = 0);
// The same with the bends FindBends found on these objects.
TWallGraph BuildWallGraph(std::span<const TProfileObject> objects, const TBends& bends);
