#pragma once
// Refrigerant flow through a capillary tube: one-dimensional homogeneous
// two-phase flow (both phases at the same velocity and in thermodynamic
// equilibrium), integrated in pressure steps from the inlet to the outlet
// pressure or to the choking point.
//
//   momentum:  -dp = G² dv + f G² v / (2 d) dz
//   energy:    h + G² v² / 2 = h_in - q(z)
//
// G is the mass flux, v the specific volume of the mixture, f the Darcy
// friction factor (Churchill) at the Reynolds number G d / mu with a two-phase
// viscosity mu, and q(z) the heat per kilogram taken out by a suction-line
// heat exchanger up to position z. The inlet loses (1 + K) G² v / 2 in the
// contraction from the condenser. The flow chokes where a further pressure
// drop can no longer accelerate it (dz/dp reaches 0); the tube then ends at
// the choking point, with the rest of the expansion outside the tube.
#include "tools/refgen/Fluid.h"

enum class TwoPhaseViscosity { McAdams, Cicchitti, Dukler };

struct CapillaryOptions {
    double roughness = 0.75e-6;           // m, drawn copper tube wall
    double entranceLossCoefficient = 0.5; // K of a sharp-edged inlet
    TwoPhaseViscosity viscosity = TwoPhaseViscosity::Dukler;
    int pressureSteps = 200; // steps over the whole pressure span, refined where needed
};

// Heat taken out of the refrigerant between `start` and `end` (m from the
// inlet), evenly per metre, `enthalpyRemoved` J/kg in total.
struct HeatExchangeSection {
    double start = 0.0;
    double end = 0.0;
    double enthalpyRemoved = 0.0;
};

// The same section given as fractions of the tube length.
struct HeatExchangeLayout {
    double startFraction = 0.0;
    double endFraction = 0.0;
    double enthalpyRemoved = 0.0;
    HeatExchangeSection forLength(double length) const {
        return {startFraction * length, endFraction * length, enthalpyRemoved};
    }
};

struct TubeConditions {
    double inletPressure = 0.0;  // Pa
    double inletEnthalpy = 0.0;  // J/kg
    double outletPressure = 0.0; // Pa (evaporator)
};

struct TubeFlowResult {
    bool valid = false;
    double length = 0.0;       // m, to the outlet pressure or to the choking point
    bool choked = false;       // the flow chokes before the outlet pressure
    double exitPressure = 0.0; // Pa
    double exitQuality = 0.0;
    double flashLength = 0.0; // m, where the liquid first starts to boil
};

// Integrates a tube of diameter d (m) at mass flux G (kg/(m² s)).
TubeFlowResult integrateTube(const Fluid& fluid, double diameter, double massFlux,
                             const TubeConditions& conditions, const HeatExchangeSection& exchange,
                             const CapillaryOptions& options);

// Mass flow (kg/s) through a tube of the given diameter and length (m).
// Returns false when no flow matches the length.
bool solveMassFlow(const Fluid& fluid, double diameter, double length,
                   const TubeConditions& conditions, const HeatExchangeLayout& exchange,
                   const CapillaryOptions& options, double& massFlow);

// Inner diameter (m) of a tube of the given length that passes `massFlow`.
bool solveDiameter(const Fluid& fluid, double massFlow, double length,
                   const TubeConditions& conditions, const HeatExchangeLayout& exchange,
                   const CapillaryOptions& options, double& diameter);

// Length (m) of a tube of the given diameter that passes `massFlow`, with the
// heat exchanger laid out along that length.
bool solveLength(const Fluid& fluid, double massFlow, double diameter,
                 const TubeConditions& conditions, const HeatExchangeLayout& exchange,
                 const CapillaryOptions& options, double& length);

// Two-phase viscosity (Pa·s) at quality x.
double mixtureViscosity(TwoPhaseViscosity model, double x, double liquidVolume, double vapourVolume,
                        double liquidViscosity, double vapourViscosity);
