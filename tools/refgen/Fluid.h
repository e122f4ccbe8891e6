#pragma once
// One refrigerant's reference properties, read from the project's copy of the
// property tables (data/refprops): saturation line, superheated vapour and
// subcooled liquid. SI units: °C, Pa, J/kg, m³/kg, Pa·s.
#include "tools/refgen/SaturationTable.h"
#include "tools/refgen/UniformInterpolation.h"

#include <string>

struct FluidInfo {
    std::string name;
    std::string model;                // pure, pseudo-pure or mixture
    double molarMass = 0.0;           // kg/kmol
    double criticalTemperature = 0.0; // °C
    double criticalPressure = 0.0;    // Pa
};

class Fluid {
public:
    FluidInfo info;
    SaturationTable saturation;
    // Where the viscosity came from: "table", "estimate" or a text naming the
    // reference fluid of a corresponding-states estimate.
    std::string viscositySource = "table";

    // Enthalpy (J/kg) of superheated vapour at the pressure whose dew
    // temperature is dewTemperature (°C), at temperature t (°C). NaN outside
    // the vapour table.
    double vapourEnthalpy(double dewTemperature, double t) const;
    // Enthalpy (J/kg) of liquid at the bubble pressure of bubbleTemperature
    // (°C), subcooled to temperature t (°C). NaN outside the liquid table.
    double liquidEnthalpy(double bubbleTemperature, double t) const;

    double vapourTableMaxDew() const;
    double vapourTableMaxTemperature() const;

    bool buildVapour(const CsvTable& table, std::string& error);
    bool buildLiquid(const CsvTable& table, std::string& error);

private:
    UniformTable2D vapour_; // rows: dew temperature, columns: superheat
    UniformTable2D liquid_; // rows: bubble temperature, columns: subcooling
};

// Reads `name` from the table folder `folder` (fluids.csv, saturation/,
// vapour/, liquid/, estimates/). A blend without any viscosity in the tables
// gets a corresponding-states estimate from `viscosityReference` when given
// (see fillViscosityByCorrespondingStates). Returns false with `error` set
// when a file is missing or malformed.
bool loadFluid(const std::string& folder, const std::string& name, Fluid& fluid,
               std::string& error);

// Viscosity of `fluid` along its saturation line from `reference` at the same
// reduced temperature, scaled by the corresponding-states viscosity
// parameter xi = Tc^(1/6) / (M^(1/2) pc^(2/3)).
bool fillViscosityByCorrespondingStates(Fluid& fluid, const Fluid& reference, std::string& error);
