#pragma once

#include "ExactPoint.h"

#include <span>
#include <vector>

// The bars' mid-lines as a graph: a node wherever a bar ends, an edge for each piece of a
// bar between two nodes on it. An end that lies exactly on another bar splits that bar.
// Nodes are exact points, to the hundredth of a millimetre.
struct TWallGraph {
    struct Edge {
        int A, B;         // node indices
        double Thickness; // mm
        double Length;    // mm
    };
    std::vector<TExactPoint> Nodes; // ordered by X, then Y
    std::vector<Edge> Edges;
};

// Takes the bars with a length and a positive finite thickness that are not awaiting
// compaction; everything else is left out. Exact integer arithmetic decides where bars meet.
TWallGraph BuildWallGraph(std::span<const TProfileObject> objects);
