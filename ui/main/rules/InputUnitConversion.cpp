#include "ui/main/rules/InputUnitConversion.h"

#include "units/Units.h"

double ConvertHeatLoad(double value, int oldEnergyUnit, int newEnergyUnit) {
    if (!UnitChanged(oldEnergyUnit, newEnergyUnit)) {
        return value;
    }
    return newEnergyUnit == 0 ? WattsToBtuPerHour(value) : BtuPerHourToWatts(value);
}

double ConvertTemperature(double value, int oldTemperatureUnit, int newTemperatureUnit) {
    if (!UnitChanged(oldTemperatureUnit, newTemperatureUnit)) {
        return value;
    }
    return newTemperatureUnit == 0 ? FahrenheitToCelsius(value) : CelsiusToFahrenheit(value);
}
