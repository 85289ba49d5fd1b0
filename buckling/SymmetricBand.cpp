#include "SymmetricBand.h"

#include <algorithm>
#include <cmath>

TSymmetricBand::TSymmetricBand(int size, int halfBandwidth)
    : m_size(size), m_band(halfBandwidth),
      m_data(static_cast<std::size_t>(size) * (halfBandwidth + 1), 0.0) {}

void TSymmetricBand::assignDifference(const TSymmetricBand& a, double s, const TSymmetricBand& b) {
    for (std::size_t k = 0; k < m_data.size(); ++k)
        m_data[k] = a.m_data[k] - s * b.m_data[k];
}

void TSymmetricBand::multiply(const Eigen::VectorXd& x, Eigen::VectorXd& y) const {
    y.setZero(m_size);
    for (int i = 0; i < m_size; ++i) {
        const int first = std::max(0, i - m_band);
        double sum = at(i, i) * x(i);
        for (int j = first; j < i; ++j) {
            sum += at(i, j) * x(j);
            y(j) += at(i, j) * x(i);
        }
        y(i) += sum;
    }
}

bool TSymmetricBand::factorCholesky() {
    for (int i = 0; i < m_size; ++i) {
        const int first = std::max(0, i - m_band);
        const double* row = &m_data[index(i, first)];
        // Row j's band starts at or before this row's, so both run from column first.
        for (int j = first; j <= i; ++j) {
            const double* other = &m_data[index(j, first)];
            double sum = at(i, j);
            for (int k = 0; k < j - first; ++k)
                sum -= row[k] * other[k];
            if (j < i) {
                at(i, j) = sum / at(j, j);
            } else {
                if (!(sum > 0))
                    return false;
                at(i, i) = std::sqrt(sum);
            }
        }
    }
    return true;
}

void TSymmetricBand::solve(Eigen::VectorXd& x) const {
    for (int i = 0; i < m_size; ++i) {
        double sum = x(i);
        for (int j = std::max(0, i - m_band); j < i; ++j)
            sum -= at(i, j) * x(j);
        x(i) = sum / at(i, i);
    }
    for (int i = m_size - 1; i >= 0; --i) {
        x(i) /= at(i, i);
        const double xi = x(i);
        for (int j = std::max(0, i - m_band); j < i; ++j)
            x(j) -= at(i, j) * xi;
    }
}
