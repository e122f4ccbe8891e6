#include "tools/refgen/NitrogenFlow.h"

#include "tools/refgen/Friction.h"

#include <cmath>
#include <limits>

namespace {

constexpr double PI = 3.14159265358979323846;

bool buildGrid(const CsvTable& table, const char* valueName, UniformTable2D& out,
               std::string& error) {
    std::vector<double> t, p, v;
    if (!numericColumn(table, "T_C", t, error) || !numericColumn(table, "p_bar", p, error) ||
        !numericColumn(table, valueName, v, error) || t.empty()) {
        return false;
    }
    double tMin = t[0], tMax = t[0], pMin = p[0], pMax = p[0];
    for (std::size_t i = 0; i < t.size(); ++i) {
        tMin = std::fmin(tMin, t[i]);
        tMax = std::fmax(tMax, t[i]);
        pMin = std::fmin(pMin, p[i]);
        pMax = std::fmax(pMax, p[i]);
    }
    out.row0 = tMin;
    out.rowStep = 1.0;
    out.column0 = pMin;
    out.columnStep = 0.5;
    out.rowCount = static_cast<int>(std::lround(tMax - tMin)) + 1;
    out.columnCount = static_cast<int>(std::lround((pMax - pMin) / 0.5)) + 1;
    out.values.assign(static_cast<std::size_t>(out.rowCount) * out.columnCount,
                      std::numeric_limits<double>::quiet_NaN());
    for (std::size_t i = 0; i < t.size(); ++i) {
        const long r = std::lround(t[i] - tMin);
        const long c = std::lround((p[i] - pMin) / 0.5);
        out.values[static_cast<std::size_t>(r) * out.columnCount + c] = v[i];
    }
    return true;
}

// Length of tube (m) over which nitrogen at mass flux G expands from the inlet
// to the outlet pressure, or to the choking point.
double lengthAt(const NitrogenTable& table, double diameter, double massFlux,
                const NitrogenTest& test, double& frictionSum, bool& choked) {
    const double g2 = massFlux * massFlux;
    const double t = test.temperature;
    double p = test.inletPressure;
    double rho = table.density(p, t);
    p -= (1.0 + test.entranceLossCoefficient) * 0.5 * g2 / rho;
    choked = false;
    frictionSum = 0.0;
    if (p <= test.outletPressure) {
        return 0.0;
    }
    rho = table.density(p, t);
    auto friction = [&](double pressure, double density) {
        (void)density;
        if (test.fixedFriction > 0.0) {
            return test.fixedFriction;
        }
        const double re = massFlux * diameter / table.viscosity(pressure, t);
        return churchillFriction(re, test.roughness / diameter);
    };
    double f = friction(p, rho);
    double z = 0.0;
    const double span = p - test.outletPressure;
    const double baseStep = span / 400.0;
    double dp = baseStep;
    while (p > test.outletPressure) {
        double pNext = std::fmax(p - dp, test.outletPressure);
        const double step = p - pNext;
        const double rhoNext = table.density(pNext, t);
        const double rhoMean = 0.5 * (rho + rhoNext);
        const double numerator = rhoMean * step - g2 * std::log(rho / rhoNext);
        if (numerator <= 0.0) {
            if (step < span * 1e-9) {
                choked = true;
                break;
            }
            dp = 0.5 * step;
            continue;
        }
        const double fNext = friction(pNext, rhoNext);
        const double fMean = 0.5 * (f + fNext);
        const double dz = numerator * 2.0 * diameter / (fMean * g2);
        z += dz;
        frictionSum += fMean * dz;
        p = pNext;
        rho = rhoNext;
        f = fNext;
        dp = std::fmin(baseStep, 2.0 * step);
    }
    return z;
}

} // namespace

bool NitrogenTable::build(const CsvTable& table, std::string& error) {
    return buildGrid(table, "rho_kg_m3", density_, error) &&
           buildGrid(table, "mu_uPa_s", viscosity_, error);
}

double NitrogenTable::density(double pressure, double temperature) const {
    return density_.bilinear(temperature, pressure / 1e5);
}

double NitrogenTable::viscosity(double pressure, double temperature) const {
    return viscosity_.bilinear(temperature, pressure / 1e5) * 1e-6;
}

bool loadNitrogen(const std::string& folder, NitrogenTable& table, std::string& error) {
    CsvTable csv;
    return readCsv(folder + "/nitrogen.csv", csv, error) && table.build(csv, error);
}

NitrogenFlowResult nitrogenFlowThrough(const NitrogenTable& table, double diameter, double length,
                                       const NitrogenTest& test) {
    NitrogenFlowResult result;
    // The length falls with the mass flux; bisect in log(G).
    double lo = std::log(1.0), hi = std::log(1e5);
    double frictionSum = 0.0;
    bool choked = false;
    for (int iteration = 0; iteration < 100; ++iteration) {
        const double mid = 0.5 * (lo + hi);
        const double z = lengthAt(table, diameter, std::exp(mid), test, frictionSum, choked);
        if (z > length) {
            lo = mid;
        } else {
            hi = mid;
        }
        if (hi - lo < 1e-12) {
            break;
        }
    }
    const double flux = std::exp(0.5 * (lo + hi));
    const double z = lengthAt(table, diameter, flux, test, frictionSum, choked);
    const double area = 0.25 * PI * diameter * diameter;
    const double standardDensity = table.density(test.standardPressure, test.standardTemperature);
    result.valid = z > 0.0 && std::isfinite(standardDensity);
    result.massFlow = flux * area;
    result.litresPerMinute = result.massFlow / standardDensity * 60000.0;
    result.choked = choked;
    result.reynoldsInlet = flux * diameter / table.viscosity(test.inletPressure, test.temperature);
    result.meanFriction = z > 0.0 ? frictionSum / z : 0.0;
    return result;
}

double impliedFriction(const NitrogenTable& table, double diameter, double length,
                       double litresPerMinute, const NitrogenTest& test) {
    // The flow falls with the friction factor; bisect in log(f).
    double lo = std::log(1e-4), hi = std::log(1.0);
    NitrogenTest fixed = test;
    auto flowAt = [&](double u) {
        fixed.fixedFriction = std::exp(u);
        return nitrogenFlowThrough(table, diameter, length, fixed).litresPerMinute;
    };
    if (flowAt(lo) < litresPerMinute || flowAt(hi) > litresPerMinute) {
        return 0.0;
    }
    for (int iteration = 0; iteration < 60; ++iteration) {
        const double mid = 0.5 * (lo + hi);
        if (flowAt(mid) > litresPerMinute) {
            lo = mid;
        } else {
            hi = mid;
        }
    }
    return std::exp(0.5 * (lo + hi));
}
