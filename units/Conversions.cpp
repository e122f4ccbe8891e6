#include "units/Units.h"

// Display conversions. Length, diameter and pressure convert only for the
// value 1 exactly; the flow converts for 0 (CFM), its only imperial value.

double LengthForDisplay(const UnitSettings& units, double metres) {
    return units.lengthUnit == 1 ? metres * 39.37 : metres;
}

double DiameterForDisplay(const UnitSettings& units, double millimetres) {
    return units.diameterUnit == 1 ? millimetres * 0.039370078740157 : millimetres;
}

double FlowForDisplay(const UnitSettings& units, double litresPerMinute) {
    return units.flowUnit == 0 ? litresPerMinute * 0.035314662471284765 : litresPerMinute;
}

double PressureForDisplay(const UnitSettings& units, double bar) {
    return units.pressureUnit == 1 ? bar * 14.5037738 : bar;
}

// Input conversions. The two energy factors are not exact inverses (their
// product is 0.9999999985); both are kept as given so that stored values
// convert the same way they always have.

double BtuPerHourToWatts(double btuPerHour) {
    return btuPerHour * 0.29307107;
}

double WattsToBtuPerHour(double watts) {
    return watts * 3.41214163;
}

double FahrenheitToCelsius(double fahrenheit) {
    return (fahrenheit - 32) / 1.8;
}

double CelsiusToFahrenheit(double celsius) {
    return celsius * 1.8 + 32;
}
