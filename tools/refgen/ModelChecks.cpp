#include "tools/refgen/ModelChecks.h"

#include "database/RefrigerantDatabase.h"
#include "selection/TubeSearch.h"

#include <algorithm>
#include <cmath>

ProgramTubes programTubeChoice(const std::vector<double>& diameters, double flow,
                               double targetLength) {
    ProgramTubes tubes;
    const int count = static_cast<int>(std::min<std::size_t>(diameters.size(), MAX_DIAMETERS));
    tubes.lengths.resize(static_cast<std::size_t>(count));
    computeTubeLengths(diameters.data(), count, flow, tubes.lengths.data());
    tubes.optimal = findOptimalTube(tubes.lengths.data(), count, targetLength);
    return tubes;
}

bool neighbourLengths(const Fluid& fluid, const OperatingPoint& point,
                      const SizingAssumptions& assumptions, const std::vector<double>& diameters,
                      std::vector<NeighbourLength>& rows) {
    rows.clear();
    SizingResult sized;
    if (!sizeCapillary(fluid, point, assumptions, sized)) {
        return false;
    }
    const ProgramTubes program =
        programTubeChoice(diameters, sized.nitrogenFlow, assumptions.targetLength);
    for (std::size_t i = 0; i < program.lengths.size(); ++i) {
        const double d = diameters[i];
        NeighbourLength row;
        row.diameter = d;
        row.ruleLength = program.lengths[i];
        if (!solveLength(fluid, sized.massFlow, d * 1e-3, sized.tube,
                         exchangeLayout(assumptions, sized), assumptions.capillary,
                         row.modelLength)) {
            return false;
        }
        rows.push_back(row);
    }
    return true;
}

const std::vector<ReferencePoint>& referencePoints() {
    static const std::vector<ReferencePoint> POINTS = {
        {"ASHRAE Handbook - Refrigeration (2014), ch. 11, capillary tube example, as "
         "reproduced in the EES component library (CapTube1_CL)",
         "http://fchart.com/ees/component%20library/hs2510.htm", "handbook correlation", "R134a",
         1.1, 3.0, 14.0, 0.0, 15.0, -20.0, 15.12,
         "inlet 1.4 MPa, 15 K subcooled; the outlet pressure is not stated (choked flow)"},
    };
    return POINTS;
}

bool modelMassFlow(const Fluid& fluid, const ReferencePoint& point, const CapillaryOptions& options,
                   double& kilogramsPerHour, bool& choked) {
    const SaturationTable& sat = fluid.saturation;
    const double pIn =
        point.inletPressure > 0 ? point.inletPressure * 1e5 : sat.dewPressure(point.condensing);
    const double tBubble = sat.bubbleTemperatureAtPressure(pIn);
    double hIn = fluid.liquidEnthalpy(tBubble, tBubble - point.subcooling);
    if (!std::isfinite(hIn)) {
        // Outside the liquid table: the saturated liquid at the inlet temperature.
        hIn = sat.atBubbleTemperature(tBubble - point.subcooling).liquidEnthalpy;
    }
    const TubeConditions tube{pIn, hIn, sat.dewPressure(point.outletEvaporating)};
    double massFlow = 0.0;
    if (!solveMassFlow(fluid, point.diameter * 1e-3, point.length, tube, HeatExchangeLayout{},
                       options, massFlow)) {
        return false;
    }
    const double flux =
        massFlow / (0.25 * 3.14159265358979323846 * std::pow(point.diameter * 1e-3, 2));
    choked = integrateTube(fluid, point.diameter * 1e-3, flux, tube, HeatExchangeSection{}, options)
                 .choked;
    kilogramsPerHour = massFlow * 3600.0;
    return true;
}
