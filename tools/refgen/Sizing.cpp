#include "tools/refgen/Sizing.h"

#include "selection/TubeSearch.h"

#include <cmath>

double ratedNitrogenFlow(double diameterMillimetres, double lengthMetres) {
    // The length rule is L = L1 / F², with L1 the length at 1 l/min.
    double lengthAtUnitFlow = 0.0;
    computeTubeLengths(&diameterMillimetres, 1, 1.0, &lengthAtUnitFlow);
    return std::sqrt(lengthAtUnitFlow / lengthMetres);
}

bool operatingState(const Fluid& fluid, const OperatingPoint& point,
                    const SizingAssumptions& assumptions, SizingResult& result) {
    const SaturationTable& sat = fluid.saturation;
    if (point.evaporating < sat.minTemperature() || point.condensing > sat.maxTemperature() ||
        point.returnGas < point.evaporating || point.evaporating > fluid.vapourTableMaxDew() ||
        point.returnGas > fluid.vapourTableMaxTemperature()) {
        return false;
    }
    const double pEvap = sat.dewPressure(point.evaporating);
    const double pCond = sat.dewPressure(point.condensing);
    const double tLiquid = sat.bubbleTemperatureAtPressure(pCond);
    const double hLiquid = sat.atBubbleTemperature(tLiquid).liquidEnthalpy;
    const double hReturn = fluid.vapourEnthalpy(point.evaporating, point.returnGas);
    const double hSaturated = fluid.vapourEnthalpy(point.evaporating, point.evaporating);
    // The suction gas cannot be warmed in the exchanger beyond the liquid
    // that enters the capillary (counterflow, second law): that bounds the
    // heat the capillary can give up.
    const double hWarmest = fluid.vapourEnthalpy(
        point.evaporating, std::fmax(point.evaporating, std::fmin(tLiquid, point.returnGas)));
    if (!std::isfinite(hReturn) || !std::isfinite(hSaturated) || !std::isfinite(hWarmest)) {
        return false;
    }
    result.refrigeratingEffect = hReturn - hLiquid;
    result.massFlow = point.heatLoad / result.refrigeratingEffect;
    result.exchangeHeat =
        std::fmin(assumptions.exchangeShare * (hReturn - hSaturated), hWarmest - hSaturated);
    result.tube.inletPressure = pCond;
    result.tube.inletEnthalpy = hLiquid;
    result.tube.outletPressure = pEvap;
    return result.refrigeratingEffect > 0.0;
}

HeatExchangeLayout exchangeLayout(const SizingAssumptions& assumptions, const SizingResult& state) {
    return {assumptions.exchangeStart, assumptions.exchangeEnd, state.exchangeHeat};
}

bool sizeCapillary(const Fluid& fluid, const OperatingPoint& point,
                   const SizingAssumptions& assumptions, SizingResult& result) {
    if (!operatingState(fluid, point, assumptions, result)) {
        return false;
    }
    double d = 0.0;
    if (!solveDiameter(fluid, result.massFlow, assumptions.targetLength, result.tube,
                       exchangeLayout(assumptions, result), assumptions.capillary, d)) {
        return false;
    }
    result.diameter = d;
    result.nitrogenFlow = ratedNitrogenFlow(d * 1e3, assumptions.targetLength);
    return true;
}
