#include "tools/refgen/CapillaryModel.h"

#include "tools/refgen/Friction.h"

#include <cmath>

namespace {

constexpr double PI = 3.14159265358979323846;

struct FlowPoint {
    double pressure = 0.0;
    double enthalpy = 0.0;
    double volume = 0.0;
    double viscosity = 0.0;
    double quality = -1.0; // below 0: liquid
};

// The state of pressure p whose static enthalpy satisfies
// h + G² v(h)² / 2 = totalEnthalpy, with `sat` the saturated states at p.
FlowPoint solveEnergy(const Fluid& fluid, const SaturatedState& sat, double g2,
                      double totalEnthalpy, TwoPhaseViscosity model) {
    FlowPoint point;
    point.pressure = sat.pressure;
    const double vl = sat.liquidVolume;
    const double beta = (sat.vapourVolume - vl) / (sat.vapourEnthalpy - sat.liquidEnthalpy);
    // In the two-phase region v = vl + beta (h - hl): a quadratic in y = h - hl.
    const double a = 0.5 * g2 * beta * beta;
    const double b = 1.0 + g2 * vl * beta;
    const double c = sat.liquidEnthalpy + 0.5 * g2 * vl * vl - totalEnthalpy;
    if (c < 0.0) {
        double y = 2.0 * (-c) / (b + std::sqrt(b * b - 4.0 * a * c));
        const double range = sat.vapourEnthalpy - sat.liquidEnthalpy;
        if (y > range) {
            y = range;
        }
        const double x = y / range;
        point.enthalpy = sat.liquidEnthalpy + y;
        point.quality = x;
        point.volume = vl + beta * y;
        point.viscosity = mixtureViscosity(model, x, vl, sat.vapourVolume, sat.liquidViscosity,
                                           sat.vapourViscosity);
        return point;
    }
    // Liquid: its volume hardly changes, one correction of the kinetic term suffices.
    double h = totalEnthalpy - 0.5 * g2 * vl * vl;
    double t = fluid.saturation.bubbleTemperatureAtLiquidEnthalpy(h);
    SaturatedState liquid = fluid.saturation.atBubbleTemperature(t);
    h = totalEnthalpy - 0.5 * g2 * liquid.liquidVolume * liquid.liquidVolume;
    t = fluid.saturation.bubbleTemperatureAtLiquidEnthalpy(h);
    liquid = fluid.saturation.atBubbleTemperature(t);
    point.enthalpy = h;
    point.volume = liquid.liquidVolume;
    point.viscosity = liquid.liquidViscosity;
    point.quality = -1.0;
    return point;
}

double removedUpTo(const HeatExchangeSection& hx, double z) {
    if (hx.enthalpyRemoved == 0.0 || hx.end <= hx.start || z <= hx.start) {
        return 0.0;
    }
    if (z >= hx.end) {
        return hx.enthalpyRemoved;
    }
    return hx.enthalpyRemoved * (z - hx.start) / (hx.end - hx.start);
}

double friction(const FlowPoint& p, double massFlux, double diameter,
                const CapillaryOptions& options) {
    const double reynolds = massFlux * diameter / p.viscosity;
    return churchillFriction(reynolds, options.roughness / diameter);
}

// Solves f(u) = 0 for an increasing f of u = ln(x), x within [lo, hi]: a
// secant search for a sign change from the guess, then the Illinois variant
// of regula falsi. `slope` is the expected d f / d u (f is nearly linear in u).
template <typename F>
bool solveLogarithmic(F f, double guess, double slope, double lo, double hi, double tolerance,
                      double& result) {
    const double uMin = std::log(lo), uMax = std::log(hi);
    double ua = std::log(guess), fa = 0.0;
    if (!f(ua, fa)) {
        return false;
    }
    if (std::fabs(fa) < tolerance) {
        result = std::exp(ua);
        return true;
    }
    double ub = ua - fa / slope, fb = 0.0;
    for (int expansion = 0;; ++expansion) {
        if (ub - ua > 1.5) {
            ub = ua + 1.5;
        }
        if (ua - ub > 1.5) {
            ub = ua - 1.5;
        }
        if (ub < uMin || ub > uMax || expansion > 40) {
            return false;
        }
        if (!f(ub, fb)) {
            return false;
        }
        if (std::fabs(fb) < tolerance) {
            result = std::exp(ub);
            return true;
        }
        if ((fa < 0) != (fb < 0)) {
            break;
        }
        // Same sign: step on along the secant (or the expected slope), further out.
        double s = (fb - fa) / (ub - ua);
        if (!(s > 0.1 * slope)) {
            s = slope;
        }
        const double next = ub - 1.2 * fb / s;
        ua = ub;
        fa = fb;
        ub = next;
    }
    int side = 0;
    for (int iteration = 0; iteration < 100; ++iteration) {
        const double u = (ua * fb - ub * fa) / (fb - fa);
        double fu = 0.0;
        if (!f(u, fu)) {
            return false;
        }
        if (std::fabs(fu) < tolerance || std::fabs(ub - ua) < 1e-13) {
            result = std::exp(u);
            return true;
        }
        if ((fu < 0) == (fa < 0)) {
            ua = u;
            fa = fu;
            if (side == -1) {
                fb *= 0.5;
            }
            side = -1;
        } else {
            ub = u;
            fb = fu;
            if (side == 1) {
                fa *= 0.5;
            }
            side = 1;
        }
    }
    return false;
}

} // namespace

