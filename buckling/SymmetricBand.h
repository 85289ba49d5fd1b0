#pragma once

#include <Eigen/Core>

#include <vector>

// A symmetric matrix that is zero beyond a half-bandwidth, its lower band stored row by
// row so that the factorisation's inner products run over contiguous memory.
class TSymmetricBand {
  public:
    TSymmetricBand(int size, int halfBandwidth);

    int size() const { return m_size; }
    int halfBandwidth() const { return m_band; }
    // Entry (i, j) with j <= i <= j + halfBandwidth.
    double& at(int i, int j) { return m_data[index(i, j)]; }
    double at(int i, int j) const { return m_data[index(i, j)]; }

    // this = a - s b, entry by entry; all three of one shape.
    void assignDifference(const TSymmetricBand& a, double s, const TSymmetricBand& b);
    // y = this x.
    void multiply(const Eigen::VectorXd& x, Eigen::VectorXd& y) const;

    // Replaces the matrix by its Cholesky factor L (A = L L^T). False when a pivot is not
    // positive, that is when the matrix is not positive definite; the contents are then
    // spoilt.
    bool factorCholesky();
    // After factorCholesky: x = A^-1 x.
    void solve(Eigen::VectorXd& x) const;

  private:
    std::size_t index(int i, int j) const {
        return static_cast<std::size_t>(i) * (m_band + 1) + (j - i + m_band);
    }
    int m_size, m_band;
    std::vector<double> m_data;
};
