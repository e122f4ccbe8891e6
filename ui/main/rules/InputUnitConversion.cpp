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
