#pragma once

#include "StripModel.h"

#include <Eigen/Core>

// One strip's elastic and geometric stiffness for a single half-sine of half-wavelength a
// along a simply supported member, in the model's axes: for node A then node B, the
// displacements along drawing x, along the member, along drawing y and the rotation in the
// plane of the section. Both are divided by the common factor a / 2 of the integrals along
// the member, which the load factor does not see.
struct TStripStiffness {
    using Matrix = Eigen::Matrix<double, 8, 8>;
    Matrix K;  // plane-stress membrane plus Kirchhoff plate bending
    Matrix Kg; // from the longitudinal stress, on all three displacement gradients
};

struct TStripLoad {
    double StressA, StressB; // MPa at the two nodes, compression positive
};

TStripStiffness StripStiffness(const TStripModel::Node& a, const TStripModel::Node& b,
                               double thickness, TStripLoad load, double halfWave, double e,
                               double nu);
