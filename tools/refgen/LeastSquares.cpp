#include "tools/refgen/LeastSquares.h"

#include <cmath>

bool solveLeastSquares(const DenseMatrix& a, const std::vector<double>& b, std::vector<double>& x) {
    const int m = a.rows;
    const int n = a.columns;
    if (m < n || n == 0 || static_cast<int>(b.size()) != m) {
        return false;
    }
    DenseMatrix q = a;
    std::vector<double> rhs = b;
    std::vector<double> scale(n, 0.0);
    for (int c = 0; c < n; ++c) {
        double sum = 0.0;
        for (int r = 0; r < m; ++r) {
            sum += q(r, c) * q(r, c);
        }
        if (sum == 0.0) {
            return false;
        }
        scale[c] = 1.0 / std::sqrt(sum);
        for (int r = 0; r < m; ++r) {
            q(r, c) *= scale[c];
        }
    }
    std::vector<double> diagonal(n, 0.0);
    for (int k = 0; k < n; ++k) {
        double norm = 0.0;
        for (int r = k; r < m; ++r) {
            norm += q(r, k) * q(r, k);
        }
        norm = std::sqrt(norm);
        const double alpha = q(k, k) > 0 ? -norm : norm;
        diagonal[k] = alpha;
        if (norm == 0.0) {
            return false;
        }
        // Householder vector v = column - alpha e_k, stored in place.
        q(k, k) -= alpha;
        double vv = 0.0;
        for (int r = k; r < m; ++r) {
            vv += q(r, k) * q(r, k);
        }
        if (vv == 0.0) {
            continue;
        }
        for (int c = k + 1; c < n; ++c) {
            double dot = 0.0;
            for (int r = k; r < m; ++r) {
                dot += q(r, k) * q(r, c);
            }
            const double f = 2.0 * dot / vv;
            for (int r = k; r < m; ++r) {
                q(r, c) -= f * q(r, k);
            }
        }
        double dot = 0.0;
        for (int r = k; r < m; ++r) {
            dot += q(r, k) * rhs[r];
        }
        const double f = 2.0 * dot / vv;
        for (int r = k; r < m; ++r) {
            rhs[r] -= f * q(r, k);
        }
    }
    double largest = 0.0;
    for (double d : diagonal) {
        largest = std::fmax(largest, std::fabs(d));
    }
    for (double d : diagonal) {
        if (std::fabs(d) < 1e-12 * largest) {
            return false;
        }
    }
    // Back substitution with R: diagonal in `diagonal`, above it in q.
    x.assign(n, 0.0);
    for (int k = n - 1; k >= 0; --k) {
        double sum = rhs[k];
        for (int c = k + 1; c < n; ++c) {
            sum -= q(k, c) * x[c];
        }
        x[k] = sum / diagonal[k];
    }
    for (int c = 0; c < n; ++c) {
        x[c] *= scale[c];
    }
    return true;
}
