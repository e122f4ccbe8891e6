#pragma once
// Sizing a capillary for one operating point: the mass flow the load needs,
// the tube of the target length that passes it, and that tube's rating as a
// nitrogen flow.
//
// Temperature conventions (as EN 12900 rates compressors): the evaporating
// and the condensing temperature are dew-point temperatures, so for a
// zeotropic blend p_evap = p_dew(Te) and p_cond = p_dew(Tc). The liquid
// leaves the condenser saturated: the bubble-point liquid at p_cond.
#include "tools/refgen/CapillaryModel.h"

struct OperatingPoint {
    double heatLoad = 0.0;    // W
    double evaporating = 0.0; // °C (dew point)
    double condensing = 0.0;  // °C (dew point)
    double returnGas = 0.0;   // °C, suction gas at the compressor inlet
};

struct SizingAssumptions {
    double targetLength = 3.0; // m
    CapillaryOptions capillary;
    // Where the suction line is soldered to the capillary, as fractions of
    // its length, and the share of the suction gas's superheat (from the
    // evaporating to the return gas temperature) that it takes from the
    // capillary there. 0 is the adiabatic capillary, 1 the whole superheat.
    double exchangeStart = 0.15;
    double exchangeEnd = 0.85;
    double exchangeShare = 0.5;
};

struct SizingResult {
    double refrigeratingEffect = 0.0; // J/kg: h_vapour(p_evap, Trg) - h_liquid(p_cond)
    double massFlow = 0.0;            // kg/s
    double exchangeHeat = 0.0;        // J/kg taken out of the capillary
    double diameter = 0.0;            // m, tube of the target length passing massFlow
    double nitrogenFlow = 0.0;        // l/min, that tube's rating sqrt(750 d^5 / L)
    TubeConditions tube;
};

// The program's rating of a tube, d in mm, L in m, F in l/min: the flow for
// which the program's length rule (computeTubeLengths, L = 750 d^5 / F²)
// gives exactly this tube, F = sqrt(750 d^5 / L).
double ratedNitrogenFlow(double diameterMillimetres, double lengthMetres);

// Refrigerating effect, mass flow and tube conditions of an operating point;
// false when it lies outside the property tables.
bool operatingState(const Fluid& fluid, const OperatingPoint& point,
                    const SizingAssumptions& assumptions, SizingResult& result);

// The complete sizing: operating state, then the tube of the target length.
bool sizeCapillary(const Fluid& fluid, const OperatingPoint& point,
                   const SizingAssumptions& assumptions, SizingResult& result);

// The heat exchanger of an operating point as laid out along the tube.
HeatExchangeLayout exchangeLayout(const SizingAssumptions& assumptions, const SizingResult& state);
