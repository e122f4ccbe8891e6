#include "tools/refgen/CoefficientFit.h"

#include "selection/FlowRate.h"
#include "tools/refgen/LeastSquares.h"

#include <cmath>

namespace {

constexpr double RMS_GOAL = 0.03;
constexpr double MAX_GOAL = 0.08;

void basis(double te, double tc, double g[5]) {
    g[0] = 1.0;
    g[1] = te;
    g[2] = tc;
    g[3] = te * tc;
    g[4] = te * te;
}

double relativeError(const RefrigerantRecord& correlation, const FitSample& s) {
    return (nitrogenFlowRate(correlation, s.heatLoad, s.evaporating, s.condensing, s.returnGas) - s.flow) /
           s.flow;
}

// Sum of |relative error|^power.
double cost(const FlowCoefficients& c, const std::vector<FitSample>& samples, double power) {
    const RefrigerantRecord correlation = correlationRecord(c);
    double sum = 0.0;
    for (const FitSample& s : samples) {
        sum += std::pow(std::fabs(relativeError(correlation, s)), power);
    }
    return sum;
}

bool fitFlowCoefficients(const std::vector<FitSample>& samples, FlowCoefficients& c) {
    const RefrigerantRecord divisor = correlationRecord(c); // only A0..A3 are used
    DenseMatrix a(static_cast<int>(samples.size()), 10);
    std::vector<double> b(samples.size());
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const FitSample& s = samples[i];
        double g[5];
        basis(s.evaporating, s.condensing, g);
        const double load =
            s.heatLoad / heatLoadDivisor(divisor, s.evaporating, s.condensing, s.returnGas);
        const double w = 1.0 / s.flow;
        for (int k = 0; k < 5; ++k) {
            a(static_cast<int>(i), k) = g[k] * w;
            a(static_cast<int>(i), 5 + k) = g[k] * load * w;
        }
        b[i] = 1.0;
    }
    std::vector<double> x;
    if (!solveLeastSquares(a, b, x)) {
        return false;
    }
    for (int k = 0; k < 10; ++k) {
        c.b[k] = x[k];
    }
    return true;
}

// Parameters of the refinement: B0..B9 and the relative divisor slopes a1..a3.
void unpack(const std::vector<double>& p, double a0, FlowCoefficients& c) {
    for (int k = 0; k < 10; ++k) {
        c.b[k] = p[k];
    }
    c.a[0] = a0;
    for (int k = 0; k < 3; ++k) {
        c.a[1 + k] = a0 * p[10 + k];
    }
}

// Levenberg-Marquardt on the sum of |relative error|^p. For p = 2 it is the
// usual least squares; for p > 2 the Gauss-Newton model of the p-norm gives
// rows weighted by |r|^((p-2)/2) and a step shortened by 1/(p-1), and a
// larger p trades some RMS error for a smaller largest error.
bool refinePower(const std::vector<FitSample>& samples, double power, FlowCoefficients& c,
                 int& iterations) {
    const double a0 = c.a[0];
    std::vector<double> p(13);
    for (int k = 0; k < 10; ++k) {
        p[k] = c.b[k];
    }
    for (int k = 0; k < 3; ++k) {
        p[10 + k] = c.a[1 + k] / a0;
    }
    double current = cost(c, samples, power);
    double lambda = 1e-3;
    const int m = static_cast<int>(samples.size());
    iterations = 0;
    for (int iteration = 0; iteration < 100; ++iteration) {
        ++iterations;
        FlowCoefficients cc;
        unpack(p, a0, cc);
        const RefrigerantRecord correlation = correlationRecord(cc);
        DenseMatrix j(m + 13, 13);
        std::vector<double> rhs(m + 13, 0.0);
        std::vector<double> columnNorm(13, 0.0);
        for (int i = 0; i < m; ++i) {
            const FitSample& s = samples[i];
            double g[5];
            basis(s.evaporating, s.condensing, g);
            const double dt = s.returnGas - DIVISOR_REFERENCE_RETURN_GAS_C;
            const double h = heatLoadDivisor(correlation, s.evaporating, s.condensing, s.returnGas);
            double slope = 0.0;
            for (int k = 0; k < 5; ++k) {
                slope += p[5 + k] * g[k];
            }
            const double r = relativeError(correlation, s);
            const double weight =
                power == 2.0 ? 1.0 : std::pow(std::fmax(std::fabs(r), 1e-6), 0.5 * (power - 2.0));
            const double w = weight / s.flow;
            for (int k = 0; k < 5; ++k) {
                j(i, k) = g[k] * w;
                j(i, 5 + k) = g[k] * s.heatLoad / h * w;
            }
            const double dFdH = -slope * s.heatLoad / (h * h);
            const double dh[3] = {a0 * dt, a0 * dt * s.evaporating, a0 * dt * s.condensing};
            for (int k = 0; k < 3; ++k) {
                j(i, 10 + k) = dFdH * dh[k] * w;
            }
            rhs[i] = -weight * r / (power - 1.0);
            for (int k = 0; k < 13; ++k) {
                columnNorm[k] += j(i, k) * j(i, k);
            }
        }
        bool improved = false;
        for (int attempt = 0; attempt < 12 && !improved; ++attempt) {
            DenseMatrix jj = j;
            for (int k = 0; k < 13; ++k) {
                jj(m + k, k) = std::sqrt(lambda * columnNorm[k]);
            }
            std::vector<double> step;
            if (!solveLeastSquares(jj, rhs, step)) {
                lambda *= 10;
                continue;
            }
            std::vector<double> trial = p;
            for (int k = 0; k < 13; ++k) {
                trial[k] += step[k];
            }
            FlowCoefficients tc;
            unpack(trial, a0, tc);
            const double next = cost(tc, samples, power);
            if (std::isfinite(next) && next < current) {
                const double gain = (current - next) / current;
                p = trial;
                current = next;
                lambda = std::fmax(lambda / 10, 1e-12);
                improved = true;
                if (gain < 1e-10) {
                    unpack(p, a0, c);
                    return true;
                }
            } else {
                lambda *= 10;
            }
        }
        if (!improved) {
            break;
        }
    }
    unpack(p, a0, c);
    return true;
}

} // namespace

