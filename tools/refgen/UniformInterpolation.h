#pragma once
// Interpolation on a uniform grid: x_i = x0 + i * step, values y_i.
//
// The cubic Hermite form uses central-difference slopes (Catmull-Rom), so the
// curve passes through every grid value, has a continuous first derivative
// and reproduces any quadratic exactly away from the two end cells.
#include <vector>

struct UniformSeries {
    double x0 = 0.0;
    double step = 1.0;
    std::vector<double> y;

    double firstX() const { return x0; }
    double lastX() const { return x0 + step * static_cast<double>(y.size() - 1); }
    bool covers(double x) const;

    // Cubic Hermite value and first derivative at x; x outside the grid is
    // extrapolated from the end cell.
    double cubic(double x) const;
    double cubicSlope(double x) const;
    // Straight-line interpolation between the two neighbouring values.
    double linear(double x) const;
    // The x at which an increasing or decreasing series takes the value
    // `value` under the cubic form; the nearest end when outside.
    double invertCubic(double value) const;
};

// Bilinear interpolation in a table on two uniform grids; `values` is row
// major (rowCount rows of columnCount values), NaN marks a missing value. The
// result is NaN when a corner needed is missing or the point is outside.
struct UniformTable2D {
    double row0 = 0.0;
    double rowStep = 1.0;
    double column0 = 0.0;
    double columnStep = 1.0;
    int rowCount = 0;
    int columnCount = 0;
    std::vector<double> values;

    double at(int row, int column) const;
    double bilinear(double rowX, double columnX) const;
};
