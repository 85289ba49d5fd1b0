#pragma once

#include "ProfileObject.h"
#include "WallGraph.h"

#include <numbers>
#include <span>
#include <vector>

// The bars' mid-lines cut into strips for the finite strip method: the wall graph of the
// engineering properties, each edge divided into equal strips, along its arc for a bend.
struct TStripModel {
    struct Node {
        double X, Y; // mm, drawing axes (y downwards)
    };
    struct Strip {
        int A, B;         // node indices
        double Thickness; // mm
    };
    std::vector<Node> Nodes; // the wall graph's nodes first, in its order
    std::vector<Strip> Strips;
    double NarrowestPlate = 0; // mm, the shortest edge the strips were cut from
};

// Where node n of the wall graph lies: the one place the analysis reads a point.
TStripModel::Node WallNodePoint(const TWallGraph& g, int n);

// The turn of a bend that one strip of it takes: four strips to a quarter turn.
inline constexpr double StripTurn = std::numbers::pi / 8;

// Strips for each straight edge: at least 4, and as many as keep a strip no wider than an
// eighth of the longest straight edge, so that the widest plate, whose buckles the local
// mode is made of, gets 8. A bend gets one strip for each StripTurn of its sweep, or part.
std::vector<int> DefaultStripCounts(const TWallGraph& g);

// stripsPerEdge holds a positive count for each edge of g, in its order.
TStripModel BuildStripModel(const TWallGraph& g, std::span<const int> stripsPerEdge);