RefrigerantRecord correlationRecord(const FlowCoefficients& c) {
    RefrigerantRecord record;
    for (int k = 0; k < FLOW_COEFFICIENTS; ++k) {
        record.flowCoefficients[k] = c.b[k];
    }
    for (int k = 0; k < DIVISOR_COEFFICIENTS; ++k) {
        record.divisorCoefficients[k] = c.a[k];
    }
    return record;
}

FitQuality measureFit(const FlowCoefficients& c, const std::vector<FitSample>& samples) {
    const RefrigerantRecord correlation = correlationRecord(c);
    FitQuality q;
    double sum = 0.0;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double r = relativeError(correlation, samples[i]);
        sum += r * r;
        if (std::fabs(r) > q.maxRelative) {
            q.maxRelative = std::fabs(r);
            q.worstSample = static_cast<int>(i);
        }
    }
    q.rmsRelative = samples.empty() ? 0.0 : std::sqrt(sum / static_cast<double>(samples.size()));
    return q;
}

bool fitCorrelation(const std::vector<FitSample>& samples,
                    const std::function<double(double, double, double)>& refrigeratingEffect,
                    double teMid, double tcMid, const std::vector<std::vector<double>>& divisorGrid,
                    FlowCoefficients& result, FitReport& report, std::string& error) {
    result = FlowCoefficients{};
    if (samples.size() < 20 || divisorGrid.size() < 3) {
        error = "too few points to fit";
        return false;
    }
    // 1. Scale: the refrigerating effect in kJ/kg at the middle, Trg = 32 °C.
    const double a0 = refrigeratingEffect(teMid, tcMid, DIVISOR_REFERENCE_RETURN_GAS_C) / 1000.0;
    if (!(a0 > 0.0)) {
        error = "no refrigerating effect at the envelope's middle";
        return false;
    }
    // 2. Relative slopes of the refrigerating effect with Trg.
    DenseMatrix a(static_cast<int>(divisorGrid.size()), 3);
    std::vector<double> b(divisorGrid.size());
    for (std::size_t i = 0; i < divisorGrid.size(); ++i) {
        const double te = divisorGrid[i][0], tc = divisorGrid[i][1], trg = divisorGrid[i][2];
        const double dt = trg - DIVISOR_REFERENCE_RETURN_GAS_C;
        const double ratio = refrigeratingEffect(te, tc, trg) /
                             refrigeratingEffect(te, tc, DIVISOR_REFERENCE_RETURN_GAS_C);
        a(static_cast<int>(i), 0) = dt;
        a(static_cast<int>(i), 1) = dt * te;
        a(static_cast<int>(i), 2) = dt * tc;
        b[i] = ratio - 1.0;
    }
    std::vector<double> slopes;
    if (!solveLeastSquares(a, b, slopes)) {
        error = "the divisor fit is singular";
        return false;
    }
    result.a[0] = a0;
    for (int k = 0; k < 3; ++k) {
        result.a[1 + k] = a0 * slopes[k];
    }
    // 3. Flow coefficients with that divisor.
    if (!fitFlowCoefficients(samples, result)) {
        error = "the flow fit is singular";
        return false;
    }
    report.physicalDivisor = measureFit(result, samples);
    // 4. Joint refinement in the p-norm of the relative error, p = 2, 4, 8, 16;
    // kept is the one furthest inside the goals (3 % RMS, 8 % largest).
    auto score = [](const FitQuality& q) {
        return std::fmax(q.rmsRelative / RMS_GOAL, q.maxRelative / MAX_GOAL);
    };
    const FlowCoefficients start = result;
    double best = score(report.physicalDivisor);
    for (double power : {2.0, 4.0, 8.0, 16.0}) {
        FlowCoefficients refined = start;
        int used = 0;
        if (!refinePower(samples, power, refined, used)) {
            continue;
        }
        report.iterations += used;
        const FitQuality q = measureFit(refined, samples);
        if (score(q) < best) {
            best = score(q);
            result = refined;
            report.power = power;
        }
    }
    report.refined = measureFit(result, samples);
    return true;
}
