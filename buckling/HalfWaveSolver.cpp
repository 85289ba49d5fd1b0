#include "HalfWaveSolver.h"

#include "BandOrder.h"
#include "StripStiffness.h"
#include "SymmetricBand.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace {

constexpr int Dofs = 4; // per node

// The bracket is closed to this relative width.
constexpr double Tolerance = 1e-10;
constexpr int MaxSteps = 400;
// A proven lower bound beyond this means nothing buckles.
constexpr double NoBuckling = 1e12;

// A start with components along every mode of a section, symmetric ones and others.
Eigen::VectorXd StartVector(Eigen::Index size) {
    Eigen::VectorXd x(size);
    for (Eigen::Index i = 0; i < size; ++i)
        x(i) = std::sin(1.0 + 2.3 * static_cast<double>(i));
    return x.normalized();
}

// K and Kg in band order, scaled to K's unit diagonal: rotations and displacements,
// membrane and bending differ by orders of magnitude that need not pass into the pivots.
struct Pencil {
    TSymmetricBand K, Kg;
    Eigen::VectorXd Scale; // the scaled unknowns times Scale are the displacements
};

Pencil Assemble(const TStripModel& model, const std::vector<double>& stress,
                const std::vector<int>& order, int band, double halfWave, double e, double nu) {
    const int size = Dofs * static_cast<int>(model.Nodes.size());
    Pencil p{TSymmetricBand(size, band), TSymmetricBand(size, band), Eigen::VectorXd(size)};
    for (const TStripModel::Strip& strip : model.Strips) {
        const TStripStiffness s =
            StripStiffness(model.Nodes[strip.A], model.Nodes[strip.B], strip.Thickness,
                           {stress[strip.A], stress[strip.B]}, halfWave, e, nu);
        const int at[2] = {Dofs * order[strip.A], Dofs * order[strip.B]};
        for (int i = 0; i < 2 * Dofs; ++i)
            for (int j = 0; j < 2 * Dofs; ++j) {
                const int row = at[i / Dofs] + i % Dofs, column = at[j / Dofs] + j % Dofs;
                if (row >= column) {
                    p.K.at(row, column) += s.K(i, j);
                    p.Kg.at(row, column) += s.Kg(i, j);
                }
            }
    }
    for (int i = 0; i < size; ++i)
        p.Scale(i) = 1 / std::sqrt(p.K.at(i, i));
    for (int i = 0; i < size; ++i)
        for (int j = std::max(0, i - band); j <= i; ++j) {
            p.K.at(i, j) *= p.Scale(i) * p.Scale(j);
            p.Kg.at(i, j) *= p.Scale(i) * p.Scale(j);
        }
    return p;
}

} // namespace

struct THalfWaveSolver::Solution {
    double Factor;
    Eigen::VectorXd Mode; // by band numbers, in unscaled displacements
};

THalfWaveSolver::THalfWaveSolver(const TStripModel& model, std::vector<double> nodeStress, double e,
                                 double nu)
    : m_model(model), m_stress(std::move(nodeStress)), m_e(e), m_nu(nu), m_order(BandOrder(model)),
      m_band(Dofs * (NodeBandwidth(model, m_order) + 1) - 1) {}

double THalfWaveSolver::factor(double halfWave) const {
    return solve(halfWave).Factor;
}

TBucklingMode THalfWaveSolver::mode(double halfWave) const {
    const Solution s = solve(halfWave);
    TBucklingMode mode;
    mode.Factor = s.Factor;
    if (s.Mode.size() == 0)
        return mode;
    // Scaled by the largest in-plane displacement, signed by its larger component.
    double largest = 0, sign = 1;
    for (const int n : m_order) {
        const auto d = s.Mode.segment<Dofs>(Dofs * n);
        mode.Nodes.push_back({d(0), d(2), d(1), d(3)});
        if (const double inPlane = std::hypot(d(0), d(2)); inPlane > largest) {
            largest = inPlane;
            sign = std::abs(d(0)) >= std::abs(d(2)) ? d(0) : d(2);
        }
    }
    const double scale = largest > 0 ? std::copysign(1 / largest, sign) : 1;
    for (TBucklingMode::Displacement& d : mode.Nodes) {
        d.X *= scale;
        d.Y *= scale;
        d.Along *= scale;
        d.Rotation *= scale;
    }
    return mode;
}

THalfWaveSolver::Solution THalfWaveSolver::solve(double halfWave) const {
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    constexpr double infinity = std::numeric_limits<double>::infinity();
    if (m_model.Strips.empty())
        return {nan, {}};
    const Pencil p = Assemble(m_model, m_stress, m_order, m_band, halfWave, m_e, m_nu);
    const TSymmetricBand& k = p.K;
    const TSymmetricBand& kg = p.Kg;
    const int size = k.size();
    TSymmetricBand shifted = k, trial(size, m_band);
    if (!shifted.factorCholesky())
        return {nan, {}};
    double low = 0, high = infinity; // the smallest positive factor lies in (low, high]
    bool lastTrialFailed = false;
    Eigen::VectorXd x = StartVector(size), y(size), kx(size), kgx(size);
    for (int step = 0; step < MaxSteps; ++step) {
        kg.multiply(x, y);
        shifted.solve(y);
        x = y.normalized();
        k.multiply(x, kx);
        kg.multiply(x, kgx);
        const double load = x.dot(kgx), quotient = x.dot(kx) / load;
        if (load > 0)
            high = std::min(high, quotient);
        if (std::isfinite(high) && high - low <= Tolerance * high)
            break;
        // Next shift: close under the upper bound while the shifts hold, halving the
        // bracket after one that failed, growing while there is no upper bound yet.
        double s;
        if (std::isfinite(high))
            s = lastTrialFailed ? (low + high) / 2 : high - 0.01 * (high - low);
        else if (low > 0)
            s = 4 * low;
        else // the factor nearest zero is negative: the smallest positive one lies beyond it
            s = std::isfinite(quotient) && quotient != 0 ? std::abs(quotient) : 1;
        if (s > NoBuckling)
            return {infinity, {}};
        trial.assignDifference(k, s, kg);
        lastTrialFailed = !trial.factorCholesky();
        if (lastTrialFailed) {
            high = std::min(high, s);
        } else {
            low = s;
            std::swap(shifted, trial);
        }
    }
    return {high, p.Scale.asDiagonal() * x};
}
