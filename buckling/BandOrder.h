#pragma once

#include "StripModel.h"

#include <vector>

// A numbering of the model's nodes that keeps the nodes of each strip close (Cuthill and
// McKee: breadth first from a far end of each part, fewer neighbours first), so that the
// stiffness matrices are narrow bands. The new number of each node, by its index.
std::vector<int> BandOrder(const TStripModel& model);

// The widest distance between the new numbers of a strip's two nodes.
int NodeBandwidth(const TStripModel& model, const std::vector<int>& order);
