#pragma once
// Converting the values already entered when the user changes the energy or
// temperature unit in the settings dialog.
#include "selection/SelectionInputs.h"
#include "units/UnitSettings.h"

#include <optional>

// The heat load in the new energy unit (1 W, 0 Btu/hr); unchanged when the
// unit did not change.
double convertHeatLoad(double value, int oldEnergyUnit, int newEnergyUnit);

// A temperature in the new temperature unit (1 ºF, 0 ºC); unchanged when the
// unit did not change.
double convertTemperature(double value, int oldTemperatureUnit, int newTemperatureUnit);

// Whether two unit settings name different units (each is tested as 0 or
// non-zero).
inline bool unitChanged(int oldUnit, int newUnit) {
    return (oldUnit != 0) != (newUnit != 0);
}

// The entered values to write back after the units changed from `before` to
// `after`: the heat load when the energy unit changed, the four temperatures
// (the ambient one too) when the temperature unit changed, each converted.
// A value whose unit did not change is left out, so that its field keeps the
// text as it was typed.
struct ConvertedInputs {
    std::optional<double> heatLoad;
    std::optional<double> evapTemp;
    std::optional<double> condTemp;
    std::optional<double> returnGasTemp;
    std::optional<double> ambientTemp;
};
ConvertedInputs convertEnteredInputs(const SelectionInputs& entered, const UnitSettings& before,
                                     const UnitSettings& after);
