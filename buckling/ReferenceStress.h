#pragma once

#include "BucklingLoad.h"
#include "StripModel.h"

#include <vector>

// The longitudinal stress the load factors scale, on the strip model's own line section
// (mid-lines times thickness; appendices have no wall to buckle).
struct TReferenceStress {
    std::vector<double> NodeStress; // MPa at each node, compression positive
    // Py = A fy in N for the axial load; My = fy I / c in N mm for a moment, c the largest
    // distance of a node from the centroidal axis.
    double Reference = 0;
};

// The uniform stress fy, or the restrained bending stress M y / I about the centroidal
// axis scaled so that the extreme node reaches fy. A model without strips has none.
TReferenceStress ReferenceStress(const TStripModel& model, TBucklingLoad load, double fy);
