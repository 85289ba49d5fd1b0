#pragma once

#include "StripModel.h"

#include <vector>

// The buckled shape at one half-wavelength: each node's displacement amplitude, scaled so
// that the largest in-plane one is 1 (and positive).
struct TBucklingMode {
    struct Displacement {
        double X, Y;     // in the plane of the section, drawing axes (y downwards)
        double Along;    // along the member
        double Rotation; // in the plane of the section, from x towards y
    };
    double Factor = 0;
    std::vector<Displacement> Nodes; // as the strip model's nodes
};

// The smallest positive load factor of K d = factor Kg d for one half-sine along a simply
// supported member, for a fixed strip model, stress and material. Safe to share between
// threads: every call works on its own matrices.
//
// The factor is bracketed, never only estimated: a Cholesky factorisation of K - s Kg
// that succeeds proves every factor above s, and the Rayleigh quotient of any shape that
// Kg loads is at or above the smallest factor. Inverse iteration with the best proven
// shift supplies the shapes, and the band keeps each factorisation cheap. Only
// factorisations of positive definite matrices are trusted, so the long global modes keep
// their digits as long as K itself does: at 100 m the lipped channel's factor is within
// 0.09 % of Euler's, where reducing the pencil through K's Cholesky factor gives 0.18 %.
// Past a few hundred metres K's smallest stiffness falls below its rounding and no
// method on these matrices can recover it.
class THalfWaveSolver {
  public:
    THalfWaveSolver(const TStripModel& model, std::vector<double> nodeStress, double e, double nu);

    // +infinity when no half-sine of this length buckles under the stress (nothing in
    // compression), NaN when the model has no strips.
    double factor(double halfWave) const;
    TBucklingMode mode(double halfWave) const;

    // The strips and nodes the shapes belong to.
    const TStripModel& model() const { return m_model; }

  private:
    struct Solution;
    Solution solve(double halfWave) const;

    TStripModel m_model;
    std::vector<double> m_stress;
    double m_e, m_nu;
    std::vector<int> m_order; // band number of each node
    int m_band;               // half-bandwidth in degrees of freedom
};
