#pragma once
// Converting the values already entered when the user changes the energy or
// temperature unit in the settings dialog.

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
