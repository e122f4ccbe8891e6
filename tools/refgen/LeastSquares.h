#pragma once
// Linear least squares by Householder QR: the x that minimises |A x - b|.
//
// Columns are scaled to unit length first, so that columns of very different
// magnitude (1, T, T², Q/H ...) do not spoil the rank test.
#include <vector>

struct DenseMatrix {
    int rows = 0;
    int columns = 0;
    std::vector<double> values; // row major

    DenseMatrix() = default;
    DenseMatrix(int r, int c) : rows(r), columns(c), values(static_cast<std::size_t>(r) * c, 0.0) {}
    double& operator()(int r, int c) { return values[static_cast<std::size_t>(r) * columns + c]; }
    double operator()(int r, int c) const {
        return values[static_cast<std::size_t>(r) * columns + c];
    }
};

// Solves min |A x - b|. Returns false when A has fewer rows than columns, a
// zero column, or is numerically rank deficient (a diagonal element of R
// below 1e-12 of the largest).
bool solveLeastSquares(const DenseMatrix& a, const std::vector<double>& b, std::vector<double>& x);
