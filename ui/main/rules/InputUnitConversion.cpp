#include "ui/main/rules/InputUnitConversion.h"

#include "units/Units.h"

double convertHeatLoad(double value, int oldEnergyUnit, int newEnergyUnit) {
    if (!unitChanged(oldEnergyUnit, newEnergyUnit)) {
        return value;
    }
    return newEnergyUnit == 0 ? WattsToBtuPerHour(value) : BtuPerHourToWatts(value);
}

double convertTemperature(double value, int oldTemperatureUnit, int newTemperatureUnit) {
    if (!unitChanged(oldTemperatureUnit, newTemperatureUnit)) {
        return value;
    }
    return newTemperatureUnit == 0 ? FahrenheitToCelsius(value) : CelsiusToFahrenheit(value);
}

ConvertedInputs convertEnteredInputs(const SelectionInputs& entered, const UnitSettings& before,
                                     const UnitSettings& after) {
    ConvertedInputs converted;
    if (unitChanged(before.energyUnit, after.energyUnit)) {
        converted.heatLoad = convertHeatLoad(entered.heatLoad, before.energyUnit, after.energyUnit);
    }
    if (unitChanged(before.temperatureUnit, after.temperatureUnit)) {
        const auto temperature = [&](double value) {
            return convertTemperature(value, before.temperatureUnit, after.temperatureUnit);
        };
        converted.evapTemp = temperature(entered.evapTemp);
        converted.condTemp = temperature(entered.condTemp);
        converted.returnGasTemp = temperature(entered.returnGasTemp);
        converted.ambientTemp = temperature(entered.ambientTemp);
    }
    return converted;
}
