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
// shift supplies the shapes. Both bounds hold at lengths where K spans sixteen orders of
// magnitude, where a factor read off a reduction of the pencil through K's Cholesky
// factor is not to be trusted.
class THalfWaveSolver {
  public:
    THalfWaveSolver(const TStripModel& model, std::vector<double> nodeStress, double e, double nu);

    // +infinity when no half-sine of this length buckles under the stress (nothing in
    // compression), NaN when the model has no strips.
    double factor(double halfWave) const;
    TBucklingMode mode(double halfWave) const;
    // The nodes and strips a mode's displacements belong to.
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
