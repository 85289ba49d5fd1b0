#include "StripStiffness.h"

#include <array>
#include <cmath>
#include <numbers>

namespace {

using Matrix = TStripStiffness::Matrix;
using Row4 = Eigen::Matrix<double, 1, 4>;

// Four-point Gauss rule on [0, 1]: exact to degree 7, the product of a linear stress and
// two cubic deflections.
constexpr std::array<double, 4> GaussX = {0.0694318442029737, 0.3300094782075719,
                                          0.6699905217924281, 0.9305681557970263};
constexpr std::array<double, 4> GaussW = {0.1739274225687269, 0.3260725774312731,
                                          0.3260725774312731, 0.1739274225687269};

// Local degrees of freedom of a node: across the strip u, along the member v, out of the
// plane w, rotation dw/dx; node A's at 0..3, node B's at 4..7.
constexpr int U = 0, V = 1, W = 2, R = 3;

// Hermite cubic of w and its first two derivatives across a strip of width b at xi.
struct Hermite {
    Row4 n, dn, ddn; // over w1, theta1, w2, theta2
};
Hermite HermiteAt(double xi, double b) {
    const double x2 = xi * xi, x3 = x2 * xi;
    Hermite h;
    h.n << 1 - 3 * x2 + 2 * x3, b * (xi - 2 * x2 + x3), 3 * x2 - 2 * x3, b * (x3 - x2);
    h.dn << (-6 * xi + 6 * x2) / b, 1 - 4 * xi + 3 * x2, (6 * xi - 6 * x2) / b, 3 * x2 - 2 * xi;
    h.ddn << (-6 + 12 * xi) / (b * b), (-4 + 6 * xi) / b, (6 - 12 * xi) / (b * b), (6 * xi - 2) / b;
    return h;
}

// The local matrices. u and w go as sin(k y) along the member, v as cos(k y); the shear
// terms (cos) never meet the normal ones (sin) in an isotropic plate.
TStripStiffness LocalStiffness(double b, double t, TStripLoad load, double k, double e, double nu) {
    const double plate = e / (1 - nu * nu), shear = plate * (1 - nu) / 2;
    const double bendingPlate = plate * t * t * t / 12, bendingShear = shear * t * t * t / 12;
    const std::array<int, 2> u = {U, U + 4}, v = {V, V + 4};
    const std::array<int, 4> w = {W, R, W + 4, R + 4};
    TStripStiffness s;
    s.K.setZero();
    s.Kg.setZero();
    for (std::size_t g = 0; g < GaussX.size(); ++g) {
        const double xi = GaussX[g], dx = GaussW[g] * b;
        const std::array<double, 2> n = {1 - xi, xi}, dn = {-1 / b, 1 / b};
        const Hermite h = HermiteAt(xi, b);
        // Membrane: ex = u', ey = -k v, gxy = k u + v'.
        for (int i = 0; i < 2; ++i)
            for (int j = 0; j < 2; ++j) {
                s.K(u[i], u[j]) += dx * t * (plate * dn[i] * dn[j] + shear * k * k * n[i] * n[j]);
                s.K(v[i], v[j]) += dx * t * (plate * k * k * n[i] * n[j] + shear * dn[i] * dn[j]);
                const double uv =
                    dx * t * (-plate * nu * k * dn[i] * n[j] + shear * k * n[i] * dn[j]);
                s.K(u[i], v[j]) += uv;
                s.K(v[j], u[i]) += uv;
            }
        // Bending: curvatures -w'', k^2 w and -2 k w'.
        const Row4 kx = -h.ddn, ky = k * k * h.n, kxy = -2 * k * h.dn;
        const Eigen::Matrix4d bending =
            bendingPlate * (kx.transpose() * kx + ky.transpose() * ky +
                            nu * (kx.transpose() * ky + ky.transpose() * kx)) +
            bendingShear * kxy.transpose() * kxy;
        // Second-order work of the membrane force t sigma on (du/dy)^2 + (dv/dy)^2 + (dw/dy)^2.
        const double force = t * (load.StressA * (1 - xi) + load.StressB * xi) * k * k * dx;
        const Eigen::Matrix4d geometric = force * h.n.transpose() * h.n;
        for (int i = 0; i < 4; ++i)
            for (int j = 0; j < 4; ++j) {
                s.K(w[i], w[j]) += dx * bending(i, j);
                s.Kg(w[i], w[j]) += geometric(i, j);
            }
        for (int i = 0; i < 2; ++i)
            for (int j = 0; j < 2; ++j) {
                s.Kg(u[i], u[j]) += force * n[i] * n[j];
                s.Kg(v[i], v[j]) += force * n[i] * n[j];
            }
    }
    return s;
}

} // namespace

TStripStiffness StripStiffness(const TStripModel::Node& a, const TStripModel::Node& b,
                               double thickness, TStripLoad load, double halfWave, double e,
                               double nu) {
    const double width = std::hypot(b.X - a.X, b.Y - a.Y);
    const double c = (b.X - a.X) / width, s = (b.Y - a.Y) / width;
    const TStripStiffness local =
        LocalStiffness(width, thickness, load, std::numbers::pi / halfWave, e, nu);
    // u along the strip and w along its normal (the strip's direction turned a quarter
    // from x towards y), from the displacements along x and y; v and the rotation are the
    // same in every strip.
    Matrix t = Matrix::Zero();
    for (int node = 0; node < 8; node += 4) {
        t(node + U, node + 0) = c;
        t(node + U, node + 2) = s;
        t(node + W, node + 0) = -s;
        t(node + W, node + 2) = c;
        t(node + V, node + 1) = 1;
        t(node + R, node + 3) = 1;
    }
    return {t.transpose() * local.K * t, t.transpose() * local.Kg * t};
}
