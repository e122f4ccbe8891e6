// The Householder QR least-squares solver.
#include "tools/refgen/LeastSquares.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(LeastSquares, RecoversAnExactPolynomialWithBadlyScaledColumns) {
    // y = 2 - 3e-3 x + 4e-6 x² + 1e3 z with x up to 500 and z tiny: scaled columns.
    DenseMatrix a(40, 4);
    std::vector<double> b(40);
    for (int i = 0; i < 40; ++i) {
        const double x = 12.5 * i, z = 1e-4 * std::sin(0.7 * i);
        a(i, 0) = 1.0;
        a(i, 1) = x;
        a(i, 2) = x * x;
        a(i, 3) = z;
        b[i] = 2.0 - 3e-3 * x + 4e-6 * x * x + 1e3 * z;
    }
    std::vector<double> x;
    ASSERT_TRUE(solveLeastSquares(a, b, x));
    EXPECT_NEAR(x[0], 2.0, 1e-10);
    EXPECT_NEAR(x[1], -3e-3, 1e-13);
    EXPECT_NEAR(x[2], 4e-6, 1e-16);
    EXPECT_NEAR(x[3], 1e3, 1e-6);
}

TEST(LeastSquares, MatchesTheClosedFormStraightLineFit) {
    const double xs[] = {0, 1, 2, 3, 4, 5, 6};
    const double ys[] = {1.1, 2.9, 5.2, 6.8, 9.1, 11.2, 12.7};
    DenseMatrix a(7, 2);
    std::vector<double> b(7);
    double sx = 0, sy = 0, sxx = 0, sxy = 0;
    for (int i = 0; i < 7; ++i) {
        a(i, 0) = 1;
        a(i, 1) = xs[i];
        b[i] = ys[i];
        sx += xs[i];
        sy += ys[i];
        sxx += xs[i] * xs[i];
        sxy += xs[i] * ys[i];
    }
    const double slope = (7 * sxy - sx * sy) / (7 * sxx - sx * sx);
    const double intercept = (sy - slope * sx) / 7;
    std::vector<double> x;
    ASSERT_TRUE(solveLeastSquares(a, b, x));
    EXPECT_NEAR(x[0], intercept, 1e-12);
    EXPECT_NEAR(x[1], slope, 1e-12);
}

TEST(LeastSquares, RefusesRankDeficientAndUnderdeterminedProblems) {
    DenseMatrix a(5, 3);
    std::vector<double> b(5, 1.0), x;
    for (int i = 0; i < 5; ++i) {
        a(i, 0) = 1;
        a(i, 1) = i;
        a(i, 2) = 2.0 * i + 3.0; // a combination of the first two
    }
    EXPECT_FALSE(solveLeastSquares(a, b, x));
    DenseMatrix wide(2, 3);
    wide(0, 0) = wide(1, 1) = 1;
    EXPECT_FALSE(solveLeastSquares(wide, std::vector<double>(2, 1.0), x));
    DenseMatrix zero(4, 2);
    zero(0, 0) = 1;
    EXPECT_FALSE(solveLeastSquares(zero, std::vector<double>(4, 1.0), x));
}
