#pragma once
// The saturated states of one refrigerant, interpolated along the saturation
// line. SI units throughout: °C for temperatures (the tables' grid unit), Pa,
// J/kg, m³/kg, Pa·s.
//
// A row of the table is the isobaric two-phase region at one pressure: the
// bubble-point liquid at the bubble temperature and the dew-point vapour at
// the same pressure (for a zeotropic blend at a higher temperature, the dew
// temperature). Pure fluids have equal bubble and dew temperatures.
#include "tools/refgen/Csv.h"
#include "tools/refgen/UniformInterpolation.h"

#include <string>

struct SaturatedState {
    double bubbleTemperature = 0.0; // °C
    double dewTemperature = 0.0;    // °C, at the same pressure
    double pressure = 0.0;          // Pa
    double liquidEnthalpy = 0.0;    // J/kg
    double vapourEnthalpy = 0.0;    // J/kg
    double liquidVolume = 0.0;      // m³/kg
    double vapourVolume = 0.0;      // m³/kg
    double liquidViscosity = 0.0;   // Pa·s
    double vapourViscosity = 0.0;   // Pa·s
};

class SaturationTable {
public:
    // Builds the table from a saturation file (1 K grid of bubble
    // temperatures). Viscosity columns that are empty are taken from
    // `viscosityEstimate` (columns mu_liq_est_uPa_s, mu_vap_est_uPa_s on the
    // same grid) when given. Returns false when a column is missing or a
    // value other than viscosity is empty.
    bool build(const CsvTable& table, const CsvTable* viscosityEstimate, std::string& error);

    double minTemperature() const { return lnBubblePressure_.firstX(); }
    double maxTemperature() const { return lnBubblePressure_.lastX(); }
    bool hasViscosity() const { return hasViscosity_; }

    // States at a bubble temperature (°C).
    SaturatedState atBubbleTemperature(double t) const;
    // Dew pressure (Pa) at a dew temperature (°C).
    double dewPressure(double dewTemperature) const;
    // Bubble pressure (Pa) at a bubble temperature (°C).
    double bubblePressure(double bubbleTemperature) const;
    // Bubble temperature (°C) at which the bubble pressure is p (Pa).
    double bubbleTemperatureAtPressure(double p) const;
    // States of the two-phase region at pressure p (Pa).
    SaturatedState atPressure(double p) const;
    // Bubble temperature (°C) at which the saturated liquid has enthalpy h (J/kg).
    double bubbleTemperatureAtLiquidEnthalpy(double h) const;

    // Replaces both viscosity columns, for fluids whose viscosity is estimated
    // from another fluid (values in Pa·s on this table's grid).
    void setViscosity(const std::vector<double>& liquid, const std::vector<double>& vapour);
    // Saturated liquid and vapour viscosity (Pa·s) at a bubble temperature.
    double liquidViscosity(double t) const;
    double vapourViscosity(double t) const;

private:
    UniformSeries lnBubblePressure_;
    UniformSeries lnDewPressure_;
    UniformSeries liquidVolume_;
    UniformSeries lnVapourVolume_;
    UniformSeries liquidEnthalpy_;
    UniformSeries vapourEnthalpy_;
    UniformSeries lnLiquidViscosity_;
    UniformSeries lnVapourViscosity_;
    UniformSeries dewTemperature_;
    bool hasViscosity_ = false;
};