double mixtureViscosity(TwoPhaseViscosity model, double x, double liquidVolume, double vapourVolume,
                        double liquidViscosity, double vapourViscosity) {
    switch (model) {
    case TwoPhaseViscosity::McAdams:
        return 1.0 / (x / vapourViscosity + (1.0 - x) / liquidViscosity);
    case TwoPhaseViscosity::Cicchitti:
        return x * vapourViscosity + (1.0 - x) * liquidViscosity;
    case TwoPhaseViscosity::Dukler:
    default: {
        const double v = liquidVolume + x * (vapourVolume - liquidVolume);
        return (x * vapourVolume * vapourViscosity + (1.0 - x) * liquidVolume * liquidViscosity) /
               v;
    }
    }
}

TubeFlowResult integrateTube(const Fluid& fluid, double diameter, double massFlux,
                             const TubeConditions& conditions, const HeatExchangeSection& exchange,
                             const CapillaryOptions& options) {
    TubeFlowResult result;
    const double g2 = massFlux * massFlux;
    const SaturationTable& sat = fluid.saturation;
    const double pMin = sat.bubblePressure(sat.minTemperature());
    if (conditions.outletPressure < pMin || conditions.inletPressure <= conditions.outletPressure) {
        return result;
    }
    // Inlet: liquid at rest in the condenser, accelerated through the contraction.
    const double tIn = sat.bubbleTemperatureAtLiquidEnthalpy(conditions.inletEnthalpy);
    const double vIn = sat.atBubbleTemperature(tIn).liquidVolume;
    const double p1 =
        conditions.inletPressure - (1.0 + options.entranceLossCoefficient) * 0.5 * g2 * vIn;
    if (p1 <= conditions.outletPressure) {
        result.valid = true;
        result.length = 0.0;
        result.choked = false;
        result.exitPressure = conditions.outletPressure;
        return result;
    }
    FlowPoint point =
        solveEnergy(fluid, sat.atPressure(p1), g2, conditions.inletEnthalpy, options.viscosity);
    double z = 0.0;
    double fPoint = friction(point, massFlux, diameter, options);
    const double span = p1 - conditions.outletPressure;
    const double baseStep = span / options.pressureSteps;
    const double minStep = baseStep * 1e-7;
    double dp = baseStep;
    double lastGradient = 0.0; // dz/dp of the last step
    bool flashed = point.quality >= 0.0;
    result.flashLength = flashed ? 0.0 : -1.0;
    const double frictionFactor = g2 / (2.0 * diameter);
    while (point.pressure > conditions.outletPressure) {
        double pNext = point.pressure - dp;
        if (pNext < conditions.outletPressure + 1e-9 * span) {
            pNext = conditions.outletPressure;
        }
        const double step = point.pressure - pNext;
        const SaturatedState satNext = sat.atPressure(pNext);
        double zNext = z + step * lastGradient;
        FlowPoint next;
        double dz = 0.0;
        bool accepted = false;
        for (int pass = 0; pass < 3; ++pass) {
            next = solveEnergy(fluid, satNext, g2,
                               conditions.inletEnthalpy - removedUpTo(exchange, zNext),
                               options.viscosity);
            const double fNext = friction(next, massFlux, diameter, options);
            const double numerator = step - g2 * (next.volume - point.volume);
            if (numerator <= 0.0) {
                accepted = false;
                break;
            }
            dz = numerator / (frictionFactor * 0.5 * (fPoint * point.volume + fNext * next.volume));
            zNext = z + dz;
            accepted = true;
            if (exchange.enthalpyRemoved == 0.0) {
                break;
            }
        }
        const bool tooCoarse = accepted &&
                               std::fabs(next.volume - point.volume) > 0.05 * point.volume &&
                               step > minStep;
        if (!accepted || tooCoarse) {
            if (step <= minStep) {
                result.choked = true;
                break;
            }
            dp = 0.5 * step;
            continue;
        }
        if (!flashed && next.quality >= 0.0) {
            flashed = true;
            result.flashLength = z + dz;
        }
        z = zNext;
        lastGradient = dz / step;
        point = next;
        fPoint = friction(point, massFlux, diameter, options);
        dp = std::fmin(baseStep, 2.0 * step);
    }
    result.valid = true;
    result.length = z;
    result.exitPressure = point.pressure;
    result.exitQuality = point.quality < 0.0 ? 0.0 : point.quality;
    if (result.flashLength < 0.0) {
        result.flashLength = z;
    }
    return result;
}

