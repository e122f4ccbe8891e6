#pragma once
// Nitrogen through a capillary tube: isothermal compressible (Fanno-type)
// flow with wall friction, from a nitrogen table (density and viscosity over
// temperature and pressure).
//
//   momentum:  -dp = G² d(1/rho) + f G² / (2 rho d) dz
//   so         rho dp + G² d rho / rho + f G² / (2 d) dz = 0
//
// integrated in pressure steps with rho(p, T) and mu(p, T) from the table and
// the Darcy friction factor of Churchill at Re = G d / mu. The flow chokes
// where the gas velocity reaches the isothermal sound speed; the inlet loses
// (1 + K) G² / (2 rho) like the refrigerant's.
#include "tools/refgen/Csv.h"
#include "tools/refgen/UniformInterpolation.h"

#include <string>

class NitrogenTable {
public:
    bool build(const CsvTable& table, std::string& error);
    double density(double pressure, double temperature) const;   // kg/m³; Pa, °C
    double viscosity(double pressure, double temperature) const; // Pa·s

private:
    UniformTable2D density_;   // rows: temperature, columns: pressure (bar)
    UniformTable2D viscosity_; // µPa·s
};

bool loadNitrogen(const std::string& folder, NitrogenTable& table, std::string& error);

struct NitrogenTest {
    double inletPressure = 11.01325e5;   // Pa absolute: 10 bar above the atmosphere
    double outletPressure = 1.01325e5;   // Pa absolute: the open tube end
    double temperature = 20.0;           // °C, isothermal
    double standardPressure = 1.01325e5; // Pa, where the flow is stated
    double standardTemperature = 20.0;   // °C
    double roughness = 0.75e-6;          // m
    double entranceLossCoefficient = 0.5;
    // A fixed Darcy friction factor instead of Churchill's, when above 0.
    double fixedFriction = 0.0;
};

struct NitrogenFlowResult {
    bool valid = false;
    double massFlow = 0.0;        // kg/s
    double litresPerMinute = 0.0; // at the standard state
    bool choked = false;
    double reynoldsInlet = 0.0;
    double meanFriction = 0.0; // length-weighted Darcy friction factor
};

// Flow through a tube of diameter d (m) and length L (m).
NitrogenFlowResult nitrogenFlowThrough(const NitrogenTable& table, double diameter, double length,
                                       const NitrogenTest& test);

// The fixed Darcy friction factor with which the same calculation passes
// `litresPerMinute` through the tube; 0 when none does.
double impliedFriction(const NitrogenTable& table, double diameter, double length,
                       double litresPerMinute, const NitrogenTest& test);
