#include "tools/refgen/UniformInterpolation.h"

#include <cmath>
#include <limits>

namespace {

struct Cell {
    int index;
    double u;
};

Cell locate(double x0, double step, std::size_t count, double x) {
    const double position = (x - x0) / step;
    int i = static_cast<int>(std::floor(position));
    const int last = static_cast<int>(count) - 2;
    if (i < 0) {
        i = 0;
    }
    if (i > last) {
        i = last;
    }
    return {i, position - static_cast<double>(i)};
}

// Central-difference slope at grid index i (per grid step), one-sided at the ends.
double slopeAt(const std::vector<double>& y, int i) {
    const int n = static_cast<int>(y.size());
    if (i <= 0) {
        return y[1] - y[0];
    }
    if (i >= n - 1) {
        return y[n - 1] - y[n - 2];
    }
    return 0.5 * (y[i + 1] - y[i - 1]);
}

} // namespace

bool UniformSeries::covers(double x) const {
    return y.size() >= 2 && x >= firstX() - 1e-9 && x <= lastX() + 1e-9;
}

// The cubic Hermite segment through the cell that holds `x`: the position u
// in the cell, the end values and the end slopes (per step).
struct HermiteSegment {
    double u, y0, y1, m0, m1;
};

static HermiteSegment segmentAt(const UniformSeries& series, double x) {
    const Cell c = locate(series.x0, series.step, series.y.size(), x);
    return {c.u, series.y[c.index], series.y[c.index + 1], slopeAt(series.y, c.index),
            slopeAt(series.y, c.index + 1)};
}

double UniformSeries::cubic(double x) const {
    const HermiteSegment s = segmentAt(*this, x);
    const double u2 = s.u * s.u;
    const double u3 = u2 * s.u;
    return (2 * u3 - 3 * u2 + 1) * s.y0 + (u3 - 2 * u2 + s.u) * s.m0 + (-2 * u3 + 3 * u2) * s.y1 +
           (u3 - u2) * s.m1;
}

double UniformSeries::cubicSlope(double x) const {
    const HermiteSegment s = segmentAt(*this, x);
    const double u = s.u;
    const double u2 = u * u;
    const double d = (6 * u2 - 6 * u) * s.y0 + (3 * u2 - 4 * u + 1) * s.m0 +
                     (-6 * u2 + 6 * u) * s.y1 + (3 * u2 - 2 * u) * s.m1;
    return d / step;
}

double UniformSeries::linear(double x) const {
    const Cell c = locate(x0, step, y.size(), x);
    return y[c.index] + c.u * (y[c.index + 1] - y[c.index]);
}

double UniformSeries::invertCubic(double value) const {
    const int n = static_cast<int>(y.size());
    const bool increasing = y[n - 1] > y[0];
    auto below = [&](double v) { return increasing ? v < value : v > value; };
    if (!below(y[0])) {
        return firstX();
    }
    if (below(y[n - 1])) {
        return lastX();
    }
    // Binary search for the cell, then bisection-safeguarded Newton in it.
    int lo = 0;
    int hi = n - 1;
    while (hi - lo > 1) {
        const int mid = (lo + hi) / 2;
        if (below(y[mid])) {
            lo = mid;
        } else {
            hi = mid;
        }
    }
    double a = x0 + step * lo;
    double b = x0 + step * hi;
    double x = a + step * (value - y[lo]) / (y[hi] - y[lo]);
    for (int iteration = 0; iteration < 40; ++iteration) {
        const double f = cubic(x) - value;
        if (std::fabs(f) <= 1e-13 * (std::fabs(value) + 1e-300)) {
            break;
        }
        if (below(cubic(x))) {
            a = x;
        } else {
            b = x;
        }
        const double slope = cubicSlope(x);
        double next = slope != 0.0 ? x - f / slope : 0.5 * (a + b);
        if (!(next > a && next < b)) {
            next = 0.5 * (a + b);
        }
        if (std::fabs(next - x) < 1e-12 * step) {
            x = next;
            break;
        }
        x = next;
    }
    return x;
}

double UniformTable2D::at(int row, int column) const {
    if (row < 0 || row >= rowCount || column < 0 || column >= columnCount) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    return values[static_cast<std::size_t>(row) * columnCount + column];
}

double UniformTable2D::bilinear(double rowX, double columnX) const {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    if (rowCount < 2 || columnCount < 2) {
        return nan;
    }
    const double rp = (rowX - row0) / rowStep;
    const double cp = (columnX - column0) / columnStep;
    if (rp < -1e-9 || cp < -1e-9 || rp > rowCount - 1 + 1e-9 || cp > columnCount - 1 + 1e-9) {
        return nan;
    }
    int r = static_cast<int>(std::floor(rp));
    int c = static_cast<int>(std::floor(cp));
    r = r < 0 ? 0 : (r > rowCount - 2 ? rowCount - 2 : r);
    c = c < 0 ? 0 : (c > columnCount - 2 ? columnCount - 2 : c);
    const double u = rp - r;
    const double w = cp - c;
    const double v00 = at(r, c);
    const double v01 = at(r, c + 1);
    const double v10 = at(r + 1, c);
    const double v11 = at(r + 1, c + 1);
    // A corner with zero weight may be missing (the edge of a triangular table).
    auto term = [](double weight, double value) { return weight == 0.0 ? 0.0 : weight * value; };
    return term((1 - u) * (1 - w), v00) + term((1 - u) * w, v01) + term(u * (1 - w), v10) +
           term(u * w, v11);
}