bool solveMassFlow(const Fluid& fluid, double diameter, double length,
                   const TubeConditions& conditions, const HeatExchangeLayout& exchange,
                   const CapillaryOptions& options, double& massFlow) {
    const double area = 0.25 * PI * diameter * diameter;
    const HeatExchangeSection section = exchange.forLength(length);
    auto f = [&](double u, double& value) {
        const TubeFlowResult r =
            integrateTube(fluid, diameter, std::exp(u), conditions, section, options);
        if (!r.valid || r.length <= 0.0) {
            value = 50.0; // a flux so high the inlet loss alone exceeds the span: far too short
            return r.valid;
        }
        value = std::log(r.length) - std::log(length);
        return true;
    };
    double flux = 0.0;
    // The length falls with the mass flux: decreasing, slope about -2.
    if (!solveLogarithmic(
            [&](double u, double& v) {
                if (!f(u, v)) {
                    return false;
                }
                v = -v; // make it increasing in u
                return true;
            },
            3000.0, 2.0, 10.0, 1e6, 1e-7, flux)) {
        return false;
    }
    massFlow = flux * area;
    return true;
}

bool solveDiameter(const Fluid& fluid, double massFlow, double length,
                   const TubeConditions& conditions, const HeatExchangeLayout& exchange,
                   const CapillaryOptions& options, double& diameter) {
    const HeatExchangeSection section = exchange.forLength(length);
    auto f = [&](double u, double& value) {
        const double d = std::exp(u);
        const double flux = massFlow / (0.25 * PI * d * d);
        const TubeFlowResult r = integrateTube(fluid, d, flux, conditions, section, options);
        if (!r.valid) {
            return false;
        }
        if (r.length <= 0.0) {
            value = -50.0;
            return true;
        }
        value = std::log(r.length) - std::log(length);
        return true;
    };
    // The length grows with the diameter roughly as d^5, the exponent of the
    // program's own length rule (the model's own lies between 5.0 and 5.4).
    return solveLogarithmic(f, 0.8e-3, 5.0, 0.05e-3, 10e-3, 1e-7, diameter);
}

bool solveLength(const Fluid& fluid, double massFlow, double diameter,
                 const TubeConditions& conditions, const HeatExchangeLayout& exchange,
                 const CapillaryOptions& options, double& length) {
    const double flux = massFlow / (0.25 * PI * diameter * diameter);
    double guess = 0.0;
    {
        const TubeFlowResult r =
            integrateTube(fluid, diameter, flux, conditions, HeatExchangeSection{}, options);
        if (!r.valid) {
            return false;
        }
        guess = r.length;
    }
    if (exchange.enthalpyRemoved == 0.0) {
        length = guess;
        return true;
    }
    // The exchanger's position scales with the length being sought: find the
    // length l at which the tube with the exchanger laid out along l is l
    // long. length(l) falls steeply with l (the same heat spread over more
    // metres), so a plain fixed-point iteration would oscillate; this is a
    // root search on ln l - ln length(l), which rises with l.
    auto f = [&](double u, double& value) {
        const double l = std::exp(u);
        const TubeFlowResult r =
            integrateTube(fluid, diameter, flux, conditions, exchange.forLength(l), options);
        if (!r.valid || r.length <= 0.0) {
            return false;
        }
        value = u - std::log(r.length);
        return true;
    };
    return solveLogarithmic(f, 1.5 * guess, 2.0, 0.5 * guess, 100.0 * guess, 1e-7, length);
}
